// The shipped theme library: every line must be one the game reads as written,
// within the board's limits (ten word slots of ten letters).

#include "puzzle/text.h"
#include "puzzle/theme.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using quenza::Word;

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Strict UTF-8: no overlong forms, surrogates or truncated sequences.
std::optional<Word> decodeUtf8(std::string_view bytes) {
    Word out;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int extra = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            code = lead & 0x07;
        } else {
            return std::nullopt;
        }
        if (i + static_cast<std::size_t>(extra) >= bytes.size()) {
            return std::nullopt;
        }
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            code = (code << 6) | (next & 0x3F);
        }
        constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return std::nullopt;
        }
        out.push_back(code);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

// The letters a theme may use: the ASCII ones and the Latin-1 ones (á, é, ñ,
// ü, ...), which the board knows how to upper-case.
bool isLetter(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') ||
           (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7);
}

struct ThemeFields {
    Word title;
    int count = 0;
    std::vector<Word> words;
};

// Reads one line (without its CR LF) as the data's own format demands: the
// line number, a comma, then double-quoted fields separated by single commas.
// Returns the reason when the line is not in that format.
std::optional<ThemeFields> readThemeLine(const Word& line, int lineNumber, std::string& error) {
    const std::size_t firstComma = line.find(U',');
    if (firstComma == Word::npos ||
        quenza::toUtf8(line.substr(0, firstComma)) != std::to_string(lineNumber)) {
        error = "the line does not start with its number " + std::to_string(lineNumber);
        return std::nullopt;
    }
    std::vector<Word> fields;
    std::size_t pos = firstComma + 1;
    while (true) {
        if (pos >= line.size() || line[pos] != U'"') {
            error = "field " + std::to_string(fields.size() + 2) + " does not open with a quote";
            return std::nullopt;
        }
        const std::size_t close = line.find(U'"', pos + 1);
        if (close == Word::npos) {
            error = "field " + std::to_string(fields.size() + 2) + " is not closed";
            return std::nullopt;
        }
        fields.push_back(line.substr(pos + 1, close - pos - 1));
        if (fields.back().find(U',') != Word::npos) {
            error = "a comma inside field " + std::to_string(fields.size() + 1);
            return std::nullopt;
        }
        if (close + 1 == line.size()) {
            break;
        }
        if (line[close + 1] != U',' || close + 2 == line.size()) {
            error = "junk or a trailing comma after field " + std::to_string(fields.size() + 1);
            return std::nullopt;
        }
        pos = close + 2;
    }
    if (fields.size() < 2) {
        error = "no word count";
        return std::nullopt;
    }
    const std::string countText = quenza::toUtf8(fields[1]);
    if (countText.empty() || countText.size() > 2 ||
        countText.find_first_not_of("0123456789") != std::string::npos) {
        error = "the word count \"" + countText + "\" is not a number";
        return std::nullopt;
    }
    return ThemeFields{fields[0], std::stoi(countText), {fields.begin() + 2, fields.end()}};
}

// What is wrong with a theme's content, or an empty string.
std::string checkLimits(const ThemeFields& theme) {
    if (theme.title.empty() || theme.title.size() > 30 || !isLetter(theme.title.front())) {
        return "the title must be 1 to 30 characters and start with a letter";
    }
    if (theme.count != static_cast<int>(theme.words.size())) {
        return "declares " + std::to_string(theme.count) + " words but has " +
               std::to_string(theme.words.size());
    }
    if (theme.count < 6 || theme.count > 10) {
        return "has " + std::to_string(theme.count) + " words, not 6 to 10";
    }
    std::set<Word> seen;
    for (const Word& word : theme.words) {
        const std::string shown = "\"" + quenza::toUtf8(word) + "\"";
        if (word.size() < 3 || word.size() > 10) {
            return shown + " is not 3 to 10 letters long";
        }
        for (const char32_t c : word) {
            if (!isLetter(c)) {
                return shown + " has a character that is not a letter";
            }
        }
        if (!seen.insert(quenza::upperCase(word)).second) {
            return shown + " appears twice";
        }
    }
    return {};
}

