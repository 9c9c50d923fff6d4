// The shipped theme library passes the same check `quenza --check-themes`
// gives players and teachers for their own libraries.
#include "platform/text_file.h"
#include "puzzle/theme_check.h"

#include <QString>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(ShippedThemeLibrary, ComesOutOfTheCheckClean) {
    const auto lines =
        quenza::platform::readLines(QStringLiteral(QUENZA_SOURCE_DATA_DIR "/temas.tem"));
    ASSERT_TRUE(lines.has_value());
    std::vector<quenza::Word> decoded;
    for (const QString& line : *lines) {
        decoded.push_back(line.toStdU32String());
    }
    const quenza::ThemeCheck check = quenza::checkThemeLibrary(decoded);
    std::string report;
    for (const quenza::ThemeProblem& problem : check.problems) {
        report += quenza::reportLine(problem) + "\n";
    }
    EXPECT_EQ(report, "");
    EXPECT_GE(check.themes, 100);
    EXPECT_EQ(check.playable, check.themes);
}

} // namespace
