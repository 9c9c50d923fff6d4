#pragma once

#include "platform/inspect.h"

#include <QMainWindow>

class QAction;

namespace quenza {

class Form1;
class RankingTable;
struct TableLayout;

namespace platform {
class Timer;
}

// The rankings viewer: the first 15 entries of the evolution or the
// traditional ranking, each view with its own looping tune. While it is open
// the main window is paused and takes no input. It must not be a child of the
// main window, which is disabled the whole time.
class Form7 final : public QMainWindow, public platform::Inspectable {
    Q_OBJECT
public:
    explicit Form7(Form1& main, QWidget* parent = nullptr);
    ~Form7() override;

    // The viewer keeps no variables of its own: all it knows is in its cells.
    QJsonObject fields() const override { return {}; }

    void showEvolutionRanking();
    void tradi_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Left and Right choose the views as the menu titles do, even from a
    // cell of the table; Escape closes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void Form_Load();
    // The steps both views share before their table is filled.
    void startView(platform::Timer* music, const QString& caption, int width,
                   const TableLayout& layout);
    void t_Timer();
    void E_Timer();
    void Timer1_Timer();

    Form1& main_;
    RankingTable* table_ = nullptr;
    QAction* evol = nullptr;
    QAction* tradi = nullptr;
    platform::Timer* t = nullptr;
    platform::Timer* E = nullptr;
    platform::Timer* Timer1 = nullptr;
};

} // namespace quenza
