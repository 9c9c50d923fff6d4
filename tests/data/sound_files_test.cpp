// The shipped sound effects: ten short 16-bit PCM mono WAV files the game
// plays by name, none clipping, none starting or stopping with a click.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

const char* const kSounds[] = {"ding",  "sirena",   "sin_comodin", "excellent", "limbo",
                               "magia", "especial", "wmpaud2",     "wmpaud5",   "silencio"};

std::string readBytes(const char* folder, const std::string& name) {
    std::ifstream in(std::string(folder) + "/fx/" + name + ".wav", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t little(const std::string& bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

struct Wav {
    std::vector<std::uint32_t> format; // code, channels, rate, bytes a second, block, bits
    std::vector<std::int16_t> samples;
};

// Walks the RIFF chunks; a file that is not RIFF/WAVE or whose chunks do not
// fit in it reads as empty.
Wav readWav(const std::string& bytes) {
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0 ||
        little(bytes, 4, 4) != bytes.size() - 8) {
        return {};
    }
    Wav wav;
    for (std::size_t at = 12, size = 0; at + 8 <= bytes.size(); at += 8 + size + size % 2) {
        size = little(bytes, at + 4, 4);
        if (at + 8 + size > bytes.size()) {
            return {};
        }
        if (bytes.compare(at, 4, "fmt ") == 0 && size >= 16) {
            constexpr std::size_t kFields[][2] = {{0, 2}, {2, 2}, {4, 4}, {8, 4}, {12, 2}, {14, 2}};
            for (const auto& [offset, width] : kFields) {
                wav.format.push_back(little(bytes, at + 8 + offset, width));
            }
        } else if (bytes.compare(at, 4, "data") == 0) {
            for (std::size_t i = 0; i + 1 < size; i += 2) {
                wav.samples.push_back(static_cast<std::int16_t>(little(bytes, at + 8 + i, 2)));
            }
        }
    }
    return wav;
}

TEST(ShippedSounds, AreShortPcmAudibleWithoutClippingOrClicks) {
    for (const std::string name : kSounds) {
        SCOPED_TRACE(name);
        const Wav wav = readWav(readBytes(QUENZA_SOURCE_DATA_DIR, name));
        EXPECT_EQ(wav.format, (std::vector<std::uint32_t>{1, 1, 22050, 44100, 2, 16}))
            << "not 16-bit PCM mono at 22050 Hz";
        const double seconds = static_cast<double>(wav.samples.size()) / 22050;
        ASSERT_TRUE(seconds > 0.05 && seconds <= 4.0) << seconds << " s";
        int peak = 0;
        for (const std::int16_t s : wav.samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        }
        if (name == "silencio") {
            EXPECT_EQ(peak, 0) << "not silent";
            continue;
        }
        const double peakDb = 20.0 * std::log10(std::max(peak, 1) / 32768.0);
        EXPECT_TRUE(peakDb <= -1.0 && peakDb >= -6.0) << "peaks at " << peakDb << " dB";
        // A sound that starts or stops away from zero clicks.
        EXPECT_LT(std::abs(wav.samples.front()), 100);
        EXPECT_LT(std::abs(wav.samples.back()), 100);
    }
}

TEST(ShippedSounds, AreAllDifferentAndCopiedBesideTheExecutables) {
    std::set<std::string> contents;
    for (const std::string name : kSounds) {
        const std::string bytes = readBytes(QUENZA_SOURCE_DATA_DIR, name);
        EXPECT_TRUE(contents.insert(bytes).second) << name << " repeats another sound";
        EXPECT_TRUE(readBytes(QUENZA_BUILD_DATA_DIR, name) == bytes) << name << " is not current";
    }
}

} // namespace
