#include "application.h"

#include "game/artwork.h"
#include "game/form1.h"
#include "game/game_state.h"
#include "inicio.h"
#include "platform/inspect.h"
#include "platform/look.h"
#include "platform/twips.h"
#include "rankings/form3.h"

#include <QApplication>
#include <QFont>
#include <QScreen>

namespace quenza {

namespace {

// Windows open in the middle of the screen, their place kept in twips.
void centreOnScreen(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect twips = platform::twipsOf(window);
    const QPoint centre = platform::pixelsToTwips(screen->availableGeometry().center());
    platform::place(window, qMax(0, centre.x() - twips.width() / 2),
                    qMax(0, centre.y() - twips.height() / 2), twips.width(), twips.height());
}

} // namespace

Application::Application(QObject* parent) : QObject(parent) {
    platform::setStateProvider([] { return gameState().toJson(); });
    // The small sans-serif the game's windows were laid out for.
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
}

Application::~Application() {
    delete result_.data();
    delete form1_.data();
    delete inicio_.data();
}

void Application::start() {
    inicio_ = new Inicio;
    connect(inicio_, &Inicio::continued, this, &Application::openMainWindow);
    centreOnScreen(inicio_);
    inicio_->show();
    inicio_->activateWindow();
}

Form1* Application::form1() const {
    return form1_;
}

void Application::openMainWindow() {
    form1_ = new Form1;
    Form1* main = form1_;
    platform::setCustomPointer(main, boardCursor());
    main->showTraditionalResult = [this, main] {
        if (!result_) {
            result_ = new Form3(*main);
        }
        result_->show();
        result_->activateWindow();
    };
    if (main->Form_Load()) {
        centreOnScreen(main);
        main->show();
        main->activateWindow();
    }
}

} // namespace quenza
