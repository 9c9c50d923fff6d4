// Feeds every file of the corpus folders named on the command line to the
// fuzz target once, in name order, so the normal build replays the corpus
// (and every regression input saved from a fuzzing run) without libFuzzer.

#include "fuzz_target.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace {

std::vector<std::filesystem::path> corpusFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::uint8_t> contentOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: " << argv[0] << " CORPUS_FOLDER...\n";
        return 2;
    }
    int replayed = 0;
    for (int arg = 1; arg < argc; ++arg) {
        for (const auto& file : corpusFiles(argv[arg])) {
            // Named first, so an abort inside the target says which input broke.
            std::cerr << "replaying " << file.string() << std::endl;
            const std::vector<std::uint8_t> bytes = contentOf(file);
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++replayed;
        }
    }
    std::cerr << replayed << " inputs replayed\n";
    // An empty or missing corpus would make the test pass without testing anything.
    return replayed > 0 ? 0 : 1;
}
