// The level-complete window's texts for screen readers.
#include "jokers/form4_accessibility.h"

#include "platform/accessible.h"
#include "puzzle/evolution.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace quenza {

namespace {

// The sign's joker and what it does to its stock.
QString signText(const QLabel* sign, int joker) {
    const bool plus = sign->text() == u"+";
    return spokenJokerName(joker) +
           (plus ? QStringLiteral(": uno más") : QStringLiteral(": uno menos"));
}

} // namespace

QString spokenJokerName(int joker) {
    const std::string_view name = jokerName(joker);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

void describeLevelWindow(QWidget* window, QLabel* label2, QLabel* nivel, QGroupBox* frame,
                         QAbstractButton* continuar) {
    const QString header = label2->text().trimmed() + u' ' + nivel->text();
    for (QLabel* part : {label2, nivel}) {
        platform::setAccessibleText(part, header, QStringLiteral("Nivel que acaba de completar"));
    }
    platform::describeControl(window,
                              header + QStringLiteral(": marque un comodín para el siguiente "
                                                      "nivel si lo desea y pulse Continuar"));
    platform::describeControl(frame, frame->toolTip());
    platform::describeControl(continuar, QStringLiteral("Empieza el siguiente nivel"));
}

void describeStock(QAbstractButton* control, QLabel* stock, int joker) {
    const QString count = stock->text();
    // Singular for one joker left, as the main window's jokers read.
    const QString left =
        count == u"1" ? QStringLiteral("queda 1") : QStringLiteral("quedan ") + count;
    const QString name = spokenJokerName(joker) + QStringLiteral(": ") + left;
    const QString use = joker == kSuerte ? QStringLiteral("Comodín: ")
                                         : QStringLiteral("Comodín para el siguiente nivel: ");
    platform::setAccessibleText(control, name, use + control->toolTip());
    platform::setAccessibleText(stock, name, QStringLiteral("Comodines acumulados"));
}

void announceAward(QLabel* slot, int joker) {
    platform::announce(slot, QStringLiteral("Comodín obtenido: ") + spokenJokerName(joker),
                       slot->toolTip());
}

void describeAwards(QLabel* label3, const std::vector<int>& jokers) {
    QStringList names;
    for (const int joker : jokers) {
        names.append(spokenJokerName(joker));
    }
    const QString list = names.isEmpty() ? QStringLiteral("ninguno") : names.join(u", ");
    platform::setAccessibleText(label3, label3->text() + u' ' + list,
                                QStringLiteral("Comodines ganados en este nivel"));
}

QString describeSign(QLabel* sign, int joker) {
    const QString change = signText(sign, joker);
    platform::setAccessibleText(sign, change, QStringLiteral("Cambio en los comodines acumulados"));
    return change;
}

void announceLuck(QAbstractButton* suerte, const QStringList& changes) {
    platform::announce(suerte, suerte->accessibleName(),
                       QStringLiteral("Suerte: ") + changes.join(QStringLiteral(", ")));
}

void describeSpecialJoker(QAbstractButton* comodin9, QLabel* caption) {
    const QString effect =
        QStringLiteral("Diez niveles más, un comodín de cada clase y 500 puntos");
    platform::setAccessibleText(comodin9, caption->text(), effect);
    platform::describeControl(caption, effect);
}

void announceSpecialJokerTaken(QLabel* niveles) {
    platform::announce(niveles, niveles->text(),
                       QStringLiteral("Comodín especial: diez niveles más, un comodín de cada "
                                      "clase y 500 puntos"));
}

} // namespace quenza
