#pragma once

namespace quenza::app {

// The game ends with this status when no window system can be reached.
inline constexpr int kNoDesktop = 1;

// Watches the window system start while it lives: when Qt finds no platform
// it can start (a terminal over ssh, a desktop session not yet up), the
// player is told in one Spanish line that the game needs a graphical desktop,
// and the program ends with kNoDesktop instead of Qt's abort with an English
// message. What Qt reports meanwhile is held back, and passed on when it
// started after all (a platform that failed before another one worked).
class DesktopCheck {
public:
    DesktopCheck();
    ~DesktopCheck();
    DesktopCheck(const DesktopCheck&) = delete;
    DesktopCheck& operator=(const DesktopCheck&) = delete;
};

} // namespace quenza::app
