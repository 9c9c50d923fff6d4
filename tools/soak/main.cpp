// quenza-soak: thousands of games in one process through the real windows,
// offscreen and under the driver's virtual clock, with the resident memory
// reported along the way. A measurement, not a test: scripts/soak.sh runs it.
#include "driver/driven_game.h"
#include "platform/system.h"
#include "resident_memory.h"
#include "soak_player.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

using namespace quenza;

namespace {

enum Status { kWithinGoal = 0, kGameFault = 1, kBadArguments = 2, kGrewTooMuch = 3 };

struct Plan {
    int games = 2000;
    int levels = 300;
    int levelsPerGame = 50;
    int reportAfter = 100;
    long growthGoalKb = 2048;
};

long memoryNow() {
    return soak::residentKilobytes().value_or(-1);
}

int objectsUnder(const QObject* object) {
    int count = 1;
    for (const QObject* child : object->children()) {
        count += objectsUnder(child);
    }
    return count;
}

// The objects alive tell a window or timer left behind from memory that
// merely grew.
int objectsAlive() {
    int count = objectsUnder(QCoreApplication::instance());
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->parent() == nullptr) {
            count += objectsUnder(window);
        }
    }
    return count;
}

void report(const char* when, int count, long kilobytes) {
    std::printf("%s %d: VmRSS %ld kB, %lld widgets, %d objects\n", when, count, kilobytes,
                static_cast<long long>(QApplication::allWidgets().size()), objectsAlive());
    std::fflush(stdout);
}

int fault(const char* during, int count, const QString& what) {
    std::fprintf(stderr, "%s %d failed: %s\n", during, count, qPrintable(what));
    return kGameFault;
}

int soakRun(soak::SoakPlayer& player, const Plan& plan) {
    if (const QString failed = player.startProgram(); !failed.isEmpty()) {
        return fault("start", 0, failed);
    }
    long early = memoryNow();
    for (int game = 1; game <= plan.games; ++game) {
        if (const QString failed = player.playTraditionalGame(game); !failed.isEmpty()) {
            return fault("traditional game", game, failed);
        }
        if (game == plan.reportAfter) {
            early = memoryNow();
            report("after traditional game", game, early);
        } else if (game % 500 == 0) {
            report("after traditional game", game, memoryNow());
        }
    }
    for (int level = 1; level <= plan.levels; ++level) {
        // Each evolution game runs its share of levels, then is lost on time.
        if ((level - 1) % plan.levelsPerGame == 0) {
            if (const QString failed = player.startEvolutionGame(); !failed.isEmpty()) {
                return fault("evolution game from level", level, failed);
            }
        }
        if (const QString failed = player.playEvolutionLevel(level); !failed.isEmpty()) {
            return fault("evolution level", level, failed);
        }
        if (level % plan.levelsPerGame == 0 || level == plan.levels) {
            if (const QString failed = player.loseEvolutionGame(); !failed.isEmpty()) {
                return fault("game over after level", level, failed);
            }
            report("after evolution level", level, memoryNow());
        }
    }
    const long last = memoryNow();
    const long growth = last - early;
    std::printf("VmRSS after game %d: %ld kB\nVmRSS after the last game: %ld kB\n"
                "growth: %ld kB (goal: under %ld kB)\n",
                plan.reportAfter, early, last, growth, plan.growthGoalKb);
    return growth < plan.growthGoalKb ? kWithinGoal : kGrewTooMuch;
}

bool readNumber(const QCommandLineParser& parser, const QCommandLineOption& option, int* into) {
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    if (!ok || value < 0) {
        std::fprintf(stderr, "--%s needs a whole number\n", qPrintable(option.names().first()));
        return false;
    }
    *into = value;
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    driver::DrivenApplication app(argc, argv);

    Plan plan;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Plays traditional games, then evolution levels, in one process, and reports the "
        "resident memory after the first games and after the last. Exit status: 0 within the "
        "growth goal, 1 when a game went wrong, 2 for bad arguments, 3 when memory grew more."));
    const QCommandLineOption games(QStringLiteral("games"), QStringLiteral("Traditional games."),
                                   QStringLiteral("N"), QString::number(plan.games));
    const QCommandLineOption levels(QStringLiteral("levels"), QStringLiteral("Evolution levels."),
                                    QStringLiteral("N"), QString::number(plan.levels));
    const QCommandLineOption perGame(QStringLiteral("levels-per-game"),
                                     QStringLiteral("Levels of each evolution game before its "
                                                    "time is let run out."),
                                     QStringLiteral("N"), QString::number(plan.levelsPerGame));
    const QCommandLineOption after(QStringLiteral("report-after"),
                                   QStringLiteral("The game whose memory growth is measured from."),
                                   QStringLiteral("N"), QString::number(plan.reportAfter));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Seed of the game."),
                                  QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption programDir(QStringLiteral("program-dir"),
                                        QStringLiteral("Folder holding temas.tem and fx/."),
                                        QStringLiteral("DIR"));
    parser.addOptions({games, levels, perGame, after, seed, programDir});
    parser.addHelpOption();
    parser.process(app);
    int seedValue = 1;
    if (!readNumber(parser, games, &plan.games) || !readNumber(parser, levels, &plan.levels) ||
        !readNumber(parser, perGame, &plan.levelsPerGame) ||
        !readNumber(parser, after, &plan.reportAfter) || !readNumber(parser, seed, &seedValue) ||
        plan.levelsPerGame == 0) {
        return kBadArguments;
    }

    QTemporaryDir data;
    if (!data.isValid()) {
        std::fprintf(stderr, "cannot make a data folder: %s\n", qPrintable(data.errorString()));
        return kBadArguments;
    }
    driver::RunOptions options;
    options.programDir =
        parser.isSet(programDir) ? parser.value(programDir) : platform::folders().program;
    options.dataDir = data.path();
    options.seed = std::uint64_t(seedValue);

    driver::DrivenGame game(options);
    soak::SoakPlayer soaker(game.driver());
    return soakRun(soaker, plan);
}
