#include "evolution.h"

#include <cstddef>

namespace quenza {

namespace {

constexpr const char* kNoJokerMessage =
    "Comodin ganado por haber pasado de nivel sin utilizar comodines";
constexpr const char* kTimeMessage = "Comodín ganado por tiempo";
constexpr const char* kEveryThreeMessage = "Comodin que ganas cada 3 niveles";
constexpr const char* kThreeLevelsMessage = "Comodin conseguido por ganar 3 partidas sin comodines";
constexpr const char* kFiveLevelsMessage =
    "Comodin obtenido por ganar 5 partidas sin usar el comodin Rayo";
constexpr const char* kEveryFiveMessage = "Comodin que ganas cada 5 niveles";
constexpr const char* kAllUsedMessage = "Comodin obtenido por utilizar todos los comodines";

constexpr int kSuerteTradeStock = 5;
constexpr int kNoJokerStreakForSpecial = 10;
constexpr int kNoFinalizarStreakForSpecial = 15;

std::size_t at(int joker) {
    return static_cast<std::size_t>(joker);
}

int awardedJoker(AwardRoutine routine, Random& random) {
    switch (routine) {
    case AwardRoutine::FinalizarJoker:
        return kFinalizar;
    case AwardRoutine::SuerteJoker:
        return kSuerte;
    default:
        random.reseedFromClock();
        return drawBelow(random, kUniDireccion) + 1;
    }
}

// Each award fills its own message just before its routine runs, and the
// slot it takes empties that message again, so every picture's tool tip is the
// reason of its own award. An opening gives at most five awards (the
// three-level and five-level awards exclude each other, and so do the every-5
// and all-used ones), so the five slots never run out and no message is left
// waiting.
void award(AwardOutcome& outcome, EvolutionState& state, AwardRoutine routine, const char* message,
           Random& random) {
    const int joker = awardedJoker(routine, random);
    add16(state.comodines[at(joker)], 1);
    outcome.awards.push_back(Award{routine, joker, message});
}

bool allChoosableJokersUsed(const EvolutionState& state) {
    int used = 0;
    for (int k = 1; k <= kUniDireccion; ++k) {
        used += state.comodin_usado[at(k)] ? 1 : 0;
    }
    return used == kUniDireccion;
}

} // namespace

AwardOutcome applyAwardRules(EvolutionState& state, AwardCounters& counters, Random& random) {
    AwardOutcome outcome;
    const bool everyThird = state.nivel_actual % 3 == 0;
    const bool everyFifth = state.nivel_actual % 5 == 0;

    if (state.sin_comodines) {
        award(outcome, state, AwardRoutine::RandomJoker1, kNoJokerMessage, random);
    }
    if (state.dentro_seg > 0) {
        award(outcome, state, AwardRoutine::RandomJoker2, kTimeMessage, random);
    }
    if (everyThird) {
        award(outcome, state, AwardRoutine::RandomJoker3, kEveryThreeMessage, random);
    }
    // Both counters only grow and are compared for equality, so each of these
    // two awards comes once a run; the five-level one is lost if it falls
    // while the three-level count stands at 3.
    if (state.sin_comodines) {
        add16(counters.extra1, 1);
        if (counters.extra1 == 3) {
            award(outcome, state, AwardRoutine::FinalizarJoker, kThreeLevelsMessage, random);
        }
    }
    if (state.sin_finalizar) {
        add16(counters.extra2, 1);
        if (counters.extra2 == 5 && counters.extra1 != 3) {
            award(outcome, state, AwardRoutine::FinalizarJoker, kFiveLevelsMessage, random);
        }
    }
    if (everyFifth) {
        award(outcome, state, AwardRoutine::SuerteJoker, kEveryFiveMessage, random);
    }
    // At a multiple of five the all-used award waits for a later level.
    if (allChoosableJokersUsed(state) && !everyFifth) {
        award(outcome, state, AwardRoutine::SuerteJoker, kAllUsedMessage, random);
        for (int k = 1; k <= kUniDireccion; ++k) {
            state.comodin_usado[at(k)] = false;
        }
    }

    const bool fiveSuerte = state.comodines[at(kSuerte)] == kSuerteTradeStock;
    if (fiveSuerte || state.racha_sin_comodines == kNoJokerStreakForSpecial ||
        state.racha_sin_finalizar == kNoFinalizarStreakForSpecial) {
        outcome.offerSpecial = true;
        if (fiveSuerte) {
            state.comodines[at(kSuerte)] = 0;
            outcome.suerteTraded = true;
        }
    }
    if (state.racha_sin_comodines == kNoJokerStreakForSpecial) {
        state.racha_sin_comodines = 0;
    }
    if (state.racha_sin_finalizar == kNoFinalizarStreakForSpecial) {
        state.racha_sin_finalizar = 0;
    }
    return outcome;
}

} // namespace quenza
