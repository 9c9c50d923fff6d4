#include "fake_random.h"
#include "puzzle/evolution.h"

#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <string>
#include <vector>

namespace quenza {
namespace {

using testing::pick;
using testing::ScriptedRandom;
using testing::SeededRandom;
using R = AwardRoutine;

// The awards by a letter each, so that a case fits on one line.
const std::map<char, std::string> kMessages = {
    {'N', "Comodin ganado por haber pasado de nivel sin utilizar comodines"},
    {'T', "Comod\u00edn ganado por tiempo"},
    {'3', "Comodin que ganas cada 3 niveles"},
    {'F', "Comodin conseguido por ganar 3 partidas sin comodines"},
    {'R', "Comodin obtenido por ganar 5 partidas sin usar el comodin Rayo"},
    {'5', "Comodin que ganas cada 5 niveles"},
    {'A', "Comodin obtenido por utilizar todos los comodines"},
};

// A level just finished, as the level-complete window finds it: one joker of
// every kind, every flag and counter neutral.
EvolutionState finishedLevel(int nivel) {
    EvolutionState state;
    state.nivel_actual = static_cast<std::int16_t>(nivel);
    for (int k = 1; k <= kJokerKinds; ++k) {
        state.comodines[k] = 1;
    }
    state.sin_comodines = false;
    state.sin_finalizar = false;
    return state;
}

std::string codes(const AwardOutcome& outcome) {
    std::string text;
    for (const auto& award : outcome.awards) {
        for (const auto& [code, message] : kMessages) {
            text += award.message == message ? std::string(1, code) : "";
        }
    }
    return text;
}

TEST(AwardRules, LevelFifteenInTimeWithoutJokersFillsAllFiveSlotsInOrder) {
    EvolutionState state = finishedLevel(15);
    state.sin_comodines = true;
    state.sin_finalizar = true;
    state.dentro_seg = 20;
    AwardCounters counters{2, 0};
    // The no-joker and time awards both draw Eliminar: the stock must add up.
    ScriptedRandom random({pick(2, 7), pick(2, 7), pick(6, 7)});

    const AwardOutcome outcome = applyAwardRules(state, counters, random);

    const std::vector<Award> expected{
        {R::RandomJoker1, kEliminar, kMessages.at('N')},
        {R::RandomJoker2, kEliminar, kMessages.at('T')},
        {R::RandomJoker3, kUniDireccion, kMessages.at('3')},
        {R::FinalizarJoker, kFinalizar, kMessages.at('F')},
        {R::SuerteJoker, kSuerte, kMessages.at('5')},
    };
    EXPECT_EQ(outcome.awards, expected);
    EXPECT_EQ(random.reseeds, 3);
    EXPECT_EQ(random.draws, 3);
    const std::array<std::int16_t, 10> stock{0, 1, 1, 3, 1, 1, 2, 2, 2, 0};
    EXPECT_EQ(state.comodines, stock);
    EXPECT_EQ(counters, (AwardCounters{3, 1}));
    EXPECT_FALSE(outcome.offerSpecial);
}

TEST(AwardRules, EachRuleOnItsOwnCondition) {
    const struct {
        const char* name;
        int nivel;
        bool sinComodines, sinFinalizar;
        int dentro, extra1, extra2;
        const char* used; // the jokers used so far
        const char* awarded;
        int extra1After, extra2After;
    } cases[] = {
        {"nothing earned", 1, false, false, 0, 0, 0, "", "", 0, 0},
        {"no joker", 1, true, true, 0, 0, 0, "", "N", 1, 1},
        {"last second of the time window", 2, false, false, 1, 0, 0, "", "T", 0, 0},
        {"every third level", 3, false, false, 0, 0, 0, "", "3", 0, 0},
        {"every fifth level", 5, false, false, 0, 0, 0, "", "5", 0, 0},
        {"third and fifth", 30, false, false, 0, 0, 0, "", "35", 0, 0},
        {"three without jokers", 4, true, true, 0, 2, 3, "", "NF", 3, 4},
        {"five without Finalizar", 4, false, true, 0, 0, 4, "", "R", 0, 5},
        {"five lost while extra1 is 3", 4, false, true, 0, 3, 4, "", "", 3, 5},
        {"five given once extra1 is past 3", 4, true, true, 0, 3, 4, "", "NR", 4, 5},
        {"past five: equality only", 4, false, true, 0, 0, 5, "", "", 0, 6},
        {"past three: equality only", 4, true, false, 0, 3, 0, "", "N", 4, 0},
        {"all seven used", 4, false, false, 0, 0, 0, "1234567", "A", 0, 0},
        {"Suerte is not one of the seven", 4, false, false, 0, 0, 0, "1234568", "", 0, 0},
        {"all used waits past a fifth level", 10, false, false, 0, 0, 0, "12345678", "5", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EvolutionState state = finishedLevel(c.nivel);
        state.sin_comodines = c.sinComodines;
        state.sin_finalizar = c.sinFinalizar;
        state.dentro_seg = static_cast<std::int16_t>(c.dentro);
        for (const char* k = c.used; *k != 0; ++k) {
            state.comodin_usado[*k - '0'] = true;
        }
        AwardCounters counters{static_cast<std::int16_t>(c.extra1),
                               static_cast<std::int16_t>(c.extra2)};
        SeededRandom random(7);
        const int stockBefore = std::accumulate(state.comodines.begin(), state.comodines.end(), 0);

        const AwardOutcome outcome = applyAwardRules(state, counters, random);

        EXPECT_EQ(codes(outcome), c.awarded);
        EXPECT_EQ(std::accumulate(state.comodines.begin(), state.comodines.end(), 0),
                  stockBefore + static_cast<int>(outcome.awards.size()));
        EXPECT_EQ(counters, (AwardCounters{static_cast<std::int16_t>(c.extra1After),
                                           static_cast<std::int16_t>(c.extra2After)}));
        // The all-used award starts the seven over; Suerte's flag stays.
        for (int k = 1; k <= kSuerte; ++k) {
            const bool wasUsed = std::string(c.used).find(char('0' + k)) != std::string::npos;
            const bool cleared = k != kSuerte && codes(outcome) == "A";
            EXPECT_EQ(state.comodin_usado[k], wasUsed && !cleared) << k;
        }
    }
}

TEST(AwardRules, FiveSuerteOrALongStreakOfferTheSpecialJoker) {
    const struct {
        int nivel, suerte, sinComodines, sinFinalizar;
        bool offer, traded;
        int suerteAfter, sinComodinesAfter, sinFinalizarAfter;
    } cases[] = {
        {5, 4, 0, 0, true, true, 0, 0, 0}, // the fifth from the every-5 award
        {1, 5, 0, 0, true, true, 0, 0, 0},     {4, 4, 0, 0, false, false, 4, 0, 0},
        {5, 5, 0, 0, false, false, 6, 0, 0},   {1, 1, 10, 3, true, false, 1, 0, 3},
        {1, 1, 4, 15, true, false, 1, 4, 0},   {1, 1, 10, 15, true, false, 1, 0, 0},
        {1, 1, 9, 14, false, false, 1, 9, 14}, {1, 1, 11, 16, false, false, 1, 11, 16},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.nivel << ", " << c.suerte << ", " << c.sinComodines
                                          << ", " << c.sinFinalizar);
        EvolutionState state = finishedLevel(c.nivel);
        state.comodines[kSuerte] = static_cast<std::int16_t>(c.suerte);
        state.racha_sin_comodines = static_cast<std::int16_t>(c.sinComodines);
        state.racha_sin_finalizar = static_cast<std::int16_t>(c.sinFinalizar);
        AwardCounters counters;
        ScriptedRandom random;
        const AwardOutcome outcome = applyAwardRules(state, counters, random);
        EXPECT_EQ(outcome.offerSpecial, c.offer);
        EXPECT_EQ(outcome.suerteTraded, c.traded);
        EXPECT_EQ(state.comodines[kSuerte], c.suerteAfter);
        EXPECT_EQ(state.racha_sin_comodines, c.sinComodinesAfter);
        EXPECT_EQ(state.racha_sin_finalizar, c.sinFinalizarAfter);
    }
}

} // namespace
} // namespace quenza
