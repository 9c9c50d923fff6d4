#pragma once

#include "platform/inspect.h"

#include <QWidget>
#include <cstdint>

class QLabel;

namespace quenza {

namespace platform {
class Label;
}

// The about window: the game's title, version, hours of work and number of
// themes, who made it and where to find them. Each opening counts the theme
// file again; "OK" unloads it.
class form8 final : public QWidget, public platform::Inspectable {
    Q_OBJECT
public:
    explicit form8(QWidget& main, QWidget* parent = nullptr);

    QJsonObject fields() const override;

    std::int16_t horas_empleadas = 0;

private:
    void build();
    void Form_Load();
    void cmdOK_Click();
    void weblink_Click();
    void mail_Click();

    QWidget& main_;
    QLabel* version = nullptr;
    QLabel* horas = nullptr;
    QLabel* num = nullptr;
    platform::Label* weblink = nullptr;
    platform::Label* mail = nullptr;
};

} // namespace quenza
