#include "command_line.h"
#include "desktop_check.h"
#include "platform/system.h"
#include "platform/zoom.h"
#include "shell/application.h"

#include <QApplication>
#include <optional>
#include <variant>

int main(int argc, char* argv[]) {
    const std::variant<int, quenza::app::GameOptions> command =
        quenza::app::readCommandLine(argc, argv);
    if (const int* status = std::get_if<int>(&command)) {
        return *status;
    }
    const auto& options = std::get<quenza::app::GameOptions>(command);
    std::optional<QApplication> app;
    {
        const quenza::app::DesktopCheck desktop;
        app.emplace(argc, argv);
    }
    quenza::setUpApplication();
    quenza::platform::setThemesFile(options.themesFile);
    quenza::platform::setZoom(options.zoomPercent.value_or(100));
    quenza::Application game;
    game.start();
    return QApplication::exec();
}
