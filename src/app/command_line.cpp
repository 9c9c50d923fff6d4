#include "command_line.h"

#include "puzzle/worksheet.h"
#include "puzzle/zoom_steps.h"
#include "shell/version.h"
#include "theme_check_command.h"
#include "worksheet_command.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <array>
#include <iostream>
#include <vector>

namespace quenza::app {

namespace {

const QString kFileValue = QStringLiteral("ARCHIVO");
const QString kPercentValue = QStringLiteral("PORCENTAJE");
const QString kNumberValue = QStringLiteral("N");

std::optional<int> parseCount(const QString& text) {
    bool ok = false;
    const int count = text.toInt(&ok);
    return ok && count >= 1 && count <= kMostWorksheetSheets ? std::optional(count) : std::nullopt;
}

std::optional<std::uint64_t> parseSeed(const QString& text) {
    bool ok = false;
    const std::uint64_t seed = text.toULongLong(&ok);
    return ok && !text.startsWith(u'+') ? std::optional(seed) : std::nullopt;
}

std::optional<int> parseThemeLine(const QString& text) {
    bool ok = false;
    const int line = text.toInt(&ok);
    return ok && line >= 1 ? std::optional(line) : std::nullopt;
}

std::optional<worksheet::Paper> parsePaper(const QString& text) {
    if (text.compare(u"a4", Qt::CaseInsensitive) == 0) {
        return worksheet::Paper::A4;
    }
    if (text.compare(u"letter", Qt::CaseInsensitive) == 0) {
        return worksheet::Paper::Letter;
    }
    return std::nullopt;
}

// Every option of the game, and the parser that knows them.
struct CommandLine {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Muestra esta ayuda y termina.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Muestra la versión del juego y termina.")};
    QCommandLineOption themes{QStringLiteral("themes"),
                              QStringLiteral("Juega con los temas de ARCHIVO en lugar de los de\n"
                                             "temas.tem; con --worksheet, hace las sopas con\n"
                                             "ellos."),
                              kFileValue};
    QCommandLineOption checkThemes{
        QStringLiteral("check-themes"),
        QStringLiteral("Revisa los temas de ARCHIVO tal como los lee el juego\n"
                       "y termina: una línea por problema y un resumen. Sale\n"
                       "con 0 si no hay ningún problema, 1 si hay alguno y 2\n"
                       "si no puede leer el archivo."),
        kFileValue};
    QCommandLineOption zoom{QStringLiteral("zoom"),
                            QStringLiteral("Empieza con las ventanas a este tamaño: 100, 125,\n"
                                           "150, 200, 250 o 300 por ciento. Durante la partida,\n"
                                           "Ctrl+Más, Ctrl+Menos y Ctrl+0."),
                            kPercentValue};
    QCommandLineOption worksheet{
        QStringLiteral("worksheet"),
        QStringLiteral("Hace un PDF de sopas de letras para imprimir, con\n"
                       "sus soluciones al final, y termina. Sale con 0 si\n"
                       "lo escribe, 1 si no puede y 2 si la orden está mal."),
        kFileValue};
    QCommandLineOption count{QStringLiteral("count"),
                             QStringLiteral("Cuántas sopas lleva el PDF: de 1 a 200, cada una\n"
                                            "de un tema distinto. Si no se dice, 1."),
                             kNumberValue};
    QCommandLineOption seed{QStringLiteral("seed"),
                            QStringLiteral("La misma semilla con los mismos temas da las mismas\n"
                                           "sopas. Si no se dice, se sortea; va impresa al pie\n"
                                           "de cada hoja."),
                            kNumberValue};
    QCommandLineOption theme{QStringLiteral("theme"),
                             QStringLiteral("Todas las sopas del tema de la línea N del archivo\n"
                                            "de temas, cada una distinta."),
                             kNumberValue};
    QCommandLineOption noKey{QStringLiteral("no-key"), QStringLiteral("Sin las soluciones.")};
    QCommandLineOption paper{QStringLiteral("paper"),
                             QStringLiteral("El tamaño del papel: a4 (si no se dice) o letter."),
                             QStringLiteral("PAPEL")};
    QCommandLineParser parser;
    QString program = QStringLiteral("quenza");
    bool parsed = false;

    explicit CommandLine(const QStringList& arguments) {
        for (const QCommandLineOption* option : all()) {
            parser.addOption(*option);
        }
        if (!arguments.isEmpty()) {
            program = QFileInfo(arguments.first()).fileName();
        }
        parsed = parser.parse(arguments);
    }

