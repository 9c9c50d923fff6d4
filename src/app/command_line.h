#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace quenza::app {

// A command line the game does not understand.
inline constexpr int kUsageError = 2;

// Runs --help, --version, --check-themes and --worksheet, which print (or
// write) and end the program. Called before any application object exists,
// so they need no display.
// Returns the exit status when one of them ran, nothing when a game is to start.
std::optional<int> runPrintingCommand(int argc, char* argv[]);

struct GameOptions {
    QString themesFile; // absolute; empty for the shipped temas.tem
    int zoomPercent = 100;
};

// The options of a game, read once QApplication has taken out Qt's own
// (-platform, -style, ...). Nothing, after telling why, when the command line
// is wrong.
std::optional<GameOptions> readGameOptions(const QStringList& arguments);

} // namespace quenza::app
