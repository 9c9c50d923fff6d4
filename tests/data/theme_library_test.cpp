// The shipped theme library: every line must be one the game reads as written,
// within the board's limits (ten word slots of ten letters).

#include "puzzle/text.h"
#include "puzzle/theme.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

using quenza::Word;

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The letters a theme may use: the ASCII ones and the Latin-1 ones (á, é, ñ,
// ü, ...), which the board knows how to upper-case.
bool isLetter(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') ||
           (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7);
}

struct Theme {
    Word title;
    std::vector<Word> words;
};

// What keeps a line (without its CR LF) from being one the data's own format
// writes: its number, then double-quoted fields separated by single commas (the
// title, the word count and the words), all within the board's limits. Empty
// when nothing does; `theme` then holds the line's title and words.
std::string problemWith(const std::string& line, int number, Theme& theme) {
    const std::string head = std::to_string(number) + ",\"";
    if (!line.starts_with(head) || !line.ends_with('"') ||
        quenza::fromUtf8(line).find_first_of(U"\r\n\uFFFD") != Word::npos) {
        return "not UTF-8 text starting with its number and a quote, ending with a quote";
    }
    const Word inner = quenza::fromUtf8(line.substr(head.size(), line.size() - head.size() - 1));
    std::vector<Word> fields;
    for (std::size_t start = 0, end = 0; end != Word::npos; start = end + 3) {
        end = inner.find(U"\",\"", start);
        fields.push_back(inner.substr(start, end - start));
    }
    if (std::any_of(fields.begin(), fields.end(),
                    [](const Word& field) { return field.find_first_of(U"\",") != Word::npos; })) {
        return "a quote or a comma out of place";
    }
    if (fields.size() < 8 || fields.size() > 12 ||
        quenza::toUtf8(fields[1]) != std::to_string(fields.size() - 2)) {
        return "the word count is not the number of words, 6 to 10";
    }
    theme = {fields[0], {fields.begin() + 2, fields.end()}};
    if (theme.title.empty() || theme.title.size() > 30 || !isLetter(theme.title.front())) {
        return "the title is not 1 to 30 characters starting with a letter";
    }
    std::set<Word> seen;
    for (const Word& word : theme.words) {
        if (word.size() < 3 || word.size() > 10 ||
            !std::all_of(word.begin(), word.end(), isLetter) ||
            !seen.insert(quenza::upperCase(word)).second) {
            return '"' + quenza::toUtf8(word) + "\" is not 3 to 10 letters, or repeats a word";
        }
    }
    return {};
}

// The checker itself must catch the faults it is there for.
TEST(ThemeLineChecker, RejectsMalformedLines) {
    Theme theme;
    // Letters are counted, not bytes: "pingüinito" is 12 bytes but 10 letters.
    EXPECT_EQ(
        problemWith(R"(3,"aves","6","cigüeña","pingüinito","búho","loro","pato","oca")", 3, theme),
        "");
    for (const char* line : {
             R"(4,"aves","6","águila","búho","cigüeña","loro","pato","oca")",
             R"(3,"aves","7","águila","búho","cigüeña","loro","pato","oca")",
             R"(3,"aves","5","águila","búho","loro","pato","oca")",
             R"(3,"aves","6","águila","búho","cigüeña","loro","pato","oca",)",
             R"(3,"aves","6","águila","búho","cigüeña","loro","pato",oca)",
             R"(3,"aves","6","águila", "búho","cigüeña","loro","pato","oca")",
             R"(3,"aves","6","águila","búho","cigüeña","loro","pa,to","oca")",
             R"(3,"aves","6","águila","búho","cigüeña","loro","pato","ñu")",
             R"(3,"aves","6","águila","búho","golondrinas","loro","pato","oca")",
             R"(3,"aves","6","águila","búho","pico-pato","loro","pato","oca")",
             R"(3,"aves","6","águila","búho","Loro","loro","pato","oca")",
             "3,\"av\xe9s\",\"6\",\"aguila\",\"buho\",\"loro\",\"pato\",\"oca\",\"pavo\"",
         }) {
        EXPECT_NE(problemWith(line, 3, theme), "") << line;
    }
}

TEST(ShippedThemeLibrary, EveryLineIsOneTheGameReadsAsWritten) {
    const std::string bytes = readBytes(std::string(QUENZA_SOURCE_DATA_DIR) + "/temas.tem");
    ASSERT_TRUE(bytes.ends_with("\r\n")) << "missing, or its last line does not end with CR LF";
    std::vector<std::string> lines;
    for (std::size_t start = 0, end = 0; (end = bytes.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    EXPECT_GE(lines.size(), 100u);

    std::set<Word> titles;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1) + ": " + lines[i]);
        Theme theme;
        const std::string problem = problemWith(lines[i], static_cast<int>(i) + 1, theme);
        if (!problem.empty()) {
            ADD_FAILURE() << problem;
            continue;
        }
        EXPECT_TRUE(titles.insert(theme.title).second) << "the title is used twice";
        const quenza::ThemeLine parsed = quenza::parseThemeLine(quenza::fromUtf8(lines[i]));
        Word shownTitle = theme.title;
        shownTitle[0] = quenza::upperCase(shownTitle[0]);
        EXPECT_TRUE(parsed.title == shownTitle && parsed.words == theme.words &&
                    parsed.count == static_cast<int>(theme.words.size()))
            << "the game reads it otherwise";
    }
    EXPECT_TRUE(readBytes(std::string(QUENZA_BUILD_DATA_DIR) + "/temas.tem") == bytes)
        << "the copy beside the executables is not current";
}

} // namespace
