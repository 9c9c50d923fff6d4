#include "puzzle/ranking.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quenza {
namespace {

constexpr Date kDay{2002, 5, 17};

TraditionalEntry trad(int tiempo, int palabras, std::string nombre = "Player",
                      std::string tema = "Tema") {
    return {static_cast<std::int16_t>(tiempo), static_cast<std::int16_t>(palabras),
            std::move(nombre), std::move(tema), kDay};
}

EvolutionEntry evol(int nivel, int puntuacion, int tiempo = 100, std::string nombre = "Player") {
    return {static_cast<std::int16_t>(nivel), static_cast<std::int16_t>(puntuacion),
            static_cast<std::int16_t>(tiempo), std::move(nombre), kDay};
}

template <class Entry> std::vector<std::string> linesOf(const std::vector<Entry>& entries) {
    std::vector<std::string> lines;
    for (const Entry& entry : entries) {
        lines.push_back(formatLine(entry));
    }
    return lines;
}

// Traditional ranking of 15 entries, 10 s, 20 s, ..., 150 s, 8 words each.
std::vector<std::string> fullTraditional() {
    std::vector<TraditionalEntry> entries;
    for (int i = 1; i <= 15; ++i) {
        entries.push_back(trad(10 * i, 8, "P" + std::to_string(i)));
    }
    return linesOf(entries);
}

TEST(RankingFormat, WritesBothLineFormatsExactly) {
    EXPECT_EQ(formatLine(trad(95, 8)), R"(95,8,"Player","Tema",#2002-05-17#)");
    EXPECT_EQ(formatLine(evol(12, 340, 3725)), R"(12,340,3725,"Player",#2002-05-17#)");
    EXPECT_EQ(formatLine(evol(1, -40, 7)), R"(1,-40,7,"Player",#2002-05-17#)");
    EXPECT_EQ(formatLine(EvolutionEntry{3, 0, 0, "", Date{2024, 1, 2}}),
              R"(3,0,0,"",#2024-01-02#)");
}

TEST(RankingFormat, ReadsLinesBackFieldByField) {
    EXPECT_EQ(parseTraditional(R"(95,8,"Player","Tema",#2002-05-17#)"), trad(95, 8));
    EXPECT_EQ(parseEvolution(R"(1,-40,7,"Player",#2002-05-17#)"), evol(1, -40, 7));
    EXPECT_EQ(parseEvolution(R"(32767,-32768,0,"x",#2000-02-29#)"),
              (EvolutionEntry{32767, -32768, 0, "x", Date{2000, 2, 29}}));
}

TEST(RankingFormat, NamesWithQuotesCommasAndAccentsRoundTrip) {
    const std::vector<std::string> names = {"Ana, la del 5º", "Dijo \"hola\"", "\"", "\"\"",
                                            "José Ñúñez",     ",,,",           "",   "a\",\"b",
                                            "#2002-05-17#"};
    for (const std::string& name : names) {
        const TraditionalEntry t = trad(60, 5, name, name + " tema");
        EXPECT_EQ(parseTraditional(formatLine(t)), t) << formatLine(t);
        const EvolutionEntry e = evol(4, 10, 50, name);
        EXPECT_EQ(parseEvolution(formatLine(e)), e) << formatLine(e);
    }
    // A quote is doubled inside the quoted field.
    EXPECT_EQ(formatLine(trad(1, 2, "Dijo \"hola\"", "T")),
              R"(1,2,"Dijo ""hola""","T",#2002-05-17#)");
}

TEST(RankingFormat, LineBreaksInANameDoNotSplitTheRecord) {
    const std::string line = formatLine(trad(1, 2, "a\r\nb"));
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(parseTraditional(line)->nombre, "a  b");
}

TEST(RankingFormat, RefusesMalformedLines) {
    const std::vector<std::string> traditional = {
        "",
        "garbage",
        R"(95,8,"Player","Tema")",                        // too few fields
        R"(95,8,"Player","Tema",#2002-05-17#,1)",         // too many
        R"(95,8,"Player","Tema",#2002-05-17#,)",          // trailing comma
        R"(x5,8,"Player","Tema",#2002-05-17#)",           // not a number
        R"(95,,"Player","Tema",#2002-05-17#)",            // empty number
        R"(32768,8,"Player","Tema",#2002-05-17#)",        // beyond 16 bits
        R"(95,-32769,"Player","Tema",#2002-05-17#)",      // beyond 16 bits
        R"(99999999999999999999,8,"P","T",#2002-05-17#)", // beyond any integer
        R"(+95,8,"Player","Tema",#2002-05-17#)",
        R"( 95,8,"Player","Tema",#2002-05-17#)",
        R"(9.5,8,"Player","Tema",#2002-05-17#)",
        R"("95",8,"Player","Tema",#2002-05-17#)", // quoted number
        R"(95,8,Player,"Tema",#2002-05-17#)",     // unquoted text
        R"(95,8,"Play"er","Tema",#2002-05-17#)",  // stray quote, as the old game wrote it
        R"(95,8,"Player,"Tema",#2002-05-17#)",
        R"(95,8,"Player","Tema",#2002-05-17)",
        R"(95,8,"Player","Tema",#2002-13-17#)",
        R"(95,8,"Player","Tema",#2002-00-17#)",
        R"(95,8,"Player","Tema",#2001-02-29#)",
        R"(95,8,"Player","Tema",#2002-04-31#)",
        R"(95,8,"Player","Tema",#2002-5-17#)",
        R"(95,8,"Player","Tema",17/05/2002)",
        R"(95,8,"Player","Tema","#2002-05-17#")",
    };
    for (const std::string& line : traditional) {
        EXPECT_FALSE(parseTraditional(line)) << line;
    }
    // A traditional line is not an evolution line and the other way round.
    EXPECT_FALSE(parseEvolution(R"(95,8,"Player","Tema",#2002-05-17#)"));
    EXPECT_FALSE(parseTraditional(R"(1,-40,7,"Player",#2002-05-17#)"));
    EXPECT_FALSE(parseEvolution(R"(1,-40,70000,"Player",#2002-05-17#)"));
}

TEST(RankingOrder, TraditionalBeatsOnlyStrictly) {
    EXPECT_TRUE(beats(trad(59, 1), trad(60, 8)));
    EXPECT_TRUE(beats(trad(60, 9), trad(60, 8)));
    EXPECT_FALSE(beats(trad(60, 8), trad(60, 8)));
    EXPECT_FALSE(beats(trad(60, 7), trad(60, 8)));
    EXPECT_FALSE(beats(trad(61, 10), trad(60, 8)));
    // Names, themes and dates never decide.
    EXPECT_FALSE(beats(trad(60, 8, "A", "A"), trad(60, 8, "Z", "Z")));
}

TEST(RankingOrder, EvolutionBeatsOnlyStrictly) {
    EXPECT_TRUE(beats(evol(6, -100), evol(5, 300)));
    EXPECT_TRUE(beats(evol(5, 301), evol(5, 300)));
    EXPECT_FALSE(beats(evol(5, 300, 1), evol(5, 300, 999)));
    EXPECT_FALSE(beats(evol(4, 900), evol(5, 300)));
    EXPECT_TRUE(beats(evol(3, 3), evol(3, -5)));
    EXPECT_FALSE(beats(evol(3, -5), evol(3, 3)));
}

TEST(RankingPlace, TraditionalPlaces) {
    const auto lines = linesOf(std::vector{trad(60, 8), trad(120, 8)});
    EXPECT_EQ(findPlace(lines, trad(90, 8)), 2);
    EXPECT_EQ(findPlace(lines, trad(60, 9)), 1);
    EXPECT_EQ(findPlace(lines, trad(60, 8)), 2);
    EXPECT_EQ(findPlace(lines, trad(60, 7)), 2);
    EXPECT_EQ(findPlace(lines, trad(121, 10)), kNoPlace);
    EXPECT_EQ(findPlace({}, trad(1, 1)), kNoPlace);
}

TEST(RankingPlace, EvolutionPlacesComparesScoresAsNumbers) {
    const auto lines = linesOf(std::vector{evol(5, 300), evol(5, 200)});
    EXPECT_EQ(findPlace(lines, evol(5, 250)), 2);
    EXPECT_EQ(findPlace(lines, evol(5, 200)), kNoPlace);
    EXPECT_EQ(findPlace(lines, evol(6, 0)), 1);

    // As text "9" > "10" and "-5" > "-10" would order the wrong way.
    const auto numeric = linesOf(std::vector{evol(1, 10), evol(1, -10)});
    EXPECT_EQ(findPlace(numeric, evol(1, 9)), 2);
    EXPECT_EQ(findPlace(numeric, evol(1, -5)), 2);
    EXPECT_EQ(findPlace(numeric, evol(1, -11)), kNoPlace);
}

TEST(RankingPlace, EqualResultGoesBehindEveryEqualEntry) {
    const auto lines = linesOf(std::vector{evol(5, 300), evol(5, 200), evol(5, 200), evol(4, 0)});
    const auto out = withEntry(lines, evol(5, 200, 1, "Nuevo"));
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(out[3], formatLine(evol(5, 200, 1, "Nuevo")));
    EXPECT_EQ(out[4], lines[3]);
}

TEST(RankingAdmission, FullRankingAdmitsPlaceFourteenNotFifteen) {
    const auto lines = fullTraditional();
    const int fifteen = findPlace(lines, trad(145, 8));
    EXPECT_EQ(fifteen, 15);
    EXPECT_FALSE(qualifies(fifteen, 15));
    EXPECT_FALSE(qualifies(kNoPlace, 15));
    EXPECT_FALSE(qualifies(kNoPlace, 40));

    const TraditionalEntry result = trad(135, 8, "Nuevo");
    const int fourteen = findPlace(lines, result);
    EXPECT_EQ(fourteen, 14);
    EXPECT_TRUE(qualifies(fourteen, 15));

    const auto out = withEntry(lines, result);
    ASSERT_EQ(out.size(), 16u);
    EXPECT_EQ(out[13], formatLine(result));
    EXPECT_EQ(out[14], lines[13]);
    EXPECT_EQ(out[15], lines[14]);
    EXPECT_TRUE(std::equal(lines.begin(), lines.begin() + 13, out.begin()));
}

TEST(RankingAdmission, ShortRankingAdmitsEvenTheWorstAtTheEnd) {
    auto lines = fullTraditional();
    lines.pop_back();
    const TraditionalEntry worst = trad(999, 1);
    EXPECT_EQ(findPlace(lines, worst), kNoPlace);
    EXPECT_TRUE(qualifies(kNoPlace, 14));
    EXPECT_TRUE(qualifies(20, 0));
    const auto out = withEntry(lines, worst);
    ASSERT_EQ(out.size(), 15u);
    EXPECT_EQ(out.back(), formatLine(worst));
}

TEST(RankingInsert, NewEntryIsWrittenExactlyOnce) {
    const auto lines = fullTraditional();
    const TraditionalEntry best = trad(1, 8, "Nuevo");
    const auto out = withEntry(lines, best);
    ASSERT_EQ(out.size(), lines.size() + 1);
    EXPECT_EQ(out.front(), formatLine(best));
    EXPECT_EQ(std::count(out.begin(), out.end(), formatLine(best)), 1);
    EXPECT_TRUE(std::equal(lines.begin(), lines.end(), out.begin() + 1));

    EXPECT_EQ(withEntry({}, best), std::vector<std::string>{formatLine(best)});
}

TEST(RankingInsert, MalformedLinesAreKeptCountedAndNeverBeaten) {
    const std::vector<std::string> lines = {
        "basura al principio",
        formatLine(trad(60, 8)),
        R"(50,8,"sin fecha")",
        formatLine(trad(120, 8)),
        R"(40000,8,"Player","Tema",#2002-05-17#)",
    };
    // The garbage line is numbered but passed over: 30 s takes place 2.
    EXPECT_EQ(findPlace(lines, trad(30, 8)), 2);
    EXPECT_EQ(findPlace(lines, trad(90, 8)), 4);
    EXPECT_EQ(findPlace(lines, trad(500, 8)), kNoPlace);

    const auto best = withEntry(lines, trad(30, 8, "Nuevo"));
    EXPECT_EQ(best, (std::vector<std::string>{lines[0], formatLine(trad(30, 8, "Nuevo")), lines[1],
                                              lines[2], lines[3], lines[4]}));
    const auto middle = withEntry(lines, trad(90, 8, "Nuevo"));
    EXPECT_EQ(middle,
              (std::vector<std::string>{lines[0], lines[1], lines[2],
                                        formatLine(trad(90, 8, "Nuevo")), lines[3], lines[4]}));
    const auto worst = withEntry(lines, trad(500, 8, "Nuevo"));
    ASSERT_EQ(worst.size(), 6u);
    EXPECT_EQ(worst.back(), formatLine(trad(500, 8, "Nuevo")));
}

TEST(RankingTop, ListsParsedEntriesOfTheFirstFifteenLines) {
    auto lines = fullTraditional();
    for (int i = 16; i <= 20; ++i) {
        lines.push_back(formatLine(trad(10 * i, 8)));
    }
    const auto top = topTraditional(lines);
    ASSERT_EQ(top.size(), 15u);
    EXPECT_EQ(top.front().nombre, "P1");
    EXPECT_EQ(top.back().nombre, "P15");

    lines[3] = "roto";
    const auto withBroken = topTraditional(lines);
    ASSERT_EQ(withBroken.size(), 14u);
    EXPECT_EQ(withBroken[3].nombre, "P5");
    EXPECT_EQ(withBroken.back().nombre, "P15"); // line 16 is not pulled up

    EXPECT_TRUE(topEvolution({}).empty());
    const auto evolution = topEvolution(linesOf(std::vector{evol(7, -3, 3600)}));
    ASSERT_EQ(evolution.size(), 1u);
    EXPECT_EQ(evolution[0], evol(7, -3, 3600));
}

} // namespace
} // namespace quenza
