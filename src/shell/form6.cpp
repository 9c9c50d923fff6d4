#include "form6.h"

#include "form6_builder.h"
#include "platform/accessible.h"
#include "platform/widgets.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QShortcut>

namespace quenza {

Form6::Form6(QWidget* parent) : QMainWindow(parent) {
    buildForm6(*this);
    Form_Load();
    // Escape puts the help away, as its close box does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void Form6::Form_Load() {
    // Nothing shows until a mode, or the window's own menu, picks a help text.
    Frame1->setVisible(false);
    Frame2->setVisible(false);
    platform::describeControl(this, QStringLiteral("Ayuda: elija un modo de juego en el menú"));
}

void Form6::showEvolutionHelp() {
    Frame1->setTitle(QStringLiteral("Como se juega - Modo Evolution -"));
    Frame1->setVisible(true);
    Frame2->setVisible(true);
    Label1->setText(QStringLiteral(
        "Encuentra las palabras relacionadas con el tema, teniendo en cuenta que pueden leerse "
        "en todas las direcciones y que éstas no se muestran. Dispondra de un tiempo limitado, "
        "y podra utilizar comodines."));
    platform::describeControl(
        this, QStringLiteral("Ayuda del modo Evolution: cómo se juega y qué hacen los comodines"));
}

void Form6::ayuda_T() {
    Frame1->setTitle(QStringLiteral("Como se juega - Modo Tradicional -"));
    Frame1->setVisible(true);
    Frame2->setVisible(false);
    Label1->setText(QStringLiteral(
        "Localice las palabras que se indicaran, teniendo en cuenta que pueden leerse en todas "
        "las direcciones. Dependiendo del tiempo que tarde, podrá entrar en el ranking."));
    platform::describeControl(this, QStringLiteral("Ayuda del modo Tradicional: cómo se juega"));
}

void Form6::changeEvent(QEvent* event) {
    // Any loss of activation counts, a switch to another program included:
    // the help is a glance taken beside the game, never left standing.
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) {
        Form_LostFocus();
    }
    QMainWindow::changeEvent(event);
}

void Form6::Form_LostFocus() {
    hide();
}

void Form6::Label5_DblClick() {
    showEarningLines({QStringLiteral("Maneras secretas"),
                      QStringLiteral("-3 partidas sin utilizar comodines-->'FINALIZAR'"),
                      QStringLiteral("-5 partidas sin utilizar comodin 'finalizar'-->'FINALIZAR'"),
                      QStringLiteral("-Si utilizas todos los comodines-->'SUERTE'"), QString()});
}

void Form6::Label6_DblClick() {
    showEarningLines({QStringLiteral("Conseguir el comodin especial"),
                      QStringLiteral("-10 partidas seguidas sin comodines"),
                      QStringLiteral("-15 partidas seguidas sin utilizar comodin 'finalizar'"),
                      QStringLiteral("-Acumular 5 comodines 'SUERTE'"), QString()});
}

void Form6::showEarningLines(const std::array<QString, kEarningLines - 1>& lines) {
    for (size_t i = 0; i < lines.size(); ++i) {
        Label4[i]->setText(lines[i]);
    }
}

} // namespace quenza
