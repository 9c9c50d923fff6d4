#pragma once

#include "platform/inspect.h"
#include "puzzle/ranking.h"

#include <QWidget>

class QLabel;

namespace quenza {

class Form1;
class NameEntry;

// The end of an evolution game: the level and score reached and, when they
// are good enough, the player's name for the evolution ranking. Closing it
// leaves the main window showing the Game Over board.
class Form5 final : public QWidget, public platform::Inspectable {
    Q_OBJECT
public:
    explicit Form5(Form1& main, QWidget* parent = nullptr);
    ~Form5() override;

    QJsonObject fields() const override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void Form_Load();
    void describe();
    void Picture1_Click();

    Form1& main_;
    int posicion_nueva_ = kNoPlace;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    // Text1, Picture1 and its image holders verde and rojo.
    NameEntry* nameEntry_ = nullptr;
};

} // namespace quenza
