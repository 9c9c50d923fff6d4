#pragma once

class QLabel;
class QPushButton;

namespace quenza {

// What a screen reader reads on the joker frame: a joker's button and its
// stock carry "Mostrar: quedan 2"; a running effect's countdown carries
// "Mostrar: 45 segundos".
void describeJokerStock(QPushButton* button, QLabel* stock, int joker);
void describeJokerCountdown(QLabel* countdown, int joker);

} // namespace quenza
