#pragma once

#include "driver/driver.h"
#include "driver/run_services.h"

#include <QApplication>
#include <memory>

namespace quenza {
class Application;
}

namespace quenza::driver {

// The application of a program that drives the game's windows (the driver,
// the soak run): offscreen unless QT_QPA_PLATFORM names another platform
// (xcb shows a script being played on a real display), the offscreen
// platform's notes quietened, set up as the game is (so the game's folders
// are the same), and left running when its last window closes.
class DrivenApplication final : public QApplication {
public:
    DrivenApplication(int& argc, char** argv);
};

// The game under a driver: the run's platform services, the game's
// Application that `start` creates, and the driver that plays it. Going, it
// closes whatever the game left open before the application goes.
class DrivenGame {
public:
    explicit DrivenGame(const RunOptions& options);
    ~DrivenGame();

    Driver& driver() { return driver_; }

private:
    RunServices services_;
    std::unique_ptr<Application> game_;
    Driver driver_;
};

} // namespace quenza::driver
