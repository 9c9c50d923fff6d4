#include "evolution.h"

#include "text.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace quenza {

std::string_view jokerName(int joker) {
    static constexpr std::array<std::string_view, kJokerKinds> kNames{
        "Mostrar", "Mostrar3",  "Eliminar",     "Visor",
        "Tiempo",  "Finalizar", "UniDireccion", "Suerte"};
    if (joker < 1 || joker > kJokerKinds) {
        return {};
    }
    return kNames[static_cast<std::size_t>(joker - 1)];
}

namespace {

bool isStockJoker(int joker) {
    return joker >= 1 && joker <= kJokerKinds;
}

// The jokers that can be ticked on the level-complete window for the next level.
bool isChoosableJoker(int joker) {
    return joker >= 1 && joker <= kUniDireccion;
}

std::size_t at(int joker) {
    return static_cast<std::size_t>(joker);
}

// A joker's points chosen before a level and pressed during one. Finalizar is
// never chosen before a level, UniDireccion and Suerte never pressed during one.
struct JokerPrice {
    std::int16_t beforeLevel = 0;
    std::int16_t duringLevel = 0;
};

constexpr std::array<JokerPrice, kJokerKinds + 1> kJokerPrices{{
    {0, 0},   // no joker
    {20, 20}, // Mostrar
    {20, 20}, // Mostrar3
    {20, 20}, // Eliminar
    {30, 30}, // Visor
    {10, 10}, // Tiempo
    {0, 50},  // Finalizar
    {30, 0},  // UniDireccion
    {0, 0},   // Suerte
}};

JokerPrice priceOf(int joker) {
    return isStockJoker(joker) ? kJokerPrices[at(joker)] : JokerPrice{};
}

} // namespace

void add16(std::int16_t& counter, long delta) {
    // Clamping the delta first keeps the sum itself from overflowing a long.
    constexpr long widest = 1L << 17;
    counter = saturate16(counter + std::clamp(delta, -widest, widest));
}

std::int16_t costBeforeLevel(int joker) {
    return priceOf(joker).beforeLevel;
}

std::int16_t costDuringLevel(int joker) {
    return priceOf(joker).duringLevel;
}

void newEvolutionGame(EvolutionState& state) {
    state.segundos_partida = 0;
    state.nivel_actual = 1;
    for (int k = 1; k <= kJokerKinds; ++k) {
        state.comodines[at(k)] = 1;
        state.comodin_usado[at(k)] = false;
    }
    state.puntuacion = 0;
}

void startLevel(EvolutionState& state, int comodinn) {
    state.sin_comodines = comodinn == kNoJoker;
    add16(state.puntuacion, -costBeforeLevel(comodinn));
    state.sin_finalizar = true;
}

void pressJoker(EvolutionState& state, int joker) {
    add16(state.puntuacion, -costDuringLevel(joker));
    const bool finalizar = joker == kFinalizar;
    state.sin_comodines = false;
    if (finalizar) {
        state.sin_finalizar = false;
    }
    state.racha_sin_comodines = 0;
    if (finalizar) {
        state.racha_sin_finalizar = 0;
    }
    if (isStockJoker(joker)) {
        add16(state.comodines[at(joker)], -1);
        state.comodin_usado[at(joker)] = true;
    }
}

void levelPassed(EvolutionState& state, int words) {
    add16(state.puntuacion, 10L * words);
    add16(state.racha_sin_comodines, 1);
    add16(state.racha_sin_finalizar, 1);
}

void continueWith(EvolutionState& state, int valor, Random& random) {
    add16(state.nivel_actual, 1);
    if (isChoosableJoker(valor)) {
        add16(state.comodines[at(valor)], -1);
    }
    if (valor == kUniDireccion) {
        random.reseedFromClock();
        state.direccion_unica = static_cast<std::int16_t>(drawBelow(random, 4) + 1);
    } else {
        state.direccion_unica = 0;
    }
    if (isChoosableJoker(valor)) {
        state.comodin_usado[at(valor)] = true;
        state.racha_sin_comodines = 0;
    }
}

void takeSpecialJoker(EvolutionState& state) {
    add16(state.nivel_actual, 10);
    for (int k = 1; k <= kJokerKinds; ++k) {
        add16(state.comodines[at(k)], 1);
    }
    add16(state.puntuacion, 500);
}

} // namespace quenza
