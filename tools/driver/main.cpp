// quenza-driver: plays the game's real windows from a script, on the
// offscreen platform and under a virtual clock.
#include "driver/driven_game.h"
#include "driver/script_reader.h"
#include "platform/system.h"

#include <QCommandLineParser>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <optional>

using namespace quenza;

namespace {

struct Arguments {
    driver::RunOptions run;
    bool tempData = true;
    QString script;
};

// nullopt, after telling why, when the arguments are wrong.
std::optional<Arguments> parseArguments(QCommandLineParser& parser, QTextStream& errors) {
    const QCommandLineOption programDir(QStringLiteral("program-dir"),
                                        QStringLiteral("Folder holding temas.tem and fx/."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Per-user data folder (file0N.sop); default: "
                                                    "a new temporary folder removed at exit."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seed of the game's random numbers (default 1)."),
                                  QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption date(QStringLiteral("date"),
                                  QStringLiteral("The system date the game sees (default today)."),
                                  QStringLiteral("YYYY-MM-DD"));
    parser.setApplicationDescription(QStringLiteral("Plays Quenza from a script of commands."));
    parser.addOptions({programDir, dataDir, seed, date});
    parser.addPositionalArgument(QStringLiteral("SCRIPT"),
                                 QStringLiteral("Commands to play; default: standard input, each "
                                                "line answered at once."),
                                 QStringLiteral("[SCRIPT]"));
    const QCommandLineOption help = parser.addHelpOption();

    const auto fail = [&](const QString& why) -> std::optional<Arguments> {
        errors << why << "\n\n" << parser.helpText();
        return std::nullopt;
    };
    if (!parser.parse(QCoreApplication::arguments())) {
        return fail(parser.errorText());
    }
    if (parser.isSet(help)) {
        return Arguments{};
    }
    Arguments arguments;
    // The game's own program folder, found before the data folder is overridden.
    arguments.run.programDir =
        parser.isSet(programDir) ? parser.value(programDir) : platform::folders().program;
    arguments.tempData = !parser.isSet(dataDir);
    arguments.run.dataDir = parser.value(dataDir);
    bool seedOk = false;
    arguments.run.seed = parser.value(seed).toULongLong(&seedOk, 10);
    if (!seedOk) {
        return fail(QStringLiteral("--seed needs a whole number, not %1").arg(parser.value(seed)));
    }
    if (parser.isSet(date)) {
        arguments.run.date = QDate::fromString(parser.value(date), Qt::ISODate);
        if (!arguments.run.date.isValid()) {
            return fail(
                QStringLiteral("--date needs a date YYYY-MM-DD, not %1").arg(parser.value(date)));
        }
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        return fail(QStringLiteral("one script at most"));
    }
    arguments.script = positional.value(0);
    return arguments;
}

} // namespace

int main(int argc, char* argv[]) {
    driver::DrivenApplication app(argc, argv);
    QTextStream answers(stdout);
    QTextStream errors(stderr);
    QCommandLineParser parser;
    std::optional<Arguments> arguments = parseArguments(parser, errors);
    if (!arguments) {
        return driver::kBadArguments;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        answers << parser.helpText();
        return driver::kAllSucceeded;
    }

    QFile scriptFile(arguments->script);
    if (!arguments->script.isEmpty() && !scriptFile.open(QIODevice::ReadOnly | QIODevice::Text)) {
        errors << "cannot read the script " << arguments->script << ": " << scriptFile.errorString()
               << '\n';
        return driver::kBadArguments;
    }
    QTemporaryDir tempData;
    if (arguments->tempData) {
        if (!tempData.isValid()) {
            errors << "cannot make a temporary data folder: " << tempData.errorString() << '\n';
            return driver::kBadArguments;
        }
        arguments->run.dataDir = tempData.path();
    }

    driver::DrivenGame game(arguments->run);
    if (scriptFile.isOpen()) {
        QTextStream script(&scriptFile);
        return driver::play(game.driver(), script, answers, errors, true, arguments->script);
    }
    QTextStream input(stdin);
    return driver::play(game.driver(), input, answers, errors, false, QStringLiteral("stdin"));
}
