#include "puzzle/text.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string_view>

namespace quenza {
namespace {

TEST(UpperCase, SpanishLettersTakeTheirCapitalsEverythingElseStays) {
    // The division sign sits where a lower-case letter would be (0xF7 = 0xD7 + 0x20).
    const std::pair<Letter, Letter> cases[] = {
        {U'a', U'A'}, {U'z', U'Z'}, {U'á', U'Á'}, {U'é', U'É'}, {U'í', U'Í'}, {U'ó', U'Ó'},
        {U'ú', U'Ú'}, {U'ü', U'Ü'}, {U'ñ', U'Ñ'}, {U'ç', U'Ç'}, {U'A', U'A'}, {U'Ñ', U'Ñ'},
        {U'1', U'1'}, {U'-', U'-'}, {U'€', U'€'}, {U'×', U'×'}, {U'÷', U'÷'},
    };
    for (const auto& [lower, upper] : cases) {
        EXPECT_EQ(upperCase(lower), upper) << toUtf8(lower);
    }
    EXPECT_EQ(upperCase(Word(U"pingüino")), Word(U"PINGÜINO"));
}

TEST(Utf8, RoundTripsSpanishText) {
    const Word word = fromUtf8("Ñandú pingüino");
    EXPECT_EQ(word.size(), 14u);
    EXPECT_EQ(word[0], U'Ñ');
    EXPECT_EQ(toUtf8(word), "Ñandú pingüino");
}

TEST(Utf8, MalformedBytesAreReplacementCharactersNeverLetters) {
    EXPECT_EQ(fromUtf8("a\xFF"
                       "b"),
              Word(U"a\uFFFDb"));
    EXPECT_EQ(fromUtf8("ab\xC3"), Word(U"ab\uFFFD"));
    // "\xC0\xAC" would smuggle in a comma, the field separator of the theme file.
    const std::pair<std::string_view, Letter> smuggled[] = {
        {"\xC0\xAC", U','}, {"\xE0\x80\xAF", U'/'}, {"\xED\xA0\x80", 0xD800}};
    for (const auto& [bytes, letter] : smuggled) {
        const Word word = fromUtf8(bytes);
        EXPECT_EQ(word.find(letter), Word::npos);
        EXPECT_EQ(word[0], U'\uFFFD');
    }
}

TEST(Utf8, ValidityRejectsExactlyWhatDecodesAsReplacement) {
    // The first and last lead byte of each length: "¿" is C2 BF.
    for (const std::string_view valid :
         {"", "\xC2\xBFNi\xC3\xB1o?", "\xDF\xBF", "\xE0\xA0\x80", "\xE2\x82\xAC", "\xEF\xBB\xBF",
          "\xF0\x90\x80\x80", "\xF0\x9F\x98\x80", "\xF4\x8F\xBF\xBF"}) {
        EXPECT_TRUE(isValidUtf8(valid)) << valid;
        EXPECT_EQ(fromUtf8(valid).find(U'\uFFFD'), Word::npos) << valid;
    }
    for (const std::string_view invalid :
         {"Ni\xF1o", "ab\xC3", "\xC3\xC3\xB1", "\x80", "\xC0\xAC", "\xC1\xBF", "\xE0\x9F\xBF",
          "\xF0\x8F\xBF\xBF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF"}) {
        EXPECT_FALSE(isValidUtf8(invalid)) << invalid;
        EXPECT_NE(fromUtf8(invalid).find(U'\uFFFD'), Word::npos) << invalid;
    }
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartOrZero) {
    const std::pair<std::string_view, long> cases[] = {
        {"12", 12}, {"7,x", 7}, {"  42abc", 42}, {"-1", -1}, {"+8", 8},
        {"007", 7}, {"", 0},    {"x12", 0},      {"-", 0},   {",5", 0}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(leadingNumber(text), value) << '"' << text << '"';
    }
}

TEST(Saturate16, ClampsInsteadOfWrapping) {
    const std::pair<long, std::int16_t> cases[] = {
        {1234, 1234},       {-1234, -1234},      {32767, INT16_MAX}, {-32768, INT16_MIN},
        {32768, INT16_MAX}, {-32769, INT16_MIN}, {65536, INT16_MAX}, {2147483647L, INT16_MAX}};
    for (const auto& [value, saturated] : cases) {
        EXPECT_EQ(saturate16(value), saturated) << value;
    }
}

} // namespace
} // namespace quenza
