#pragma once

#include <QString>
#include <iosfwd>

namespace quenza::app {

// Exit statuses of a theme-library check.
inline constexpr int kThemesClean = 0;
inline constexpr int kThemesWithProblems = 1;
inline constexpr int kThemesUnreadable = 2;

// Reads the theme library at `path` as the game reads it and prints the check
// to `out`: one line per problem, then the summary. A file that cannot be read
// is told on `errors`.
int checkThemesCommand(const QString& path, std::ostream& out, std::ostream& errors);

} // namespace quenza::app
