#pragma once

#include "synth.h"

#include <string>
#include <vector>

namespace quenza::sounds {

// One of the game's sound effects: the file name (without ".wav") the game
// plays it by, and its signal.
struct Recipe {
    std::string name;
    Signal signal;
};

// The ten effects of the game, each at most four seconds long.
std::vector<Recipe> gameSounds();

} // namespace quenza::sounds
