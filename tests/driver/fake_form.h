#pragma once

#include "platform/inspect.h"

#include <QJsonObject>
#include <QMainWindow>
#include <QStringList>
#include <QWidget>
#include <array>

class QAction;
class QGroupBox;
class QLineEdit;
class QMenu;

namespace quenza::platform {
class Label;
class Timer;
} // namespace quenza::platform

namespace quenza::driver::test {

// A main window built the way the game builds its windows (named and tagged
// controls placed in twips, a frame, a text box, menus with a submenu, timers
// and fields), which writes down everything its handlers see.
class FakeForm final : public QMainWindow, public platform::Inspectable {
    Q_OBJECT
public:
    FakeForm();

    QJsonObject fields() const override;

    QStringList log;

    std::array<platform::Label*, 145> cells{};
    QGroupBox* frame = nullptr;
    platform::Label* inFrame = nullptr;
    QLineEdit* nombre = nullptr;
    QMenu* nuevoMenu = nullptr;
    QAction* nuevo = nullptr;
    QAction* tradicional = nullptr;
    QAction* guardame = nullptr;
    QAction* aviso = nullptr;
    platform::Timer* timerA = nullptr;
    platform::Timer* timerB = nullptr;
    platform::Timer* timerC = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A second window, to see activation move between windows.
class FakeDialog final : public QWidget, public platform::Inspectable {
    Q_OBJECT
public:
    FakeDialog();
    QJsonObject fields() const override { return {{QStringLiteral("abierto"), true}}; }
};

} // namespace quenza::driver::test
