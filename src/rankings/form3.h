#pragma once

#include "platform/inspect.h"

#include <QWidget>
#include <cstdint>

class QLabel;

namespace quenza {

class Form1;
class NameEntry;

// The result of a finished traditional game: the time taken and, when it is
// good enough, the player's name for the traditional ranking.
class Form3 final : public QWidget, public platform::Inspectable {
    Q_OBJECT
public:
    explicit Form3(Form1& main, QWidget* parent = nullptr);
    ~Form3() override;

    QJsonObject fields() const override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void Form_Load();
    void showTime();
    void describe();
    void Picture1_Click();

    Form1& main_;
    std::int16_t tiempo_total_ = 0;
    int posicion_nueva_ = 0;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    // Text1, Picture1 and its image holders verde and rojo.
    NameEntry* nameEntry_ = nullptr;
};

} // namespace quenza
