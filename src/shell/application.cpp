#include "application.h"

#include "game/artwork.h"
#include "game/form1.h"
#include "inicio.h"
#include "platform/inspect.h"
#include "platform/look.h"
#include "rankings/form3.h"
#include "game/game_state.h"

namespace quenza {

Application::Application(QObject* parent) : QObject(parent) {
    platform::setStateProvider([] { return gameState().toJson(); });
}

Application::~Application() {
    delete result_.data();
    delete form1_.data();
    delete inicio_.data();
}

void Application::start() {
    inicio_ = new Inicio;
    connect(inicio_, &Inicio::continued, this, &Application::openMainWindow);
    inicio_->show();
    inicio_->activateWindow();
}

Form1* Application::form1() const { return form1_; }

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
        main->show();
        main->activateWindow();
    }
}

} // namespace quenza
