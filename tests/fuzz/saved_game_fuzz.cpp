// A save file as found on disk: read it, and whatever it reads as must be
// written and read back unchanged.

#include "fuzz_target.h"
#include "puzzle/saved_game.h"

using quenza::fuzz::require;

void quenza::fuzz::check(const Input& input) {
    const std::vector<std::string>& lines = input.lines;
    const std::optional<quenza::SavedGame> saved = quenza::parseSavedGame(lines);

    if (lines.size() < static_cast<size_t>(quenza::kSavedGameLines)) {
        require(!saved.has_value(), "a file of fewer than 23 lines is refused");
        return;
    }
    const std::vector<std::string> first23(lines.begin(), lines.begin() + quenza::kSavedGameLines);
    require(quenza::parseSavedGame(first23) == saved, "lines after the 23rd are ignored");
    if (!saved) {
        return;
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
}
