// The joker frame's texts for screen readers.
#include "jokers/joker_frame_accessibility.h"

#include "jokers/form4_accessibility.h"
#include "platform/accessible.h"

#include <QLabel>
#include <QPushButton>

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
    platform::setAccessibleText(countdown,
                                spokenJokerName(joker) + QStringLiteral(": ") +
                                    QString::number(countdown->text().toInt()) +
                                    QStringLiteral(" segundos"),
                                QStringLiteral("Tiempo que le queda al comodín"));
}

} // namespace quenza
