// Feeds every file of the corpus folders named on the command line to the
// fuzz target once, in name order, so the normal build replays the corpus
// (and every regression input saved from a fuzzing run) without libFuzzer.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> files;
    for (int arg = 1; arg < argc; ++arg) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[arg])) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        // Named first, so an abort inside the target says which input broke.
        std::cerr << "replaying " << file.string() << std::endl;
        std::ifstream in(file, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::cerr << files.size() << " inputs replayed\n";
    // An empty or missing corpus would make the test pass without testing anything.
    return files.empty() ? 1 : 0;
}
