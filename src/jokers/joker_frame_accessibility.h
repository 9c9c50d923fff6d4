#pragma once

#include <QStringList>

class QLabel;
class QPushButton;
class QWidget;

namespace quenza {

// What a screen reader reads on the joker frame: a joker's button and its
// stock carry "Mostrar: quedan 2"; a running effect's countdown carries
// "Mostrar: 45 segundos".
void describeJokerStock(QPushButton* button, QLabel* stock, int joker);
void describeJokerCountdown(QLabel* countdown, int joker);
// A joker pressed is spoken with what it did; `shown` holds the words, or
// their first letters, that Mostrar and Mostrar3 bring into view.
void announceJoker(QWidget* window, int joker, const QStringList& shown);

} // namespace quenza
