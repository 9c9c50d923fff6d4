// The joker frame's texts for screen readers.
#include "jokers/joker_frame_accessibility.h"

#include "platform/accessible.h"
#include "puzzle/evolution.h"

#include <QLabel>
#include <QPushButton>
#include <array>

namespace quenza {

namespace {

// Jokers 1..6 as the player knows them.
constexpr std::array<const char*, kInGameJokers> kJokerNames{"Mostrar", "Mostrar3", "Eliminar",
                                                             "Visor",   "Tiempo",   "Finalizar"};

QString jokerName(int joker) {
    return QLatin1String(kJokerNames[static_cast<size_t>(joker - 1)]);
}

} // namespace

void describeJokerStock(QPushButton* button, QLabel* stock, int joker) {
    const QString count = stock->text();
    // Singular for one joker left, as the word counter does.
    const QString left =
        count == u"1" ? QStringLiteral("queda 1") : QStringLiteral("quedan ") + count;
    const QString name = jokerName(joker) + QStringLiteral(": ") + left;
    // The button's hover text says what the joker does.
    platform::setAccessibleText(button, name, QStringLiteral("Comodín: ") + button->toolTip());
    platform::setAccessibleText(stock, name, QStringLiteral("Comodines que quedan"));
}

void describeJokerCountdown(QLabel* countdown, int joker) {
    platform::setAccessibleText(countdown,
                                jokerName(joker) + QStringLiteral(": ") +
                                    QString::number(countdown->text().toInt()) +
                                    QStringLiteral(" segundos"),
                                QStringLiteral("Tiempo que le queda al comodín"));
}

} // namespace quenza
