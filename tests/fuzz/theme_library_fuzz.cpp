// A theme library and a played-theme log as found on disk, loaded at start-up
// and then drawn from game after game.
//
// Input: the library's lines, then a line "===" and the log's lines (no such
// line: the whole input is the library and the log is empty).

#include "fuzz_target.h"
#include "platform/game_random.h"
#include "puzzle/played_log.h"
#include "puzzle/text.h"
#include "puzzle/theme.h"

#include <algorithm>
#include <set>

namespace {

using quenza::fuzz::require;

// The log file in memory, checked against what the game may do to it: it is
// only emptied once every theme has been played.
struct MemoryLog : quenza::PlayedLogFile {
    MemoryLog(std::vector<std::string> log, int count, const std::set<int>& playedThemes)
        : lines(std::move(log)), themeCount(count), played(playedThemes) {}
    std::vector<std::string> lines;
    int themeCount;
    const std::set<int>& played;
    int clears = 0;

    void append(int theme) override { lines.push_back(std::to_string(theme)); }
    void clear() override {
        for (int theme = 1; theme <= themeCount; ++theme) {
            require(played.count(theme) == 1, "the log is only emptied when every theme is played");
        }
        lines.clear();
        ++clears;
    }
};

} // namespace

void quenza::fuzz::check(const Input& input) {
    std::vector<std::string> library = input.lines;
    std::vector<std::string> logLines;
    if (const auto split = std::find(library.begin(), library.end(), "===");
        split != library.end()) {
        logLines.assign(split + 1, library.end());
        library.erase(split, library.end());
    }
    const int themeCount = static_cast<int>(library.size());

    quenza::PlayedThemes sopas_jugadas{};
    const bool reset = quenza::loadPlayedLog(logLines, themeCount, sopas_jugadas);
    require(reset == (themeCount - static_cast<long>(logLines.size()) < 10),
            "the log is emptied exactly when fewer than ten themes are unplayed");
    if (reset) {
        require(
            std::all_of(sopas_jugadas.begin(), sopas_jugadas.end(), [](auto t) { return t == 0; }),
            "an emptied log leaves no played theme");
        logLines.clear();
    }

    // What the game must avoid: every theme in the loaded log, and every theme
    // it draws while the table still has an empty entry to record it in.
    std::set<int> played;
    int freeEntries = 0;
    for (const auto theme : sopas_jugadas) {
        if (theme == 0) {
            ++freeEntries;
        } else {
            played.insert(theme);
        }
    }

    MemoryLog log(logLines, themeCount, played);
    quenza::platform::GameRandom random(input.seed,
                                        quenza::platform::GameRandom::Reseeds::FromCountOnly);
    // A couple more games than themes (up to 40), so a round always runs out
    // and starts again.
    const int games = themeCount > 0 ? std::min(themeCount + 2, 40) : 0;
    for (int game = 0; game < games; ++game) {
        const int clearsBefore = log.clears;
        const int theme = quenza::drawUnplayedTheme(themeCount, sopas_jugadas, log, random);
        if (log.clears != clearsBefore) {
            played.clear();
            freeEntries = quenza::kPlayedEntries;
        }
        require(theme >= 1 && theme <= themeCount, "the drawn theme is a line of the library");
        require(played.count(theme) == 0, "a theme never comes twice before the log is emptied");
        require(log.lines.back() == std::to_string(theme), "the drawn theme ends the log");
        if (freeEntries > 0) {
            played.insert(theme);
            --freeEntries;
        }
        const std::string& chosen = library[static_cast<size_t>(theme - 1)];
        const quenza::ThemeLine parsed = quenza::parseThemeLine(quenza::fromUtf8(chosen));
        require(parsed.count >= 0 && parsed.count <= quenza::kSlots,
                "a theme asks for 0..10 words");
        require(parsed.words.size() == static_cast<size_t>(parsed.count),
                "a theme gives one word per slot it asks for");
    }
    if (themeCount == 0) {
        require(quenza::drawUnplayedTheme(0, sopas_jugadas, log, random) == 0,
                "an empty library gives no theme");
    }
}
