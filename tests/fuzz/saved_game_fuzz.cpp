// A save file as found on disk: read it, and whatever it reads as must be
// written and read back unchanged.

#include "fuzz_target.h"
#include "puzzle/saved_game.h"

#include <algorithm>

using quenza::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines =
        quenza::fuzz::linesAsTheGameReads(quenza::fuzz::bytesOf(data, size));
    const std::optional<quenza::SavedGame> saved = quenza::parseSavedGame(lines);

    const bool anyCarriageReturnLeft = std::any_of(
        lines.begin(), lines.end(), [](const std::string& line) { return line.ends_with('\r'); });
    if (!anyCarriageReturnLeft) {
        std::vector<std::string> withCarriageReturns = lines;
        for (std::string& line : withCarriageReturns) {
            line += '\r';
        }
        require(quenza::parseSavedGame(withCarriageReturns) == saved,
                "a CR left at the end of every line changes nothing");
    }
    if (lines.size() < static_cast<size_t>(quenza::kSavedGameLines)) {
        require(!saved.has_value(), "a file of fewer than 23 lines is refused");
        return 0;
    }
    const std::vector<std::string> first23(lines.begin(), lines.begin() + quenza::kSavedGameLines);
    require(quenza::parseSavedGame(first23) == saved, "lines after the 23rd are ignored");
    if (!saved) {
        return 0;
    }

    const std::vector<std::string> written = quenza::formatSavedGame(*saved);
    require(written.size() == static_cast<size_t>(quenza::kSavedGameLines),
            "a save file has 23 lines");
    for (const std::string& line : written) {
        require(line.find_first_of("\r\n") == std::string::npos,
                "a written line holds no line end");
    }
    require(quenza::parseSavedGame(written) == saved, "a saved game reads back as it was written");
    require(quenza::formatSavedGame(*quenza::parseSavedGame(written)) == written,
            "writing a save twice gives the same file");

    return 0;
}
