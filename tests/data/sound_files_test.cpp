// The shipped sound effects: ten short 16-bit PCM mono WAV files the game
// plays by name, none clipping, none starting or stopping with a click.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kSounds = {"ding",    "sirena",  "sin_comodin", "excellent",
                                          "limbo",   "magia",   "especial",    "wmpaud2",
                                          "wmpaud5", "silencio"};

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t little(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

struct Wav {
    std::uint16_t format = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::vector<std::int16_t> samples;
};

// Walks the RIFF chunks; returns the reason when the file is not a WAVE file
// with a format chunk and a data chunk that fit inside it.
std::optional<Wav> readWav(const std::string& bytes, std::string& error) {
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        error = "not a RIFF/WAVE file";
        return std::nullopt;
    }
    if (little(bytes, 4, 4) != bytes.size() - 8) {
        error = "the RIFF size does not match the file size";
        return std::nullopt;
    }
    Wav wav;
    bool haveFormat = false;
    bool haveData = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::size_t size = little(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > bytes.size()) {
            error = "chunk " + id + " runs past the end of the file";
            return std::nullopt;
        }
        if (id == "fmt " && size >= 16) {
            wav.format = static_cast<std::uint16_t>(little(bytes, body, 2));
            wav.channels = static_cast<std::uint16_t>(little(bytes, body + 2, 2));
            wav.sampleRate = little(bytes, body + 4, 4);
            wav.byteRate = little(bytes, body + 8, 4);
            wav.blockAlign = static_cast<std::uint16_t>(little(bytes, body + 12, 2));
            wav.bitsPerSample = static_cast<std::uint16_t>(little(bytes, body + 14, 2));
            haveFormat = true;
        } else if (id == "data") {
            for (std::size_t i = 0; i + 1 < size; i += 2) {
                wav.samples.push_back(static_cast<std::int16_t>(little(bytes, body + i, 2)));
            }
            haveData = true;
        }
        at = body + size + (size % 2); // chunks are padded to even sizes
    }
    if (!haveFormat || !haveData) {
        error = haveFormat ? "no data chunk" : "no format chunk";
        return std::nullopt;
    }
    return wav;
}

std::string soundPath(const std::string& dataDir, const std::string& name) {
    return dataDir + "/fx/" + name + ".wav";
}

TEST(ShippedSounds, AreShortMonoSixteenBitPcm) {
    for (const std::string& name : kSounds) {
        SCOPED_TRACE(name);
        const std::string bytes = readBytes(soundPath(QUENZA_SOURCE_DATA_DIR, name));
        ASSERT_FALSE(bytes.empty()) << "missing " << soundPath(QUENZA_SOURCE_DATA_DIR, name);
        std::string error;
        const auto wav = readWav(bytes, error);
        ASSERT_TRUE(wav) << error;
        EXPECT_EQ(wav->format, 1) << "not PCM";
        EXPECT_EQ(wav->channels, 1);
        EXPECT_EQ(wav->bitsPerSample, 16);
        EXPECT_EQ(wav->sampleRate, 22050u);
        EXPECT_EQ(wav->blockAlign, 2);
        EXPECT_EQ(wav->byteRate, wav->sampleRate * 2);
        const double seconds = static_cast<double>(wav->samples.size()) / wav->sampleRate;
        EXPECT_GT(seconds, 0.05);
        EXPECT_LE(seconds, 4.0);
    }
}

TEST(ShippedSounds, SilencioIsTrueSilence) {
    std::string error;
    const auto wav = readWav(readBytes(soundPath(QUENZA_SOURCE_DATA_DIR, "silencio")), error);
    ASSERT_TRUE(wav) << error;
    ASSERT_FALSE(wav->samples.empty());
    EXPECT_TRUE(std::all_of(wav->samples.begin(), wav->samples.end(),
                            [](std::int16_t s) { return s == 0; }));
}

TEST(ShippedSounds, AreAudibleWithoutClippingOrClicks) {
    constexpr double kFullScale = 32768.0;
    for (const std::string& name : kSounds) {
        if (name == "silencio") {
            continue;
        }
        SCOPED_TRACE(name);
        std::string error;
        const auto wav = readWav(readBytes(soundPath(QUENZA_SOURCE_DATA_DIR, name)), error);
        ASSERT_TRUE(wav) << error;
        ASSERT_FALSE(wav->samples.empty());
        int peak = 0;
        for (const std::int16_t s : wav->samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        }
        const double peakDb = 20.0 * std::log10(std::max(peak, 1) / kFullScale);
        EXPECT_LT(peak, 32767) << "reaches full scale";
        EXPECT_LE(peakDb, -1.0) << "no headroom";
        EXPECT_GE(peakDb, -6.0) << "too quiet beside the other sounds";
        // A sound that starts or stops away from zero clicks.
        EXPECT_LT(std::abs(wav->samples.front()), 100);
        EXPECT_LT(std::abs(wav->samples.back()), 100);
    }
}

TEST(ShippedSounds, AreAllDifferent) {
    std::set<std::string> contents;
    for (const std::string& name : kSounds) {
        EXPECT_TRUE(contents.insert(readBytes(soundPath(QUENZA_SOURCE_DATA_DIR, name))).second)
            << name << " repeats another sound";
    }
}

TEST(ShippedSounds, TheCopiesBesideTheExecutablesAreCurrent) {
    for (const std::string& name : kSounds) {
        EXPECT_TRUE(readBytes(soundPath(QUENZA_BUILD_DATA_DIR, name)) ==
                    readBytes(soundPath(QUENZA_SOURCE_DATA_DIR, name)))
            << soundPath(QUENZA_BUILD_DATA_DIR, name) << " differs from the source";
    }
}

} // namespace
