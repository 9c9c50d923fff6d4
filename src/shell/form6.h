#pragma once

#include "platform/inspect.h"

#include <QMainWindow>
#include <array>

class QAction;
class QGroupBox;
class QLabel;

namespace quenza {

namespace platform {
class Label;
}

// The help window: how to play the mode last started and, for the evolution
// mode, what the jokers do and how to earn them. It is built once, kept
// loaded, and hides itself whenever it stops being the active window.
class Form6 final : public QMainWindow, public platform::Inspectable {
    Q_OBJECT
public:
    static constexpr int kJokerNames = 9;
    static constexpr int kEarningLines = 6;

    explicit Form6(QWidget* parent = nullptr);

    // The evolution help, with the joker frames.
    void showEvolutionHelp();
    // The traditional help, without the joker frames.
    void ayuda_T();

    QJsonObject fields() const override { return {}; }

protected:
    void changeEvent(QEvent* event) override;

private:
    friend class Form6Builder;

    void Form_Load();
    void Form_LostFocus();
    void Label5_DblClick();
    void Label6_DblClick();
    // The first five lines of "Como conseguirlos"; the sixth never changes.
    void showEarningLines(const std::array<QString, kEarningLines - 1>& lines);

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label1 = nullptr;
    std::array<QLabel*, kEarningLines> Label4{};
    platform::Label* Label5 = nullptr;
    platform::Label* Label6 = nullptr;
    QAction* tradicional = nullptr;
    QAction* evolution = nullptr;
};

} // namespace quenza
