#pragma once

#include <cstdint>

class QWidget;

namespace quenza {

// What the level-complete window needs of the main window: where it stands,
// the finished level's words, its "stop" picture, and the next level.
class LevelHost {
public:
    virtual ~LevelHost() = default;
    // The main window: the level-complete window opens at its centre, and
    // shows it again before the next level starts.
    virtual QWidget* mainWindow() = 0;
    // The word count of the finished level's theme, minus one.
    virtual std::int16_t num_palabras() const = 0;
    virtual void hideStopPicture() = 0;
    // Starts the next level with `comodinn` chosen before it (0 = none).
    virtual void startLevel(int comodinn) = 0;
};

} // namespace quenza
