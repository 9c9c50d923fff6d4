#include "driver/driven_game.h"

#include "driver/quiet_notes.h"
#include "shell/application.h"

#include <QPointer>
#include <QWidget>

namespace quenza::driver {

namespace {

// Runs before QApplication reads the platform's name.
int& offscreenUnlessAsked(int& argc) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    quietenOffscreenNotes();
    return argc;
}

} // namespace

DrivenApplication::DrivenApplication(int& argc, char** argv)
    : QApplication(offscreenUnlessAsked(argc), argv) {
    setUpApplication();
    setQuitOnLastWindowClosed(false);
}

DrivenGame::DrivenGame(const RunOptions& options)
    : services_(options), driver_(services_, [this] {
          game_ = std::make_unique<Application>();
          game_->start();
      }) {}

DrivenGame::~DrivenGame() {
    game_.reset();
    // Windows owned by another window go with it.
    QList<QPointer<QWidget>> left;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->parentWidget() == nullptr) {
            left.append(window);
        }
    }
    for (const QPointer<QWidget>& window : left) {
        delete window.data();
    }
}

} // namespace quenza::driver
