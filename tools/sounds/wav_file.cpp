#include "wav_file.h"

#include <fstream>
#include <string_view>

namespace quenza::sounds {

namespace {

// WAV fields are little-endian whatever the host is.
void put(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xFFu));
    }
}

void put(std::ofstream& out, std::string_view tag) {
    out.write(tag.data(), std::ssize(tag));
}

} // namespace

bool writeWav(const std::filesystem::path& path, const std::vector<std::int16_t>& samples,
              int sampleRate) {
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBitsPerSample = 16;
    constexpr std::uint32_t kBlockAlign = kChannels * kBitsPerSample / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    put(out, "RIFF");
    put(out, 36 + dataBytes, 4);
    put(out, "WAVE");
    put(out, "fmt ");
    put(out, 16, 4); // size of the PCM format chunk
    put(out, 1, 2);  // PCM
    put(out, kChannels, 2);
    put(out, static_cast<std::uint32_t>(sampleRate), 4);
    put(out, static_cast<std::uint32_t>(sampleRate) * kBlockAlign, 4);
    put(out, kBlockAlign, 2);
    put(out, kBitsPerSample, 2);
    put(out, "data");
    put(out, dataBytes, 4);
    for (const std::int16_t sample : samples) {
        put(out, static_cast<std::uint16_t>(sample), 2);
    }
    return static_cast<bool>(out.flush());
}

} // namespace quenza::sounds
