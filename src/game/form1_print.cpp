// Printing the board in play: the traditional game's puzzle with its words,
// and its answer key on a second page when the player asks for it.
#include "form1.h"
#include "game_state.h"
#include "platform/accessible.h"
#include "platform/controls.h"
#include "platform/timer.h"
#include "worksheet/worksheet_painter.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

namespace quenza {

void Form1::addPrintEntry(QMenu* menu) {
    platform::makeSeparator(menu, QStringLiteral("separador_imprimir"));
    imprimir =
        platform::makeMenuEntry(menu, QStringLiteral("imprimir"), QStringLiteral("Imprimir…"));
    imprimir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    // On while a traditional game runs: an evolution board hides its words.
    imprimir->setEnabled(false);
    platform::describeMenuEntry(
        imprimir, QStringLiteral("Imprime la sopa de letras en juego con sus palabras y, si se "
                                 "pide, su solución en otra hoja"));
    connect(imprimir, &QAction::triggered, this, &Form1::imprimir_Click);
}

void Form1::imprimir_Click() {
    // The time spent choosing a printer is not playing time.
    const bool clockWasRunning = Timer1->isEnabled();
    Timer1->setEnabled(false);

    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(QStringLiteral("Quenza - %1").arg(tituloText()));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Imprimir la sopa de letras"));
    auto* keyTab = new QWidget;
    keyTab->setWindowTitle(QStringLiteral("Solución"));
    auto* withKey =
        new QCheckBox(QStringLiteral("Imprimir también la solución, en una segunda hoja"), keyTab);
    auto* layout = new QVBoxLayout(keyTab);
    layout->addWidget(withKey);
    layout->addStretch();
    dialog.setOptionTabs({keyTab});
    if (dialog.exec() == QDialog::Accepted) {
        worksheet::paintWorksheet(printer, {{&gameState().board}, withKey->isChecked(), {}});
    }
    Timer1->setEnabled(clockWasRunning);
}

} // namespace quenza
