#pragma once

// What every fuzz target shares: the entry point libFuzzer (or the replay
// runner) calls, the invariant check that stops on the first broken rule, and
// the byte-level line cutting the game's file reader does before decoding.

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

// Lines as the file reader cuts them: at every line feed, one CR dropped from
// the end of each line, no empty line after a final line feed.
inline std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t feed = bytes.find('\n');
        std::string_view line = bytes.substr(0, feed);
        bytes = feed == std::string_view::npos ? std::string_view() : bytes.substr(feed + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
    }
    return lines;
}

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
