#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QWidget;

namespace quenza {

// What a screen reader reads on the level-complete window. Each is called
// where what it describes changes.

// The joker as the player knows it, 1..8: "Mostrar" .. "Suerte", as a screen
// reader says it.
QString spokenJokerName(int joker);

// The window, its header ("Has terminado el nivel 3"), the frame and the
// button that goes on.
void describeLevelWindow(QWidget* window, QLabel* label2, QLabel* nivel, QGroupBox* frame,
                         QAbstractButton* continuar);
// A joker's check box (Suerte's button for joker 8) and its stock label read
// the stock as the label shows it: "Mostrar: quedan 2".
void describeStock(QAbstractButton* control, QLabel* stock, int joker);
// An award slot as its picture appears, announced with its reason (the
// slot's tool tip).
void announceAward(QLabel* slot, int joker);
// "Comodines obtenidos: Mostrar, Tiempo", or "...: ninguno".
void describeAwards(QLabel* label3, const std::vector<int>& jokers);
// A sign beside a stock: "Mostrar: uno más". Returns that text.
QString describeSign(QLabel* sign, int joker);
// What a Suerte play did, announced on its button until the stocks catch up:
// the texts of the signs it showed.
void announceLuck(QAbstractButton* suerte, const QStringList& changes);
// The special joker's button and caption, and the "+10 niveles" label that
// announces it was taken.
void describeSpecialJoker(QAbstractButton* comodin9, QLabel* caption);
void announceSpecialJokerTaken(QLabel* niveles);

} // namespace quenza
