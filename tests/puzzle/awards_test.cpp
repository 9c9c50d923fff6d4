#include "fake_random.h"
#include "puzzle/evolution.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <set>
#include <string>
#include <vector>

namespace quenza {
namespace {

using testing::pick;
using testing::ScriptedRandom;
using testing::SeededRandom;
using R = AwardRoutine;

const std::string kNoJokerMessage =
    "Comodin ganado por haber pasado de nivel sin utilizar comodines";
const std::string kTimeMessage = "Comod\u00edn ganado por tiempo";
const std::string kEveryThreeMessage = "Comodin que ganas cada 3 niveles";
const std::string kThreeLevelsMessage = "Comodin conseguido por ganar 3 partidas sin comodines";
const std::string kFiveLevelsMessage =
    "Comodin obtenido por ganar 5 partidas sin usar el comodin Rayo";
const std::string kEveryFiveMessage = "Comodin que ganas cada 5 niveles";
const std::string kAllUsedMessage = "Comodin obtenido por utilizar todos los comodines";

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

int stockTotal(const EvolutionState& state) {
    return std::accumulate(state.comodines.begin(), state.comodines.end(), 0);
}

std::vector<std::string> messages(const AwardOutcome& outcome) {
    std::vector<std::string> texts;
    for (const auto& award : outcome.awards) {
        texts.push_back(award.message);
    }
    return texts;
}

int countMessage(const std::vector<std::string>& texts, const std::string& text) {
    return static_cast<int>(std::count(texts.begin(), texts.end(), text));
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
        {R::RandomJoker1, kEliminar, kNoJokerMessage},
        {R::RandomJoker2, kEliminar, kTimeMessage},
        {R::RandomJoker3, kUniDireccion, kEveryThreeMessage},
        {R::FinalizarJoker, kFinalizar, kThreeLevelsMessage},
        {R::SuerteJoker, kSuerte, kEveryFiveMessage},
    };
    EXPECT_EQ(outcome.awards, expected);
    EXPECT_EQ(random.reseeds, 3);
    EXPECT_EQ(random.draws, 3);
    const std::array<std::int16_t, 10> stock{0, 1, 1, 3, 1, 1, 2, 2, 2, 0};
    EXPECT_EQ(state.comodines, stock);
    EXPECT_EQ(counters.extra1, 3);
    EXPECT_EQ(counters.extra2, 1);
    EXPECT_FALSE(outcome.offerSpecial);
}

TEST(AwardRules, EachRuleOnItsOwnCondition) {
    const struct {
        const char* name;
        int nivel;
        bool sinComodines, sinFinalizar;
        int dentro, extra1, extra2;
        std::vector<std::string> awarded;
        int extra1After, extra2After;
    } cases[] = {
        {"nothing earned", 1, false, false, 0, 0, 0, {}, 0, 0},
        {"no joker", 1, true, true, 0, 0, 0, {kNoJokerMessage}, 1, 1},
        {"last second of the time window", 2, false, false, 1, 0, 0, {kTimeMessage}, 0, 0},
        {"time window closed", 2, false, false, 0, 0, 0, {}, 0, 0},
        {"every third level", 3, false, false, 0, 0, 0, {kEveryThreeMessage}, 0, 0},
        {"every fifth level", 5, false, false, 0, 0, 0, {kEveryFiveMessage}, 0, 0},
        {"third and fifth",
         30,
         false,
         false,
         0,
         0,
         0,
         {kEveryThreeMessage, kEveryFiveMessage},
         0,
         0},
        {"three without jokers",
         4,
         true,
         true,
         0,
         2,
         3,
         {kNoJokerMessage, kThreeLevelsMessage},
         3,
         4},
        {"five without Finalizar", 4, false, true, 0, 0, 4, {kFiveLevelsMessage}, 0, 5},
        {"five lost while extra1 is 3", 4, false, true, 0, 3, 4, {}, 3, 5},
        {"five given once extra1 is past 3",
         4,
         true,
         true,
         0,
         3,
         4,
         {kNoJokerMessage, kFiveLevelsMessage},
         4,
         5},
        {"past five: equality only", 4, false, true, 0, 0, 5, {}, 0, 6},
        {"past three: equality only", 4, true, false, 0, 3, 0, {kNoJokerMessage}, 4, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EvolutionState state = finishedLevel(c.nivel);
        state.sin_comodines = c.sinComodines;
        state.sin_finalizar = c.sinFinalizar;
        state.dentro_seg = static_cast<std::int16_t>(c.dentro);
        AwardCounters counters{static_cast<std::int16_t>(c.extra1),
                               static_cast<std::int16_t>(c.extra2)};
        SeededRandom random(7);
        const int stockBefore = stockTotal(state);

        const AwardOutcome outcome = applyAwardRules(state, counters, random);

        EXPECT_EQ(messages(outcome), c.awarded);
        EXPECT_EQ(stockTotal(state), stockBefore + static_cast<int>(c.awarded.size()));
        EXPECT_EQ(counters.extra1, c.extra1After);
        EXPECT_EQ(counters.extra2, c.extra2After);
    }
}

TEST(AwardRules, RandomAwardsNeverGiveSuerte) {
    SeededRandom random(99);
    std::set<int> drawn;
    for (int i = 0; i < 300; ++i) {
        EvolutionState state = finishedLevel(1);
        state.sin_comodines = true;
        AwardCounters counters{10, 10};
        const AwardOutcome outcome = applyAwardRules(state, counters, random);
        ASSERT_EQ(outcome.awards.size(), 1u);
        drawn.insert(outcome.awards[0].joker);
    }
    EXPECT_EQ(drawn, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
}

TEST(AwardRules, AllJokersUsedWaitsForALevelThatIsNoMultipleOfFive) {
    // Suerte and six of the seven are not all.
    EvolutionState state = finishedLevel(9);
    state.comodin_usado = {false, true, true, true, true, true, true, false, true, false};
    AwardCounters counters;
    ScriptedRandom random;
    EXPECT_EQ(countMessage(messages(applyAwardRules(state, counters, random)), kAllUsedMessage), 0);

    continueWith(state, kUniDireccion, random);
    AwardOutcome outcome = applyAwardRules(state, counters, random);
    EXPECT_EQ(messages(outcome), std::vector<std::string>{kEveryFiveMessage});
    for (int k = 1; k <= kUniDireccion; ++k) {
        EXPECT_TRUE(state.comodin_usado[k]) << k;
    }

    continueWith(state, kNoJoker, random);
    outcome = applyAwardRules(state, counters, random);
    const std::vector<Award> expected{{R::SuerteJoker, kSuerte, kAllUsedMessage}};
    EXPECT_EQ(outcome.awards, expected);
    EXPECT_EQ(state.comodines[kSuerte], 3);
    for (int k = 1; k <= kUniDireccion; ++k) {
        EXPECT_FALSE(state.comodin_usado[k]) << k;
    }
    EXPECT_TRUE(state.comodin_usado[kSuerte]); // Suerte is not one of the seven

    // Cleared, so the next level does not give it again.
    continueWith(state, kNoJoker, random);
    EXPECT_EQ(countMessage(messages(applyAwardRules(state, counters, random)), kAllUsedMessage), 0);
}

TEST(AwardRules, FiveSuerteJokersAreTradedForTheSpecialOffer) {
    const struct {
        const char* name;
        int nivel, suerte;
        bool offer;
        int suerteAfter;
    } cases[] = {
        {"fifth reached by the every-5 award", 5, 4, true, 0},
        {"five already in stock", 1, 5, true, 0},
        {"four", 4, 4, false, 4},
        {"sixth reached: equality only", 5, 5, false, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EvolutionState state = finishedLevel(c.nivel);
        state.comodines[kSuerte] = static_cast<std::int16_t>(c.suerte);
        AwardCounters counters;
        ScriptedRandom random;
        const AwardOutcome outcome = applyAwardRules(state, counters, random);
        EXPECT_EQ(outcome.offerSpecial, c.offer);
        EXPECT_EQ(outcome.suerteTraded, c.offer);
        EXPECT_EQ(state.comodines[kSuerte], c.suerteAfter);
    }
}

TEST(AwardRules, LongStreaksEarnTheSpecialOfferAndStartAgain) {
    const struct {
        int sinComodines, sinFinalizar;
        bool offer;
        int sinComodinesAfter, sinFinalizarAfter;
    } cases[] = {
        {10, 3, true, 0, 3},   {4, 15, true, 4, 0},     {10, 15, true, 0, 0},
        {9, 14, false, 9, 14}, {11, 16, false, 11, 16},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.sinComodines << ", " << c.sinFinalizar);
        EvolutionState state = finishedLevel(1);
        state.racha_sin_comodines = static_cast<std::int16_t>(c.sinComodines);
        state.racha_sin_finalizar = static_cast<std::int16_t>(c.sinFinalizar);
        AwardCounters counters;
        ScriptedRandom random;
        const AwardOutcome outcome = applyAwardRules(state, counters, random);
        EXPECT_EQ(outcome.offerSpecial, c.offer);
        EXPECT_FALSE(outcome.suerteTraded);
        EXPECT_EQ(state.comodines[kSuerte], 1);
        EXPECT_EQ(state.racha_sin_comodines, c.sinComodinesAfter);
        EXPECT_EQ(state.racha_sin_finalizar, c.sinFinalizarAfter);
    }
}

// One level as the game plays it: the joker chosen before it, the jokers
// pressed during it, the opening of the level-complete window and its awards.
AwardOutcome playLevel(EvolutionState& state, AwardCounters& counters, Random& random, int chosen,
                       const std::vector<int>& pressed, int words = 5) {
    startLevel(state, chosen);
    for (int joker : pressed) {
        pressJoker(state, joker);
    }
    levelPassed(state, words);
    return applyAwardRules(state, counters, random);
}

TEST(AwardRules, FinalizarLosesTheNoJokerAwardAndTheFiveLevelProgress) {
    EvolutionState state;
    newEvolutionGame(state);
    AwardCounters counters{1, 2};
    ScriptedRandom random;

    const AwardOutcome outcome = playLevel(state, counters, random, kNoJoker, {kFinalizar}, 7);

    EXPECT_TRUE(outcome.awards.empty());
    EXPECT_EQ(counters.extra1, 1);
    EXPECT_EQ(counters.extra2, 2);
    EXPECT_EQ(state.puntuacion, -50 + 70);
    EXPECT_EQ(state.comodines[kFinalizar], 0);
    EXPECT_EQ(state.racha_sin_comodines, 1);
    EXPECT_EQ(state.racha_sin_finalizar, 1);

    // Another joker pressed keeps the Finalizar progress going.
    continueWith(state, kNoJoker, random);
    playLevel(state, counters, random, kNoJoker, {kMostrar});
    EXPECT_EQ(counters.extra1, 1);
    EXPECT_EQ(counters.extra2, 3);
}

// The levels of a forty-level run, from a new game, whose window gave `message`.
std::vector<int> levelsAwarding(const std::string& message, AwardCounters counters,
                                int (*chosenAfter)(int level)) {
    EvolutionState state;
    newEvolutionGame(state);
    SeededRandom random(2024);
    std::vector<int> levels;
    int chosen = kNoJoker;
    for (int level = 1; level <= 40; ++level) {
        if (countMessage(messages(playLevel(state, counters, random, chosen, {})), message) > 0) {
            levels.push_back(level);
        }
        chosen = chosenAfter(level);
        continueWith(state, chosen, random);
    }
    return levels;
}

TEST(AwardRules, ThreeAndFiveLevelAwardsComeOnceARun) {
    // Two levels without jokers, three with one chosen before them, then none.
    const auto someJokers = [](int level) { return level >= 2 && level <= 4 ? level - 1 : 0; };
    EXPECT_EQ(levelsAwarding(kFiveLevelsMessage, {}, someJokers), std::vector<int>{5});
    EXPECT_EQ(levelsAwarding(kThreeLevelsMessage, {}, someJokers), std::vector<int>{6});

    // The fifth level without Finalizar falls while extra1 stands at 3: lost.
    const auto noJokers = [](int) { return 0; };
    EXPECT_EQ(levelsAwarding(kThreeLevelsMessage, {2, 4}, noJokers), std::vector<int>{1});
    EXPECT_EQ(levelsAwarding(kFiveLevelsMessage, {2, 4}, noJokers), std::vector<int>{});
}

TEST(AwardRules, LongStreaksAndTheFifthSuerteOfferTheSpecialJoker) {
    EvolutionState state;
    newEvolutionGame(state);
    AwardCounters counters;
    SeededRandom random(11);
    std::vector<int> offeredAt, tradedAt;
    for (int level = 1; level <= 20; ++level) {
        const AwardOutcome outcome = playLevel(state, counters, random, kNoJoker, {});
        if (outcome.offerSpecial) {
            offeredAt.push_back(level);
        }
        if (outcome.suerteTraded) {
            tradedAt.push_back(level);
        }
        continueWith(state, kNoJoker, random);
    }
    // Ten levels without jokers (10, 20), fifteen without Finalizar (15), and
    // the Suerte stock grown by every fifth level to 5 (20).
    EXPECT_EQ(offeredAt, (std::vector<int>{10, 15, 20}));
    EXPECT_EQ(tradedAt, std::vector<int>{20});
    EXPECT_EQ(state.comodines[kSuerte], 0);
    EXPECT_EQ(state.racha_sin_comodines, 0);
    EXPECT_EQ(state.racha_sin_finalizar, 5);
}

} // namespace
} // namespace quenza