    std::vector<const QCommandLineOption*> all() const {
        return {&help,  &version, &themes, &checkThemes, &zoom, &worksheet,
                &count, &seed,    &theme,  &noKey,       &paper};
    }

    // Options that only shape a worksheet.
    std::vector<const QCommandLineOption*> worksheetOnly() const {
        return {&count, &seed, &theme, &noKey, &paper};
    }

    bool worksheetAsked() const {
        const auto worksheetOptions = worksheetOnly();
        return parser.isSet(worksheet) ||
               std::any_of(
                   worksheetOptions.begin(), worksheetOptions.end(),
                   [this](const QCommandLineOption* option) { return parser.isSet(*option); });
    }

    // What is wrong with the worksheet options, or nothing.
    std::optional<QString> worksheetProblem() const {
        if (!parser.isSet(worksheet)) {
            for (const QCommandLineOption* option : worksheetOnly()) {
                if (parser.isSet(*option)) {
                    return QStringLiteral("--%1 solo vale con --worksheet")
                        .arg(option->names().last());
                }
            }
            return std::nullopt;
        }
        if (parser.isSet(checkThemes)) {
            return QStringLiteral("--worksheet y --check-themes no van juntas");
        }
        if (parser.isSet(count) && !parseCount(parser.value(count))) {
            return QStringLiteral("--count admite de 1 a %1 sopas, no «%2»")
                .arg(kMostWorksheetSheets)
                .arg(parser.value(count));
        }
        if (parser.isSet(seed) && !parseSeed(parser.value(seed))) {
            return QStringLiteral("--seed admite un número entero desde 0, no «%1»")
                .arg(parser.value(seed));
        }
        if (parser.isSet(theme) && !parseThemeLine(parser.value(theme))) {
            return QStringLiteral("--theme admite el número de una línea del archivo de temas, "
                                  "no «%1»")
                .arg(parser.value(theme));
        }
        if (parser.isSet(paper) && !parsePaper(parser.value(paper))) {
            return QStringLiteral("--paper admite a4 o letter, no «%1»").arg(parser.value(paper));
        }
        return std::nullopt;
    }

    WorksheetOptions worksheetOptions() const {
        WorksheetOptions options;
        options.output = parser.value(worksheet);
        if (parser.isSet(themes)) {
            options.themesFile = QFileInfo(parser.value(themes)).absoluteFilePath();
        }
        options.count = parseCount(parser.value(count)).value_or(1);
        options.seed = parseSeed(parser.value(seed));
        options.themeLine = parseThemeLine(parser.value(theme)).value_or(0);
        options.withKeys = !parser.isSet(noKey);
        options.paper = parsePaper(parser.value(paper)).value_or(worksheet::Paper::A4);
        return options;
    }

    bool wrongZoom() const {
        return parser.isSet(zoom) && !parseZoom(parser.value(zoom).toStdString());
    }

    bool wrong() const {
        return !parsed || !parser.positionalArguments().isEmpty() || wrongZoom() ||
               worksheetProblem();
    }

    // What is wrong, in the game's words (the parser's own are in English).
    QString whatIsWrong() const {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString name = unknown.first();
            return QStringLiteral("opción desconocida: %1%2")
                .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
        }
        for (const QCommandLineOption* option : {&themes, &checkThemes, &worksheet}) {
            if (parser.isSet(*option) && parser.value(*option).isEmpty()) {
                return QStringLiteral("falta el %1 tras --%2")
                    .arg(kFileValue, option->names().last());
            }
        }
        if (const auto problem = worksheetProblem()) {
            return *problem;
        }
        if (wrongZoom()) {
            return QStringLiteral("--zoom admite 100, 125, 150, 200, 250 o 300, no «%1»")
                .arg(parser.value(zoom));
        }
        return QStringLiteral("argumento de más: %1").arg(parser.positionalArguments().value(0));
    }

    int tellWhatIsWrong() const {
        std::cerr << QStringLiteral("%1: %2\nPruebe «%1 --help».\n")
                         .arg(program, whatIsWrong())
                         .toStdString();
        return kUsageError;
    }

