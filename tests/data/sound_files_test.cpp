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

// The plain 44-byte header of PCM at 22050 Hz, 16 bits, one channel:
// RIFF/WAVE, a 16-byte format chunk, then the data chunk to the end of the file.
const std::string
    kHeader("RIFF....WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xAC\0\0\x02\0\x10\0data", 40);

TEST(ShippedSounds, AreShortPcmAudibleWithoutClippingOrClicks) {
    for (const std::string name : kSounds) {
        SCOPED_TRACE(name);
        const std::string bytes = readBytes(QUENZA_SOURCE_DATA_DIR, name);
        ASSERT_GT(bytes.size(), 44u);
        std::string header = bytes.substr(0, 40);
        header.replace(4, 4, "....");
        EXPECT_EQ(header, kHeader) << "not a plain 16-bit PCM mono WAV at 22050 Hz";
        EXPECT_EQ(little(bytes, 4, 4), bytes.size() - 8);
        ASSERT_EQ(little(bytes, 40, 4), bytes.size() - 44);
        std::vector<int> samples;
        for (std::size_t at = 44; at + 1 < bytes.size(); at += 2) {
            samples.push_back(static_cast<std::int16_t>(little(bytes, at, 2)));
        }
        const double seconds = static_cast<double>(samples.size()) / 22050;
        EXPECT_TRUE(seconds > 0.05 && seconds <= 4.0) << seconds << " s";
        int peak = 0;
        for (const int s : samples) {
            peak = std::max(peak, std::abs(s));
        }
        if (name == "silencio") {
            EXPECT_EQ(peak, 0) << "not silent";
            continue;
        }
        const double peakDb = 20.0 * std::log10(std::max(peak, 1) / 32768.0);
        EXPECT_TRUE(peakDb <= -1.0 && peakDb >= -6.0) << "peaks at " << peakDb << " dB";
        // A sound that starts or stops away from zero clicks.
        EXPECT_LT(std::abs(samples.front()), 100);
        EXPECT_LT(std::abs(samples.back()), 100);
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
