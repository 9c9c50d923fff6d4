#include "command_line.h"
#include "platform/system.h"
#include "platform/zoom.h"
#include "shell/application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = quenza::app::runPrintingCommand(argc, argv)) {
        return *status;
    }
    QApplication app(argc, argv);
    quenza::setUpApplication();
    const std::optional<quenza::app::GameOptions> options =
        quenza::app::readGameOptions(QApplication::arguments());
    if (!options) {
        return quenza::app::kUsageError;
    }
    quenza::platform::setThemesFile(options->themesFile);
    quenza::platform::setZoom(options->zoomPercent);
    quenza::Application game;
    game.start();
    return QApplication::exec();
}
