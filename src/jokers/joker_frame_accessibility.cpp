// The joker frame's texts for screen readers.
#include "jokers/joker_frame_accessibility.h"

#include "jokers/form4_accessibility.h"
#include "platform/accessible.h"
#include "puzzle/evolution.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>

namespace quenza {

void describeJokerStock(QPushButton* button, QLabel* stock, int joker) {
    const QString count = stock->text();
    // Singular for one joker left, as the word counter does.
    const QString left =
        count == u"1" ? QStringLiteral("queda 1") : QStringLiteral("quedan ") + count;
    const QString name = spokenJokerName(joker) + QStringLiteral(": ") + left;
    // The button's hover text says what the joker does.
    platform::setAccessibleText(button, name, QStringLiteral("Comodín: ") + button->toolTip());
    platform::setAccessibleText(stock, name, QStringLiteral("Comodines que quedan"));
}

void describeJokerCountdown(QLabel* countdown, int joker) {
    platform::readTextsFrom(
        countdown,
        [countdown, joker] {
            return spokenJokerName(joker) + QStringLiteral(": ") +
                   QString::number(countdown->text().toInt()) + QStringLiteral(" segundos");
        },
        [] { return QStringLiteral("Tiempo que le queda al comodín"); });
}

void announceJoker(QWidget* window, int joker, const QStringList& shown) {
    QString effect;
    switch (joker) {
    case kMostrar:
        effect = QStringLiteral("las palabras son ") + shown.join(QStringLiteral(", "));
        break;
    case kMostrar3:
        effect = QStringLiteral("las palabras empiezan por ") + shown.join(QStringLiteral(", "));
        break;
    case kEliminar:
        effect = QStringLiteral("letras de relleno ocultas");
        break;
    case kVisor:
        effect = QStringLiteral("el marco señala las letras de las palabras");
        break;
    case kTiempo:
        effect = QStringLiteral("el reloj se detiene");
        break;
    default:
        effect = QStringLiteral("nivel superado");
        break;
    }
    platform::announce(window, QStringLiteral("Comodín ") + spokenJokerName(joker) +
                                   QStringLiteral(": ") + effect);
}

} // namespace quenza
