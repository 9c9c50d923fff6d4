#pragma once

#include <cstdint>

namespace quenza {

// Seconds granted for an evolution level of `words` words at level `nivel`
// (the Tiempo joker's doubling is applied by the caller).
std::int16_t tiempo_nivel(int nivel, int words);

} // namespace quenza
