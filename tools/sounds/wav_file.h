#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace quenza::sounds {

// Writes 16-bit PCM mono samples as a RIFF/WAVE file. Returns false when the
// file cannot be written.
bool writeWav(const std::filesystem::path& path, const std::vector<std::int16_t>& samples,
              int sampleRate);

} // namespace quenza::sounds
