#pragma once

// What every fuzz target shares: the input as the game's own text-file reader
// gives it, and the invariant check that stops on the first broken rule. Each
// target defines check(); the entry point libFuzzer (or the replay runner)
// calls is in fuzz_input.cpp.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace quenza::fuzz {

struct Input {
    std::string_view bytes;
    // The lines the game's own file reader gives for the bytes, in UTF-8 as
    // the game hands them to the puzzle core.
    std::vector<std::string> lines;
    // Drawn from the bytes (FNV-1a), so a given input always replays the same draws.
    std::uint64_t seed;
};

void check(const Input& input);

// A broken invariant is a finding just like a crash: abort so that libFuzzer
// keeps the input and the replay test fails.
inline void require(bool holds, const char* rule) {
    if (!holds) {
        std::fprintf(stderr, "broken invariant: %s\n", rule);
        std::abort();
    }
}

} // namespace quenza::fuzz