    QString helpText() const {
        constexpr qsizetype kDescriptionColumn = 27;
        QString text = QStringLiteral("Uso: %1 [opciones]\n\n"
                                      "Quenza, sopa de letras. Sin opciones, empieza el juego.\n\n"
                                      "Opciones:\n")
                           .arg(program);
        for (const QCommandLineOption* option : all()) {
            QStringList names;
            for (const QString& name : option->names()) {
                names.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) +
                             name);
            }
            QString head = QStringLiteral("  ") + names.join(QStringLiteral(", "));
            if (!option->valueName().isEmpty()) {
                head += QStringLiteral(" <%1>").arg(option->valueName());
            }
            const QString indent(kDescriptionColumn, QLatin1Char(' '));
            QString description = option->description();
            description.replace(QLatin1Char('\n'), QLatin1Char('\n') + indent);
            text += head.leftJustified(kDescriptionColumn - 1) + QLatin1Char(' ') + description +
                    QLatin1Char('\n');
        }
        return text;
    }
};

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

// A worksheet needs fonts, so an application object, but never a display.
int runWorksheet(const WorksheetOptions& options, char* program) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char* argv[] = {program, nullptr};
    const QGuiApplication app(argc, argv);
    return worksheetCommand(options, std::cout, std::cerr);
}

} // namespace

std::variant<int, GameOptions> readCommandLine(int argc, char* argv[]) {
    const CommandLine line(withoutQtOptions(argumentsOf(argc, argv)));
    const QCommandLineParser& parser = line.parser;
    if (line.wrong()) {
        return line.tellWhatIsWrong();
    }
    if (parser.isSet(line.help)) {
        std::cout << line.helpText().toStdString();
        return 0;
    }
    if (parser.isSet(line.version)) {
        std::cout << "Quenza " << kVersionMajor << '.' << kVersionMinor << '.' << kVersionRevision
                  << "\n";
        return 0;
    }
    if (parser.isSet(line.worksheet)) {
        return runWorksheet(line.worksheetOptions(), argv[0]);
    }
    if (parser.isSet(line.checkThemes)) {
        return checkThemesCommand(parser.value(line.checkThemes), std::cout, std::cerr);
    }
    GameOptions options;
    if (parser.isSet(line.themes)) {
        // A missing file is the game's to report, as it reports a missing temas.tem.
        options.themesFile = QFileInfo(parser.value(line.themes)).absoluteFilePath();
    }
    if (parser.isSet(line.zoom)) {
        options.zoomPercent = *parseZoom(parser.value(line.zoom).toStdString());
    }
    return options;
}

QStringList withoutQtOptions(const QStringList& arguments) {
    // The options QApplication takes out of the command line, written with one
    // dash or two, and whether each takes the next argument as its value.
    struct QtOption {
        QLatin1StringView name;
        bool takesValue;
    };
    static constexpr std::array<QtOption, 21> kQtOptions{{
        {QLatin1StringView("platform"), true},
        {QLatin1StringView("platformpluginpath"), true},
        {QLatin1StringView("platformtheme"), true},
        {QLatin1StringView("plugin"), true},
        {QLatin1StringView("qwindowgeometry"), true},
        {QLatin1StringView("qwindowtitle"), true},
        {QLatin1StringView("qwindowicon"), true},
        {QLatin1StringView("geometry"), true},
        {QLatin1StringView("title"), true},
        {QLatin1StringView("icon"), true},
        {QLatin1StringView("display"), true},
        {QLatin1StringView("name"), true},
        {QLatin1StringView("visual"), true},
        {QLatin1StringView("session"), true},
        {QLatin1StringView("style"), true},
        {QLatin1StringView("stylesheet"), true},
        {QLatin1StringView("reverse"), false},
        {QLatin1StringView("widgetcount"), false},
        {QLatin1StringView("testability"), false},
        {QLatin1StringView("nograb"), false},
        {QLatin1StringView("dograb"), false},
    }};
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        QStringView name(argument);
        if (i == 0 || !name.startsWith(u'-')) {
            kept.append(argument);
            continue;
        }
        name = name.mid(name.startsWith(u"--") ? 2 : 1);
        if (name.startsWith(u"qmljsdebugger=") || name.startsWith(u"style=") ||
            name.startsWith(u"stylesheet=")) {
            continue;
        }
        const auto* known = std::find_if(kQtOptions.begin(), kQtOptions.end(),
                                         [name](const QtOption& qt) { return name == qt.name; });
        if (known == kQtOptions.end()) {
            kept.append(argument);
        } else if (known->takesValue) {
            ++i;
        }
    }
    return kept;
}

} // namespace quenza::app