// The checker itself must catch the faults it is there for.
TEST(ThemeLineChecker, RejectsMalformedLines) {
    auto problem = [](std::string_view utf8, int number) {
        std::string error;
        const auto theme = readThemeLine(quenza::fromUtf8(utf8), number, error);
        return theme ? checkLimits(*theme) : error;
    };
    EXPECT_EQ(problem(R"(3,"aves","6","águila","búho","cigüeña","loro","pato","oca")", 3), "");
    EXPECT_NE(problem(R"(4,"aves","6","águila","búho","cigüeña","loro","pato","oca")", 3), "");
    EXPECT_NE(problem(R"(3,"aves","7","águila","búho","cigüeña","loro","pato","oca")", 3), "");
    EXPECT_NE(problem(R"(3,"aves","6","águila","búho","cigüeña","loro","pato","oca",)", 3), "");
    EXPECT_NE(problem(R"(3,"aves","6","águila","búho","cigüeña","loro","pato",oca)", 3), "");
    EXPECT_NE(problem(R"(3,"aves","6","águila", "búho","cigüeña","loro","pato","oca")", 3), "");
    EXPECT_NE(problem(R"(3,"aves","6","águila","búho","cigüeña","loro","pato","ñu")", 3), "");
    EXPECT_NE(problem(R"(3,"aves","6","águila","búho","golondrinas","loro","pato","oca")", 3), "");
    EXPECT_NE(problem(R"(3,"aves","6","águila","búho","pico-pato","loro","pato","oca")", 3), "");
    EXPECT_NE(problem(R"(3,"aves","6","águila","búho","Loro","loro","pato","oca")", 3), "");
    EXPECT_NE(problem(R"(3,"aves","5","águila","búho","loro","pato","oca")", 3), "");
}

TEST(ThemeLineChecker, CountsCharactersNotBytes) {
    // "cigüeña" is 9 bytes but 7 letters; "pingüinito" is 12 bytes, 10 letters.
    std::string error;
    const auto theme = readThemeLine(
        quenza::fromUtf8(R"(1,"aves","6","cigüeña","pingüinito","búho","loro","pato","oca")"), 1,
        error);
    ASSERT_TRUE(theme) << error;
    EXPECT_EQ(checkLimits(*theme), "");
}

std::vector<std::string> utf8(const std::vector<Word>& words) {
    std::vector<std::string> out;
    for (const Word& word : words) {
        out.push_back(quenza::toUtf8(word));
    }
    return out;
}

class ShippedThemeLibrary : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        bytes_ = readBytes(std::string(QUENZA_SOURCE_DATA_DIR) + "/temas.tem");
        std::size_t start = 0;
        while (start < bytes_.size()) {
            const std::size_t end = bytes_.find("\r\n", start);
            if (end == std::string::npos) {
                lines_.push_back(bytes_.substr(start));
                break;
            }
            lines_.push_back(bytes_.substr(start, end - start));
            start = end + 2;
        }
    }

    static inline std::string bytes_;
    static inline std::vector<std::string> lines_; // without their CR LF
};

TEST_F(ShippedThemeLibrary, HasAtLeastAHundredLinesEndedByCrLf) {
    ASSERT_FALSE(bytes_.empty()) << "cannot read " << QUENZA_SOURCE_DATA_DIR << "/temas.tem";
    EXPECT_TRUE(bytes_.ends_with("\r\n")) << "the last line must end with CR LF too";
    EXPECT_GE(lines_.size(), 100u);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        EXPECT_EQ(lines_[i].find_first_of("\r\n"), std::string::npos)
            << "line " << i + 1 << " has a bare CR or LF";
        EXPECT_FALSE(lines_[i].empty()) << "line " << i + 1 << " is empty";
    }
}

TEST_F(ShippedThemeLibrary, EveryLineIsInFormatAndWithinLimits) {
    std::set<Word> titles;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        SCOPED_TRACE("line " + std::to_string(number) + ": " + lines_[i]);
        const auto decoded = decodeUtf8(lines_[i]);
        if (!decoded) {
            ADD_FAILURE() << "not valid UTF-8";
            continue;
        }
        std::string error;
        const auto theme = readThemeLine(*decoded, number, error);
        if (!theme) {
            ADD_FAILURE() << error;
            continue;
        }
        EXPECT_EQ(checkLimits(*theme), "");
        EXPECT_TRUE(titles.insert(theme->title).second) << "the title is used twice";
    }
}

TEST_F(ShippedThemeLibrary, TheGameReadsEveryLineAsWritten) {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        SCOPED_TRACE("line " + std::to_string(number) + ": " + lines_[i]);
        std::string error;
        const auto theme = readThemeLine(quenza::fromUtf8(lines_[i]), number, error);
        if (!theme) {
            continue; // reported by the format check
        }

        const quenza::ThemeLine parsed = quenza::parseThemeLine(quenza::fromUtf8(lines_[i]));
        EXPECT_EQ(parsed.count, theme->count);
        EXPECT_EQ(utf8(parsed.words), utf8(theme->words));
        Word shownTitle = theme->title;
        shownTitle[0] = quenza::upperCase(shownTitle[0]);
        EXPECT_EQ(quenza::toUtf8(parsed.title), quenza::toUtf8(shownTitle));
    }
}

TEST_F(ShippedThemeLibrary, TheCopyBesideTheExecutablesIsCurrent) {
    EXPECT_TRUE(readBytes(std::string(QUENZA_BUILD_DATA_DIR) + "/temas.tem") == bytes_)
        << QUENZA_BUILD_DATA_DIR << "/temas.tem differs from the source";
}

} // namespace
