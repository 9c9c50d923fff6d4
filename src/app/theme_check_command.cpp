#include "theme_check_command.h"

#include "platform/text_file.h"
#include "puzzle/theme_check.h"

#include <QDir>
#include <ostream>
#include <vector>

namespace quenza::app {

int checkThemesCommand(const QString& path, std::ostream& out, std::ostream& errors) {
    // The game's own reader, so a line in Windows-1252 or ended by CR LF is
    // checked exactly as a game would get it.
    const auto lines = platform::readLines(path);
    if (!lines) {
        errors << "quenza: no se puede leer el archivo de temas: "
               << QDir::toNativeSeparators(path).toStdString() << "\n";
        return kThemesUnreadable;
    }
    std::vector<Word> decoded;
    decoded.reserve(static_cast<size_t>(lines->size()));
    for (const QString& line : *lines) {
        decoded.push_back(line.toStdU32String());
    }
    const ThemeCheck check = checkThemeLibrary(decoded);
    for (const ThemeProblem& problem : check.problems) {
        out << reportLine(problem) << "\n";
    }
    out << reportSummary(check) << "\n";
    out.flush();
    return check.problems.empty() ? kThemesClean : kThemesWithProblems;
}

} // namespace quenza::app
