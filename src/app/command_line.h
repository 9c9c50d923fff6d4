#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace quenza::app {

// A command line the game does not understand.
inline constexpr int kUsageError = 2;

struct GameOptions {
    QString themesFile;             // absolute; empty for the shipped temas.tem
    std::optional<int> zoomPercent; // none unless --zoom was given
};

// Reads the command line before any window system is touched, so that it
// needs no display: --help, --version, --check-themes and --worksheet print
// (or write) and end the program, and a command line the game does not
// understand is told in Spanish. Returns their exit status, or the options of a game to start. Qt's
// own options (-platform, -style, ...) are left for QApplication.
std::variant<int, GameOptions> readCommandLine(int argc, char* argv[]);

// The arguments without Qt's own options and their values.
QStringList withoutQtOptions(const QStringList& arguments);

} // namespace quenza::app
