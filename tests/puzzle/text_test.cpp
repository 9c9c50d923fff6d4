#include "puzzle/text.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace quenza {
namespace {

TEST(UpperCase, SpanishLettersTakeTheirCapitals) {
    EXPECT_EQ(upperCase(U'a'), U'A');
    EXPECT_EQ(upperCase(U'z'), U'Z');
    EXPECT_EQ(upperCase(U'á'), U'Á');
    EXPECT_EQ(upperCase(U'é'), U'É');
    EXPECT_EQ(upperCase(U'í'), U'Í');
    EXPECT_EQ(upperCase(U'ó'), U'Ó');
    EXPECT_EQ(upperCase(U'ú'), U'Ú');
    EXPECT_EQ(upperCase(U'ü'), U'Ü');
    EXPECT_EQ(upperCase(U'ñ'), U'Ñ');
    EXPECT_EQ(upperCase(U'ç'), U'Ç');
}

TEST(UpperCase, CapitalsAndNonLettersStayAsTheyAre) {
    EXPECT_EQ(upperCase(U'A'), U'A');
    EXPECT_EQ(upperCase(U'Ñ'), U'Ñ');
    EXPECT_EQ(upperCase(U'Á'), U'Á');
    EXPECT_EQ(upperCase(U'1'), U'1');
    EXPECT_EQ(upperCase(U'-'), U'-');
    EXPECT_EQ(upperCase(U' '), U' ');
    // The division sign sits where a lower-case letter would be (0xF7 = 0xD7 + 0x20).
    EXPECT_EQ(upperCase(U'÷'), U'÷');
    EXPECT_EQ(upperCase(U'×'), U'×');
    EXPECT_EQ(upperCase(U'€'), U'€');
}

TEST(UpperCase, WholeWords) {
    EXPECT_EQ(upperCase(Word(U"niño")), Word(U"NIÑO"));
    EXPECT_EQ(upperCase(Word(U"pingüino")), Word(U"PINGÜINO"));
    EXPECT_EQ(upperCase(Word(U"Camión")), Word(U"CAMIÓN"));
    EXPECT_EQ(upperCase(Word()), Word());
}

TEST(Utf8, RoundTripsSpanishText) {
    const Word word = fromUtf8("Ñandú pingüino");
    ASSERT_EQ(word.size(), 14u);
    EXPECT_EQ(word[0], U'Ñ');
    EXPECT_EQ(word[4], U'ú');
    EXPECT_EQ(toUtf8(word), "Ñandú pingüino");
    EXPECT_EQ(toUtf8(U'ñ'), "ñ");
    EXPECT_EQ(toUtf8(U'A'), "A");
}

TEST(Utf8, InvalidBytesDecodeAsReplacementCharacters) {
    const Word word = fromUtf8("a\xFF"
                               "b");
    ASSERT_EQ(word.size(), 3u);
    EXPECT_EQ(word[0], U'a');
    EXPECT_EQ(word[1], U'\uFFFD');
    EXPECT_EQ(word[2], U'b');
}

TEST(Utf8, OverlongAndSurrogateFormsAreNotLetters) {
    // "\xC0\xAC" would smuggle in a comma, the field separator of the theme file.
    EXPECT_EQ(fromUtf8("\xC0\xAC").find(U','), Word::npos);
    EXPECT_EQ(fromUtf8("\xE0\x80\xAF").find(U'/'), Word::npos);
    EXPECT_EQ(fromUtf8("\xED\xA0\x80").find(U'\xD800'), Word::npos);
    EXPECT_EQ(fromUtf8("\xC0\xAC")[0], U'\uFFFD');
}

TEST(Utf8, ATruncatedSequenceAtTheEnd) {
    const Word word = fromUtf8("ab\xC3");
    ASSERT_GE(word.size(), 3u);
    EXPECT_EQ(word.substr(0, 2), Word(U"ab"));
    EXPECT_EQ(word[2], U'\uFFFD');
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
    EXPECT_EQ(leadingNumber("12"), 12);
    EXPECT_EQ(leadingNumber("7,x"), 7);
    EXPECT_EQ(leadingNumber("3\"abc"), 3);
    EXPECT_EQ(leadingNumber("  42abc"), 42);
    EXPECT_EQ(leadingNumber("-1"), -1);
    EXPECT_EQ(leadingNumber("+8"), 8);
    EXPECT_EQ(leadingNumber("007"), 7);
}

TEST(LeadingNumber, NoDigitsGiveZero) {
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("x12"), 0);
    EXPECT_EQ(leadingNumber("-"), 0);
    EXPECT_EQ(leadingNumber(",5"), 0);
}

TEST(Saturate16, KeepsValuesInsideTheRange) {
    EXPECT_EQ(saturate16(0), 0);
    EXPECT_EQ(saturate16(1234), 1234);
    EXPECT_EQ(saturate16(-1234), -1234);
    EXPECT_EQ(saturate16(32767), 32767);
    EXPECT_EQ(saturate16(-32768), -32768);
}

TEST(Saturate16, ClampsInsteadOfWrapping) {
    EXPECT_EQ(saturate16(32768), INT16_MAX);
    EXPECT_EQ(saturate16(65536), INT16_MAX);
    EXPECT_EQ(saturate16(-32769), INT16_MIN);
    EXPECT_EQ(saturate16(-100000), INT16_MIN);
    EXPECT_EQ(saturate16(2147483647L), INT16_MAX);
}

} // namespace
} // namespace quenza
