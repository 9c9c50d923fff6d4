#include "puzzle/ranking.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quenza {
namespace {

constexpr Date kDay{2002, 5, 17};

TraditionalEntry trad(std::int16_t tiempo, std::int16_t palabras, std::string nombre = "Player",
                      std::string tema = "Tema") {
    return {tiempo, palabras, std::move(nombre), std::move(tema), kDay};
}

EvolutionEntry evol(std::int16_t nivel, std::int16_t puntuacion, std::int16_t tiempo = 100,
                    std::string nombre = "Player") {
    return {nivel, puntuacion, tiempo, std::move(nombre), kDay};
}

// 15 entries, 10 s, 20 s, ..., 150 s, 8 words each, by P1 to P15.
std::vector<std::string> fullTraditional() {
    std::vector<std::string> lines;
    for (int i = 1; i <= 15; ++i) {
        lines.push_back(
            formatLine(trad(static_cast<std::int16_t>(10 * i), 8, "P" + std::to_string(i))));
    }
    return lines;
}

TEST(RankingFormat, WritesBothLineFormatsExactly) {
    EXPECT_EQ(formatLine(trad(95, 8)), R"(95,8,"Player","Tema",#2002-05-17#)");
    EXPECT_EQ(formatLine(evol(12, 340, 3725)), R"(12,340,3725,"Player",#2002-05-17#)");
    EXPECT_EQ(formatLine(EvolutionEntry{3, -40, 0, "", Date{2024, 1, 2}}),
              R"(3,-40,0,"",#2024-01-02#)");
    // A quote is doubled; a line break cannot split the record.
    EXPECT_EQ(formatLine(trad(1, 2, "Dijo \"hola\"\r\n", "T")),
              R"(1,2,"Dijo ""hola""  ","T",#2002-05-17#)");
}

TEST(RankingFormat, RefusesMalformedLines) {
    for (const char* line : {
             R"(95,8,"Player","Tema")",                        // too few fields
             R"(95,8,"Player","Tema",#2002-05-17#,)",          // trailing comma
             R"(95,,"Player","Tema",#2002-05-17#)",            // empty number
             R"(32768,8,"Player","Tema",#2002-05-17#)",        // beyond 16 bits
             R"(95,-32769,"Player","Tema",#2002-05-17#)",      // beyond 16 bits
             R"(99999999999999999999,8,"P","T",#2002-05-17#)", // beyond any integer
             R"(+95,8,"Player","Tema",#2002-05-17#)",
             R"(9 5,8,"Player","Tema",#2002-05-17#)",
             R"(95,8,"Player" x,"Tema",#2002-05-17#)",
             R"(95,8,"Player","Tema",# 2002-05-17#)",
             R"(9.5,8,"Player","Tema",#2002-05-17#)",  // not a whole number
             R"("95",8,"Player","Tema",#2002-05-17#)", // quoted number
             R"(95,8,Player,"Tema",#2002-05-17#)",     // unquoted text
             R"(95,8,"Play"er","Tema",#2002-05-17#)",  // stray quote, as the old game wrote it
             R"(95,8,"Player,"Tema",#2002-05-17#)",
             R"(95,8,"Player","Tema",#2001-02-29#)",
             R"(95,8,"Player","Tema",#1900-02-29#)", // a century, not a leap year
             R"(95,8,"Player","Tema","#2002-05-17#")",
             R"(1,-40,7,"Player",#2002-05-17#)", // an evolution line
             R"(95,8,"P","T",#200:-05-17#)",
             R"(95,8,"P","T",#2002-05-1/#)", // not digits
         }) {
        EXPECT_FALSE(parseTraditional(line)) << line;
    }
    EXPECT_FALSE(parseEvolution(R"(95,8,"Player","Tema",#2002-05-17#)"));
    EXPECT_FALSE(parseEvolution(R"(1,-40,70000,"Player",#2002-05-17#)"));
}

TEST(RankingFormat, SkipsBlanksAroundFieldsButKeepsThemInsideQuotes) {
    EXPECT_EQ(parseTraditional(R"(12,8,"Player","Tema",#2000-12-31#)"),
              (TraditionalEntry{12, 8, "Player", "Tema", Date{2000, 12, 31}}));
    EXPECT_EQ(parseTraditional(R"(12,8,"Player","Tema",#2004-02-29#)"),
              (TraditionalEntry{12, 8, "Player", "Tema", Date{2004, 2, 29}}));
    EXPECT_EQ(parseTraditional(R"( 12,8,"Player","Tema",#2002-05-17#)"), trad(12, 8));
    EXPECT_EQ(parseTraditional(" 95 ,\t8, \"Player\" ,\"Tema\",  #2002-05-17# "), trad(95, 8));
    EXPECT_EQ(parseEvolution(R"(  3, -40,  7," Ana ",#2002-05-17#)"), evol(3, -40, 7, " Ana "));
}

TEST(RankingOrder, OnlyAStrictlyBetterResultBeats) {
    EXPECT_TRUE(beats(trad(59, 1), trad(60, 8)));
    EXPECT_TRUE(beats(trad(60, 9), trad(60, 8)));
    EXPECT_FALSE(beats(trad(60, 8, "A", "A"), trad(60, 8, "Z", "Z")));

    EXPECT_TRUE(beats(evol(6, -100), evol(5, 300)));
    EXPECT_TRUE(beats(evol(5, 301), evol(5, 300)));
    EXPECT_FALSE(beats(evol(5, 300, 1), evol(5, 300, 999)));
}

TEST(RankingPlace, AResultGoesBehindEveryEqualEntry) {
    // Scores compare as numbers: as text "9" > "10" and "-11" > "-10".
    const std::vector scores = {formatLine(evol(1, 10)), formatLine(evol(1, -10)),
                                formatLine(evol(1, -10)), formatLine(evol(0, 0))};
    EXPECT_EQ(findPlace(scores, evol(1, 9)), 2);
    EXPECT_EQ(findPlace(scores, evol(1, -11)), 4);
    const auto out = withEntry(scores, evol(1, -10, 1, "Nuevo"));
    EXPECT_EQ(out, (std::vector{scores[0], scores[1], scores[2],
                                formatLine(evol(1, -10, 1, "Nuevo")), scores[3]}));
}

TEST(RankingDamage, DamagedLinesAreKeptButTakeNoPlace) {
    const std::vector<std::string> lines = {"basura al principio", formatLine(trad(60, 8)),
                                            R"(50,8,"sin fecha")", formatLine(trad(120, 8))};
    // The damaged first line does not stand above a real time.
    EXPECT_EQ(findPlace(lines, trad(30, 8)), 1);
    EXPECT_EQ(findPlace(lines, trad(90, 8)), 2);
    EXPECT_EQ(
        withEntry(lines, trad(30, 8, "Nuevo")),
        (std::vector{lines[0], formatLine(trad(30, 8, "Nuevo")), lines[1], lines[2], lines[3]}));
    EXPECT_EQ(
        withEntry(lines, trad(90, 8, "Nuevo")),
        (std::vector{lines[0], lines[1], lines[2], formatLine(trad(90, 8, "Nuevo")), lines[3]}));
    EXPECT_EQ(topTraditional(withEntry(lines, trad(30, 8))),
              (std::vector{trad(30, 8), trad(60, 8), trad(120, 8)}));
}

TEST(RankingDamage, DamagedLinesNeverFillARanking) {
    const std::vector<std::string> damaged(15, "roto");
    const Placement onlyDamage = placeResult(damaged, trad(999, 1));
    EXPECT_EQ(onlyDamage.posicion_nueva, kNoPlace);
    EXPECT_TRUE(onlyDamage.qualifies);
    // An evolution line in the traditional ranking is damage too.
    EXPECT_TRUE(placeResult(std::vector(20, formatLine(evol(5, 10))), trad(999, 1)).qualifies);

    // Fifteen real entries fill it whatever damage lies between them.
    auto lines = fullTraditional();
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i), "roto");
    }
    EXPECT_EQ(placeResult(lines, trad(135, 8)).posicion_nueva, 14);
    EXPECT_TRUE(placeResult(lines, trad(135, 8)).qualifies);
    EXPECT_EQ(placeResult(lines, trad(145, 8)).posicion_nueva, 15);
    EXPECT_FALSE(placeResult(lines, trad(145, 8)).qualifies);
    EXPECT_FALSE(placeResult(lines, trad(999, 8)).qualifies);
}

TEST(RankingTop, ListsTheFirstFifteenReadableEntries) {
    auto lines = fullTraditional();
    lines.push_back(formatLine(trad(160, 8, "P16")));
    lines.push_back(formatLine(trad(170, 8, "P17")));
    lines[3] = "roto";
    const auto top = topTraditional(lines);
    ASSERT_EQ(top.size(), 15u);
    EXPECT_EQ(top[3].nombre, "P5");
    EXPECT_EQ(top.back().nombre, "P16"); // pulled up past the damaged line, P17 is not

    EXPECT_EQ(topEvolution({formatLine(evol(7, -3, 3600))}), std::vector{evol(7, -3, 3600)});
}

} // namespace
} // namespace quenza
