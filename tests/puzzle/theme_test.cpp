#include "fake_random.h"
#include "puzzle/generation.h"
#include "puzzle/text.h"
#include "puzzle/theme.h"
#include "test_boards.h"

#include <gtest/gtest.h>
#include <vector>

namespace quenza {
namespace {

using testing::SeededRandom;

// A fresh board with the line's words placed, as a new game builds it.
Board boardFor(const Word& line, std::uint64_t seed) {
    SeededRandom random(seed);
    Board board;
    fillBoard(board, random);
    placeTheme(board, line, 0, random);
    return board;
}

int placedSlots(const Board& board) {
    int placed = 0;
    for (int slot = 0; slot < kSlots; ++slot) {
        placed += board.slotPlaced(slot) ? 1 : 0;
    }
    return placed;
}

const Word kAnimales = U"5,\"animales\",\"3\",\"perro\",\"gato\",\"vaca\"";

TEST(ParseThemeLine, TitleCountAndWords) {
    const struct {
        Word line, title;
        int count;
        Word words; // upper-cased, one space between them
    } cases[] = {
        {kAnimales, U"Animales", 3, U"PERRO GATO VACA"},
        // Only the first letter of the title is raised.
        {U"1,\"el Mundo de la mar\",\"1\",\"sal\"", U"El Mundo de la mar", 1, U"SAL"},
        {U"1,\"árboles\",\"1\",\"pino\"", U"Árboles", 1, U"PINO"},
        // The delimiters are never looked at.
        {U"primero sin comas,[frutas],<2>,'pera',(uva)", U"Frutas", 2, U"PERA UVA"},
        {U"1,\"t\",\"1\",\"gato\",", U"T", 1, U"GATO"},
        // A larger count repeats the last word, a smaller one ignores the rest.
        {U"1,\"t\",\"4\",\"uno\",\"dos\"", U"T", 4, U"UNO DOS DOS DOS"},
        {U"1,\"t\",\"1\",\"uno\",\"dos\",\"tres\"", U"T", 1, U"UNO"},
        {U"1,\"t\",\"x\",\"uno\"", U"T", 0, U""},
        // The count is clamped to the ten slots.
        {U"1,\"t\",\"-3\",\"uno\"", U"T", 0, U""},
        {U"1,\"t\",\"11\",\"a1\",\"b2\",\"c3\",\"d4\",\"e5\",\"f6\",\"g7\",\"h8\",\"i9\",\"j10\","
         U"\"k11\"",
         U"T", 10, U"A1 B2 C3 D4 E5 F6 G7 H8 I9 J10"},
        {U"1,\"t\",\"99\",\"uno\",\"dos\"", U"T", 10, U"UNO DOS DOS DOS DOS DOS DOS DOS DOS DOS"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.line));
        const ThemeLine theme = parseThemeLine(c.line);
        EXPECT_EQ(theme.title, c.title);
        EXPECT_EQ(theme.count, c.count);
        Word words;
        for (std::size_t w = 0; w < theme.words.size(); ++w) {
            words += (w == 0 ? U"" : U" ") + upperCase(theme.words[w]);
        }
        EXPECT_EQ(words, c.words);
    }
}

TEST(TitleFontSize, SmallerFontAboveThirtyCharacters) {
    EXPECT_EQ(titleFontSize(Word(31, U'a')), 8);
    EXPECT_EQ(titleFontSize(Word(30, U'a')), 10);
    // Characters, not bytes: thirty letters with accents still fit the large font.
    EXPECT_EQ(titleFontSize(Word(U"Canción de los niños pequeños!")), 10);
}

// Lines beyond the limits or outside the format still leave a counter that
// matches the words on the grid, and no word outside the theme's slots.
TEST(Cargar, OverLimitAndMalformedLinesKeepTheCounterHonest) {
    const struct {
        Word line;
        int num_palabras;
        int numero; // -1: as many as found room
    } cases[] = {
        {U"1,\"t\",\"3\",\"gato\",\"electroimanes\",\"sol\"", 2, 2},
        {U"1,\"t\",\"2\",\"\",\"sol\"", 1, 1},
        {U"1,\"t\",\"4\",\"uno\",\"dos\"", 3, 4}, // the repeated word takes its own cells
        {U"1,\"t\",\"2\",\"abcdefghijklmnopqrstuvwxyz\",\"\"", 1, 0},
        {U"1,\"t\",\"10\",\"abecedario\",\"zanahorias\",\"murcielago\",\"parapentes\","
         U"\"caracoles1\",\"golondrina\",\"escarabajo\",\"hipopotamo\",\"rinoceront\","
         U"\"guacamayos\"",
         9, -1},
        {U"1,\"t\",\"12\",\"uno\",\"dos\",\"tres\",\"cuatro\",\"cinco\",\"seis\",\"siete\","
         U"\"ocho\",\"nueve\",\"diez\",\"once\",\"doce\"",
         9, -1},
        {U"", -1, 0},
        {U"1,,,,", -1, 0},
        {U"1,\"t\",\"3\"", 2, 0},
        {U"1,\"t\",\"3\",", 2, 0},
        {U"1,\"t\",\"2\",x,\"gato\"", 1, 1},
    };
    for (const auto& c : cases) {
        for (std::uint64_t seed = 1; seed <= 10; ++seed) {
            SCOPED_TRACE(::testing::Message() << toUtf8(c.line) << " seed " << seed);
            const Board board = boardFor(c.line, seed);
            EXPECT_EQ(board.num_palabras, c.num_palabras);
            EXPECT_EQ(board.numero, placedSlots(board));
            if (c.numero >= 0) {
                EXPECT_EQ(board.numero, c.numero);
            }
            for (int slot = board.num_palabras + 1; slot < kSlots; ++slot) {
                EXPECT_FALSE(board.slotPlaced(slot)) << "slot " << slot;
            }
        }
    }
}

TEST(readWordList, ReadsEachWordInItsOwnDirection) {
    Board board = testing::fillerBoard();
    board.placeWord(0, U"GATO", 40, 2);
    board.placeWord(1, U"LORO", 100, 4);
    board.placeWord(2, U"YO", 93, 6);
    board.placeWord(3, U"OSO", 20, 7);
    board.celdas_palabra[4][kDirectionPos] = 8; // stale code from an earlier game
    sortSlots(board);

    const WordList list = readWordList(board);
    const Word resultado[] = {U"GATO", U"LORO", U"YO", U"OSO", U""};
    const Word res3[] = {U"GAT", U"LOR", U"YO", U"OSO", U""};
    for (int slot = 0; slot < 5; ++slot) {
        EXPECT_EQ(list.resultado[slot], resultado[slot]) << slot;
        EXPECT_EQ(list.res3[slot], res3[slot]) << slot;
    }
}

} // namespace
} // namespace quenza
