#include "fake_random.h"
#include "puzzle/generation.h"
#include "puzzle/text.h"
#include "puzzle/theme.h"
#include "test_boards.h"

#include <gtest/gtest.h>
#include <vector>

namespace quenza {
namespace {

using testing::placementDraws;
using testing::ScriptedRandom;
using testing::SeededRandom;

std::vector<Word> upperCased(const std::vector<Word>& words) {
    std::vector<Word> result;
    for (const Word& word : words) {
        result.push_back(upperCase(word));
    }
    return result;
}

// A fresh board with the line's words placed, as a new game builds it.
Board boardFor(const Word& line, std::uint64_t seed = 7, int direccionUnica = 0) {
    SeededRandom random(seed);
    Board board;
    IniCiar(board, random);
    cargar(board, line, direccionUnica, random);
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

// ---------------------------------------------------------------- parsing

TEST(ParseThemeLine, TitleCountAndWords) {
    const ThemeLine theme = parseThemeLine(kAnimales);
    EXPECT_EQ(theme.title, Word(U"Animales"));
    EXPECT_EQ(theme.count, 3);
    EXPECT_EQ(upperCased(theme.words), (std::vector<Word>{U"PERRO", U"GATO", U"VACA"}));
}

TEST(ParseThemeLine, OnlyTheFirstLetterOfTheTitleIsRaised) {
    EXPECT_EQ(parseThemeLine(U"1,\"el Mundo de la mar\",\"1\",\"sal\"").title,
              Word(U"El Mundo de la mar"));
    EXPECT_EQ(parseThemeLine(U"1,\"árboles\",\"1\",\"pino\"").title, Word(U"Árboles"));
    EXPECT_EQ(parseThemeLine(U"1,\"ñus y más\",\"1\",\"ñu\"").title, Word(U"Ñus y más"));
}

TEST(ParseThemeLine, TheDelimitersAreNeverLookedAt) {
    const ThemeLine theme = parseThemeLine(U"primero sin comas,[frutas],<2>,'pera',(uva)");
    EXPECT_EQ(theme.title, Word(U"Frutas"));
    EXPECT_EQ(theme.count, 2);
    EXPECT_EQ(upperCased(theme.words), (std::vector<Word>{U"PERA", U"UVA"}));
}

TEST(ParseThemeLine, LastWordWithOrWithoutATrailingComma) {
    EXPECT_EQ(upperCased(parseThemeLine(U"1,\"t\",\"1\",\"gato\"").words),
              std::vector<Word>{U"GATO"});
    EXPECT_EQ(upperCased(parseThemeLine(U"1,\"t\",\"1\",\"gato\",").words),
              std::vector<Word>{U"GATO"});
    EXPECT_EQ(upperCased(parseThemeLine(U"1,\"t\",\"2\",\"sol\",\"murcielago\"").words),
              (std::vector<Word>{U"SOL", U"MURCIELAGO"}));
}

TEST(ParseThemeLine, ALargerCountRepeatsTheLastWord) {
    const ThemeLine theme = parseThemeLine(U"1,\"t\",\"4\",\"uno\",\"dos\"");
    EXPECT_EQ(theme.count, 4);
    EXPECT_EQ(upperCased(theme.words), (std::vector<Word>{U"UNO", U"DOS", U"DOS", U"DOS"}));
}

TEST(ParseThemeLine, ASmallerCountIgnoresTheExtraWords) {
    const ThemeLine theme = parseThemeLine(U"1,\"t\",\"1\",\"uno\",\"dos\",\"tres\"");
    EXPECT_EQ(theme.count, 1);
    EXPECT_EQ(upperCased(theme.words), std::vector<Word>{U"UNO"});
}

TEST(ParseThemeLine, ACountThatIsNoNumberAsksForNoWords) {
    const ThemeLine theme = parseThemeLine(U"1,\"t\",\"x\",\"uno\"");
    EXPECT_EQ(theme.count, 0);
    EXPECT_TRUE(theme.words.empty());
}

TEST(ParseThemeLine, CountIsClampedToTenSlots) {
    const ThemeLine eleven = parseThemeLine(U"1,\"t\",\"11\",\"a1\",\"b2\",\"c3\",\"d4\",\"e5\","
                                            U"\"f6\",\"g7\",\"h8\",\"i9\",\"j10\",\"k11\"");
    EXPECT_EQ(eleven.count, 10);
    ASSERT_EQ(eleven.words.size(), 10u);
    EXPECT_EQ(upperCase(eleven.words[9]), Word(U"J10"));

    const ThemeLine repeated = parseThemeLine(U"1,\"t\",\"99\",\"uno\",\"dos\"");
    EXPECT_EQ(repeated.count, 10);
    ASSERT_EQ(repeated.words.size(), 10u);
    EXPECT_EQ(upperCase(repeated.words[9]), Word(U"DOS"));

    const ThemeLine negative = parseThemeLine(U"1,\"t\",\"-3\",\"uno\"");
    EXPECT_EQ(negative.count, 0);
    EXPECT_TRUE(negative.words.empty());
}

TEST(ParseThemeLine, AWordOverTenLettersKeepsTheCount) {
    const ThemeLine theme = parseThemeLine(U"1,\"t\",\"3\",\"gato\",\"electroimanes\",\"sol\"");
    EXPECT_EQ(theme.count, 3);
    ASSERT_EQ(theme.words.size(), 3u);
    EXPECT_EQ(upperCase(theme.words[0]), Word(U"GATO"));
    EXPECT_EQ(upperCase(theme.words[2]), Word(U"SOL"));
}

TEST(TitleFontSize, SmallerFontAboveThirtyCharacters) {
    EXPECT_EQ(titleFontSize(Word(31, U'a')), 8);
    EXPECT_EQ(titleFontSize(Word(30, U'a')), 10);
    EXPECT_EQ(titleFontSize(Word()), 10);
    // Characters, not bytes: thirty letters with accents still fit the large font.
    EXPECT_EQ(titleFontSize(Word(U"Canción de los niños pequeños!")), 10);
}

// ---------------------------------------------------------------- cargar

TEST(Cargar, ShowsTheThemeAndPlacesItsWords) {
    const Board board = boardFor(kAnimales);
    EXPECT_EQ(board.titulo, Word(U"Animales"));
    EXPECT_EQ(board.numero, 3);
    EXPECT_EQ(board.num_palabras, 2);

    const WordList list = ActuAlizAr(board);
    EXPECT_EQ(list.resultado[0], Word(U"PERRO"));
    EXPECT_EQ(list.resultado[1], Word(U"GATO"));
    EXPECT_EQ(list.resultado[2], Word(U"VACA"));
    EXPECT_EQ(list.res3[0], Word(U"PER"));
    EXPECT_EQ(list.res3[2], Word(U"VAC"));
    for (int slot = 3; slot < kSlots; ++slot) {
        EXPECT_TRUE(list.resultado[slot].empty()) << slot;
        EXPECT_TRUE(list.res3[slot].empty()) << slot;
        EXPECT_FALSE(board.slotPlaced(slot)) << slot;
    }
}

TEST(Cargar, PlacesTheWordsInThemeOrderAndSortsTheSlots) {
    ScriptedRandom random(placementDraws(4, 2, 3, 4, 2, 9, 7)); // GATO on 45..42, leftwards
    random.append(placementDraws(3, 1, 0, 1, 1, 11, 11));       // SOL on 1..3
    Board board = testing::fillerBoard();
    cargar(board, U"1,\"t\",\"2\",\"gato\",\"sol\"", 0, random);

    EXPECT_EQ(random.draws, 12);
    EXPECT_EQ(random.reseeds, 2);
    EXPECT_EQ(board.celdas_palabra[0], (SlotCells{0, 0, 0, 0, 0, 0, 42, 43, 44, 45, 2}));
    EXPECT_EQ(board.celdas_palabra[1], (SlotCells{0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 1}));
    const WordList list = ActuAlizAr(board);
    EXPECT_EQ(list.resultado[0], Word(U"GATO"));
    EXPECT_EQ(list.resultado[1], Word(U"SOL"));
}

TEST(Cargar, ForcedDirectionReachesEveryWord) {
    const Board board = boardFor(kAnimales, 11, 4);
    for (int slot = 0; slot < 3; ++slot) {
        ASSERT_TRUE(board.slotPlaced(slot));
        EXPECT_EQ(board.celdas_palabra[slot][kDirectionPos], 4);
    }
}

TEST(Cargar, RepeatedWordsTakeTheirOwnCells) {
    const Board board = boardFor(U"1,\"t\",\"4\",\"uno\",\"dos\"");
    EXPECT_EQ(board.numero, 4);
    EXPECT_EQ(board.num_palabras, 3);
    const WordList list = ActuAlizAr(board);
    EXPECT_EQ(list.resultado[1], Word(U"DOS"));
    EXPECT_EQ(list.resultado[3], Word(U"DOS"));
    EXPECT_NE(board.celdas_palabra[1], board.celdas_palabra[3]);
}

TEST(Cargar, ALongTitleIsShownSmaller) {
    const Board board = boardFor(U"1,\"animales de la granja y del mar\",\"1\",\"pez\"");
    EXPECT_EQ(board.titulo.size(), 31u);
    EXPECT_EQ(titleFontSize(board.titulo), 8);
}

TEST(Cargar, AWordOverTenLettersCountsAsNotPlaced) {
    const Board board = boardFor(U"1,\"t\",\"3\",\"gato\",\"electroimanes\",\"sol\"");
    EXPECT_EQ(board.num_palabras, 2);
    EXPECT_EQ(board.numero, 2);
    EXPECT_TRUE(board.slotPlaced(0));
    EXPECT_FALSE(board.slotPlaced(1));
    EXPECT_TRUE(board.slotPlaced(2));
    const WordList list = ActuAlizAr(board);
    EXPECT_TRUE(list.resultado[1].empty());
    EXPECT_EQ(list.resultado[2], Word(U"SOL"));
}

TEST(Cargar, AnEmptyWordCountsAsNotPlaced) {
    const Board board = boardFor(U"1,\"t\",\"2\",\"\",\"sol\"");
    EXPECT_EQ(board.numero, 1);
    EXPECT_FALSE(board.slotPlaced(0));
    EXPECT_TRUE(board.slotPlaced(1));
}

TEST(Cargar, TenWordsOfTenLettersStillLeaveACountThatMatchesTheGrid) {
    const Word line = U"1,\"t\",\"10\",\"abecedario\",\"zanahorias\",\"murcielago\","
                      U"\"parapentes\",\"caracoles1\",\"golondrina\",\"escarabajo\","
                      U"\"hipopotamo\",\"rinoceront\",\"guacamayos\"";
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        const Board board = boardFor(line, seed);
        EXPECT_EQ(board.num_palabras, 9);
        EXPECT_EQ(board.numero, placedSlots(board)) << "seed " << seed;
    }
}

// Lines outside the format must still leave a board whose counter matches the
// words on the grid and whose slots stay within the board.
TEST(Cargar, LinesOutsideTheFormatKeepTheCounterHonest) {
    const std::vector<Word> lines = {
        U"",
        U"1",
        U"1,\"t\"",
        U"1,\"t\",\"3\"",
        U"1,\"t\",\"3\",",
        U"1,\"t\",\"2\",x,\"gato\"",
        U"1,,,,",
        U"1,\"t\",\"12\",\"uno\",\"dos\",\"tres\",\"cuatro\",\"cinco\",\"seis\",\"siete\","
        U"\"ocho\",\"nueve\",\"diez\",\"once\",\"doce\"",
        U"1,\"t\",\"2\",\"abcdefghijklmnopqrstuvwxyz\",\"\"",
    };
    for (const Word& line : lines) {
        SCOPED_TRACE(toUtf8(line));
        const Board board = boardFor(line);
        EXPECT_GE(board.numero, 0);
        EXPECT_LE(board.numero, kSlots);
        EXPECT_EQ(board.numero, placedSlots(board));
        EXPECT_LE(board.num_palabras, kSlots - 1);
        for (int slot = board.num_palabras + 1; slot < kSlots; ++slot) {
            EXPECT_FALSE(board.slotPlaced(slot)) << "slot " << slot;
        }
    }
}

// ---------------------------------------------------------------- word list

TEST(ActuAlizAr, ReadsEachWordInItsOwnDirection) {
    Board board = testing::fillerBoard();
    board.placeWord(0, U"GATO", 40, 2);
    board.placeWord(1, U"LORO", 100, 4);
    board.placeWord(2, U"YO", 93, 6);
    board.placeWord(3, U"OSO", 20, 7);
    board.celdas_palabra[4][kDirectionPos] = 8; // stale code from an earlier game
    OrdEnar_MatriZ(board);

    const WordList list = ActuAlizAr(board);
    EXPECT_EQ(list.resultado[0], Word(U"GATO"));
    EXPECT_EQ(list.res3[0], Word(U"GAT"));
    EXPECT_EQ(list.resultado[1], Word(U"LORO"));
    EXPECT_EQ(list.resultado[2], Word(U"YO"));
    EXPECT_EQ(list.res3[2], Word(U"YO"));
    EXPECT_EQ(list.resultado[3], Word(U"OSO"));
    EXPECT_TRUE(list.resultado[4].empty());
    EXPECT_TRUE(list.res3[4].empty());
}

} // namespace
} // namespace quenza
