#pragma once

// What every fuzz target shares: the entry point libFuzzer (or the replay
// runner) calls, the invariant check that stops on the first broken rule, and
// the game's own text-file reader, so every target sees the lines the game
// would see.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace quenza::fuzz {

// A broken invariant is a finding just like a crash: abort so that libFuzzer
// keeps the input and the replay test fails.
inline void require(bool holds, const char* rule) {
    if (!holds) {
        std::fprintf(stderr, "broken invariant: %s\n", rule);
        std::abort();
    }
}

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The lines the game's own file reader gives for these bytes, in UTF-8 as
// the game hands them to the puzzle core (game_reader.cpp).
std::vector<std::string> linesAsTheGameReads(std::string_view bytes);

// A seed drawn from the input itself, so a given input always replays the
// same draws (FNV-1a).
inline std::uint64_t seedOf(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
    }
    return hash;
}

} // namespace quenza::fuzz
