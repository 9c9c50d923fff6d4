// Rebuild the game's sounds with `quenza-make-sounds data/fx` from the source tree.
//
// Synthesises the ten effects the game plays as 16-bit PCM mono WAV files at
// 22050 Hz into the folder given on the command line.

#include "recipes.h"
#include "wav_file.h"

#include <filesystem>
#include <iostream>

namespace {

constexpr double kPeakDbfs = -3.0;

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: quenza-make-sounds <folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "cannot create " << folder << ": " << error.message() << '\n';
        return 1;
    }
    for (const auto& recipe : quenza::sounds::gameSounds()) {
        const auto path = folder / (recipe.name + ".wav");
        const auto pcm = quenza::sounds::toPcm(recipe.signal, kPeakDbfs);
        if (!quenza::sounds::writeWav(path, pcm, quenza::sounds::kSampleRate)) {
            std::cerr << "cannot write " << path << '\n';
            return 1;
        }
        std::cout << path.string() << ": "
                  << static_cast<double>(pcm.size()) / quenza::sounds::kSampleRate << " s\n";
    }
    return 0;
}
