// The board on the main window: showing it, the pointer preview, the two
// clicks that mark a word and what happens when one is found.
#include "colors.h"
#include "form1.h"
#include "form1_accessibility.h"
#include "game_state.h"
#include "platform/controls.h"
#include "platform/look.h"
#include "platform/sound.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "puzzle/selection.h"
#include "puzzle/text.h"
#include "puzzle/theme.h"
#include "puzzle/word_check.h"

#include <QGroupBox>

namespace quenza {

namespace {
QString toQString(const Word& text) {
    return QString::fromStdU32String(text);
}
} // namespace

void Form1::showBoard() {
    const Board& board = gameState().board;
    for (int i = 1; i <= kCells; ++i) {
        const auto cell = static_cast<size_t>(i);
        platform::Label* label = celdas_[cell];
        label->setText(board.letra[cell] == 0 ? QString() : toQString(Word(1, board.letra[cell])));
        label->setVisible(board.visible[cell]);
        platform::setBackColor(label, color_celda);
    }
}

void Form1::recolourCells(const std::function<bool(int)>& selected) {
    for (int i = 1; i <= kCells; ++i) {
        platform::setBackColor(celdas_[static_cast<size_t>(i)],
                               selected(i) ? color_seleccion : color_celda);
    }
}

void Form1::Label1_MouseMove(int cell) {
    GameState& state = gameState();
    if (state.board.visor && !state.board.celda_libre[static_cast<size_t>(cell)]) {
        const QRect place = platform::twipsOf(celdas_[static_cast<size_t>(cell)]);
        platform::place(Shape3, place.x() - 60, place.y() - 30, 315, 315);
    }
    const CellSet line = pointerMoved(state.selection, cell);
    recolourCells([&line](int i) { return line.test(static_cast<size_t>(i)); });
}

void Form1::Label1_Click(int cell) {
    GameState& state = gameState();
    // Colours change only with the next pointer move.
    switch (clickCell(state.selection, cell, state.board.celdas_seleccion)) {
    case ClickResult::Started:
        announceLineStarted(this, cell);
        break;
    case ClickResult::Cancelled:
        announceLineDropped(this);
        break;
    case ClickResult::Built:
        if (!checkSelection()) {
            announceNotAWord(this);
        }
        break;
    }
}

bool Form1::checkSelection() {
    Board& board = gameState().board;
    const auto slot = matchingSlot(board);
    if (!slot) {
        return false;
    }
    const FoundWord found = markWordFound(board, *slot);
    for (const int cell : found.cells) {
        celdas_[static_cast<size_t>(cell)]->setVisible(false);
    }
    platform::playSound(QStringLiteral("ding"));
    const QString word = toQString(found.word);
    for (QLabel* entry : resultado_) {
        if (entry->text() == word) {
            entry->setVisible(entry->isHidden());
            platform::playSound(QStringLiteral("ding"));
        }
    }
    showRemaining();
    announceWordFound(this, word, board.numero);
    if (board.numero != 0) {
        return true;
    }
    if (gameState().modo_juego == GameMode::Traditional) {
        endOfTraditionalGame();
    } else if (gameState().modo_juego == GameMode::Evolution) {
        finishLevel();
    }
    return true;
}

void Form1::showRemaining() {
    const int remaining = gameState().board.numero;
    numero->setText(QString::number(remaining));
    describeCounter(numero, remaining);
    quedan->setText(QString::fromLatin1(quedanCaption(remaining)));
    palabras->setText(QString::fromLatin1(palabrasCaption(remaining)));
    platform::fitToText(quedan);
    platform::fitToText(palabras);
}

void Form1::showWordList() {
    const WordList list = quenza::readWordList(gameState().board);
    for (int w = 0; w < kSlots; ++w) {
        QLabel* word = resultado_[static_cast<size_t>(w)];
        QLabel* start = res3_[static_cast<size_t>(w)];
        word->setText(toQString(list.resultado[static_cast<size_t>(w)]));
        start->setText(toQString(list.res3[static_cast<size_t>(w)]));
        platform::fitToText(word);
        platform::fitToText(start);
        word->setVisible(gameState().modo_juego == GameMode::Traditional);
    }
}

} // namespace quenza
