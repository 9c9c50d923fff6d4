#pragma once

#include "board.h"
#include "random.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quenza {

// Joker numbers: the index into the stock, the joker chosen for a level and
// the joker a press or an award concerns.
enum Joker : int {
    kNoJoker = 0,
    kMostrar = 1,
    kMostrar3 = 2,
    kEliminar = 3,
    kVisor = 4,
    kTiempo = 5,
    kFinalizar = 6,
    kUniDireccion = 7,
    kSuerte = 8,
};
inline constexpr int kJokerKinds = 8;   // 1..8 are the game's jokers
inline constexpr int kInGameJokers = 6; // 1..6 have a button on the main window
inline constexpr int kEliminarDraws = 46;

// The joker as the player knows it, 1..8: "Mostrar" .. "Suerte"; empty for
// any other number.
std::string_view jokerName(int joker);

// The evolution game: level, score, game time, joker stock and the flags and
// streaks the level-complete window rewards. Every counter is 16-bit and
// saturates instead of wrapping.
struct EvolutionState {
    std::int16_t nivel_actual = 1;
    std::int16_t puntuacion = 0;
    std::int16_t segundos_partida = 0;
    std::array<std::int16_t, 10> comodines{};
    std::array<bool, 10> comodin_usado{};
    bool sin_comodines = true;
    bool sin_finalizar = true;
    std::int16_t racha_sin_comodines = 0;
    std::int16_t racha_sin_finalizar = 0;
    bool especial_disponible = false;
    // 0: words placed in any direction; 1..4 the direction UniDireccion forces.
    std::int16_t direccion_unica = 0;
    // Seconds left in the level's 60-second joker-time window.
    std::int16_t dentro_seg = 0;
};

// Adds `delta` to a 16-bit counter, saturating at the 16-bit limits.
void add16(std::int16_t& counter, long delta);

// Points a joker costs when chosen before a level (Finalizar and Suerte cost
// nothing there), and when pressed during one.
std::int16_t costBeforeLevel(int joker);
std::int16_t costDuringLevel(int joker);

// A new game: level 1, no score, no game time, one joker of every kind, none
// used. The streaks, the special offer and the direction are left alone.
void newEvolutionGame(EvolutionState& state);

// The flags and points of a level start with `comodinn` chosen before it.
void startLevel(EvolutionState& state, int comodinn);

// The common steps of a joker pressed during a level: its cost, the level's
// no-joker (and for Finalizar no-Finalizar) flags and streaks, the stock and
// the used flag.
void pressJoker(EvolutionState& state, int joker);

// What opening the level-complete window credits: ten points per word of the
// finished level (found or not) and one more level for both streaks.
void levelPassed(EvolutionState& state, int words);

// "Continuar" with `valor` ticked (0 = none): the next level, the joker taken
// from the stock, the direction drawn for UniDireccion.
void continueWith(EvolutionState& state, int valor, Random& random);

// The special joker taken: ten levels ahead, one joker of every kind, 500
// points.
void takeSpecialJoker(EvolutionState& state);

// The routines of the level-complete window that hand out an award, each with
// its own blink and its own message.
enum class AwardRoutine { RandomJoker1, RandomJoker2, RandomJoker3, FinalizarJoker, SuerteJoker };

struct Award {
    AwardRoutine routine = AwardRoutine::RandomJoker1;
    int joker = 0;       // the joker added to the stock
    std::string message; // the reason, shown as the award's tool tip (UTF-8)
    friend bool operator==(const Award&, const Award&) = default;
};

// The level-complete window's own counters, kept for the whole run.
struct AwardCounters {
    std::int16_t extra1 = 0; // levels passed without any joker
    std::int16_t extra2 = 0; // levels passed without Finalizar
    friend bool operator==(const AwardCounters&, const AwardCounters&) = default;
};

struct AwardOutcome {
    std::vector<Award> awards; // in the order they were given (the slot order)
    bool offerSpecial = false; // the special joker is offered in this opening
    bool suerteTraded = false; // five Suerte jokers were traded for that offer
};

// The award rules of a finished level, applied once the window has grown
// open: every award is already added to the stock, the used flags are
// cleared by the "todos los comodines" award, five Suerte jokers are traded
// and the streaks reset when they earned the special offer.
AwardOutcome applyAwardRules(EvolutionState& state, AwardCounters& counters, Random& random);

// (Every random draw below but Eliminar's reseeds the generator from the
// clock first, as the game always did.)

// A Suerte play: one Suerte joker spent and 2 to 5 distinct kinds of 1..7
// drawn, each given a sign: +1 adds one joker, -1 takes one unless the stock
// is already 0. signs[k] is 0 for the kinds not drawn.
struct LuckDraw {
    int kinds = 0;
    std::array<int, kJokerKinds + 1> signs{};
};
LuckDraw playSuerte(EvolutionState& state, Random& random);

// Eliminar's 46 draws over the cells holding filler letters. A cell may be
// drawn more than once. The board must have at least one free cell: on a
// board without one nothing is drawn and every slot is 0. Unlike
// the other draws here, this one does not reseed: the in-game joker reseeds
// first, the joker chosen before a level does not.
std::array<std::int16_t, kEliminarDraws> drawEliminarCells(const Board& board, Random& random);

} // namespace quenza
