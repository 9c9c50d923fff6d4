#include "command_line.h"
#include "desktop_check.h"
#include "platform/system.h"
#include "platform/zoom.h"
#include "shell/application.h"
#include "shell/zoom_memory.h"

#include <QApplication>
#include <QSettings>
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
    // The player's own settings: ~/.config/quenza/quenza.conf on Linux.
    QSettings settings(QStringLiteral("quenza"), QStringLiteral("quenza"));
    quenza::platform::setZoom(quenza::startingZoom(settings, options.zoomPercent));
    quenza::Application game;
    quenza::rememberZoomChoices(game, settings);
    game.start();
    return QApplication::exec();
}
