#include "board_play.h"
#include "game/form1.h"
#include "game/game_state.h"
#include "hand_offs.h"
#include "platform/look.h"
#include "platform/twips.h"
#include "window_fixture.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QtTest>

using namespace quenza;
using namespace quenza::testing;

class Form1Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<Form1> form;
    QStringList handOffs;

    QAction* entry(const char* name) const {
        return child<QAction>(form.get(), QLatin1String(name));
    }
    QLabel* label(const QString& name) const { return child<QLabel>(form.get(), name); }

    void startTraditional() {
        entry("tradicional")->trigger();
        fixture->sounds->take();
    }

private Q_SLOTS:
    void init() {
        fixture = std::make_unique<WindowFixture>();
        form = loadedMainWindow(handOffs);
        QVERIFY(form != nullptr);
        form->show();
    }
    void cleanup() {
        form.reset();
        fixture.reset();
    }

    void gridCellsSitOnTheirTwipsInArialTwelveCentred() {
        for (const int i : {1, 12, 13, 144}) {
            const QLabel* cell = label(cellName(i));
            const int row = (i - 1) / 12;
            const int col = (i - 1) % 12;
            QCOMPARE(platform::twipsOf(cell), QRect(480 + 240 * col, 960 + 360 * row, 255, 255));
            QCOMPARE(cell->font().family(), QStringLiteral("Arial"));
            QCOMPARE(cell->font().pointSizeF(), 12.0);
            QCOMPARE(platform::alignment(cell), QStringLiteral("center"));
            QCOMPARE(platform::backColor(cell), 0xFFC0C0u);
        }
    }

    void loadSetsTheTraditionalLayout() {
        QCOMPARE(platform::twipsOf(form.get()).width(), 6480);
        QCOMPARE(platform::twipsOf(form.get()).height(), 6400);
        QCOMPARE(platform::twipsOf(label(QStringLiteral("minuto"))).x(), 5325);
        QCOMPARE(platform::twipsOf(label(QStringLiteral("Label6"))).x(), 5760);
        QCOMPARE(platform::twipsOf(label(QStringLiteral("segundo"))).x(), 5880);
        auto* frame = child<QGroupBox>(form.get(), QStringLiteral("Frame1"));
        QCOMPARE(platform::foreColor(frame), 0x0080FFu);
        QCOMPARE(platform::twipsOf(label(QStringLiteral("res3(9)"))),
                 QRect(240, 360 + 360 * 9, 300, 210));
        QCOMPARE(platform::foreColor(label(QStringLiteral("res3(9)"))), 0x00C000u);
        for (const char* evolutionOnly :
             {"ejemplo1", "ejemplo2", "puntuacion1", "puntuacion2", "Label2", "Label3"}) {
            QVERIFY2(label(QLatin1String(evolutionOnly))->isHidden(), evolutionOnly);
        }
    }

    void menuTreeHasItsCaptionsAndStates() {
        QCOMPARE(entry("jugar")->text(), QStringLiteral("Jugar"));
        QCOMPARE(entry("nuevo")->text(), QStringLiteral("Nueva partida"));
        QVERIFY(entry("n")->isSeparator());
        QVERIFY(entry("nn")->isSeparator());
        QCOMPARE(entry("evolution")->text(), QStringLiteral("Evolution"));
        QCOMPARE(entry("rankings")->menu(), nullptr);
        QVERIFY(!entry("guardame")->isEnabled());
        QVERIFY(!entry("cargame")->isEnabled()); // no saved game in a new data folder
        QVERIFY(entry("con_sonido")->isChecked());
        QVERIFY(!entry("sin_sonido")->isChecked());
        QVERIFY(!entry("reinicio_rank_evol")->isEnabled());
        QVERIFY(!entry("reinicio_rank_trad")->isEnabled());
        QCOMPARE(entry("acerca")->text(), QStringLiteral("Acerca de Quenza"));
    }

    // Ctrl+P prints the board of a traditional game; an evolution board
    // hides its words, and between games there is nothing to print.
    void printEntryOnlyWhileATraditionalGameRuns() {
        QAction* imprimir = entry("imprimir");
        QCOMPARE(imprimir->text(), QStringLiteral("Imprimir…"));
        QCOMPARE(imprimir->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QVERIFY(!imprimir->isEnabled());
        startTraditional();
        QVERIFY(imprimir->isEnabled());
        for (int slot = 0; slot < kSlots; ++slot) {
            if (gameState().board.slotPlaced(slot)) {
                findWord(form.get(), slot);
            }
        }
        QVERIFY(handOffs.contains(QStringLiteral("result")));
        QVERIFY(!imprimir->isEnabled());
        startTraditional();
        QVERIFY(imprimir->isEnabled());
        form->startLevel(kNoJoker);
        QVERIFY(!imprimir->isEnabled());
    }

    void soundSwitchIsRadioLike() {
        entry("sin_sonido")->trigger();
        QVERIFY(entry("sin_sonido")->isChecked());
        QVERIFY(!entry("con_sonido")->isChecked());
        QCOMPARE(platform::sonido(), QStringLiteral("off"));
        entry("con_sonido")->trigger();
        entry("con_sonido")->trigger();
        QVERIFY(entry("con_sonido")->isChecked());
        QVERIFY(!entry("sin_sonido")->isChecked());
    }

    void findingAWordHidesItsCellsAndListLabel() {
        startTraditional();
        const Board& board = gameState().board;
        const int before = label(QStringLiteral("numero"))->text().toInt();
        QVERIFY(before > 1);
        const auto& slot = board.celdas_palabra[0];
        const bool reverse = slot[10] % 2 == 0;
        std::vector<int> cells;
        for (int p = 0; p < 10; ++p) {
            if (slot[static_cast<size_t>(p)] != 0) {
                cells.push_back(slot[static_cast<size_t>(p)]);
            }
        }
        QVERIFY(cells.size() >= 3);
        int first = cells.front();
        int last = cells.back();
        if (reverse) {
            std::swap(first, last);
        }
        const QString word = label(QStringLiteral("resultado(0)"))->text();
        QVERIFY(!word.isEmpty());
        QVERIFY(!label(QStringLiteral("resultado(0)"))->isHidden());

        clickOn(label(cellName(first)));
        moveOver(label(cellName(last)));
        clickOn(label(cellName(last)));

        QVERIFY(label(cellName(first))->isHidden());
        QVERIFY(label(cellName(last))->isHidden());
        QVERIFY(label(QStringLiteral("resultado(0)"))->isHidden());
        QCOMPARE(label(QStringLiteral("numero"))->text(), QString::number(before - 1));
        const auto played = fixture->sounds->take();
        QVERIFY(played.size() >= 2);
        QCOMPARE(played.first().name, QStringLiteral("ding"));
    }

    void pointerBecomesTheBoardPointerOnlyStrictlyInsideTheOutline() {
        QWidget* surface = form->centralWidget();
        const QRect outline = platform::twipsOf(child(form.get(), QStringLiteral("Shape1")));
        const auto px = [](int twips) { return platform::twipsToPixels(twips); };
        moveOver(surface, QPoint(px(outline.x()) + 1, px(outline.y()) + 1));
        QCOMPARE(platform::mousePointer(form.get()), 99);
        moveOver(surface, QPoint(px(outline.x()), px(outline.y()) + 5));
        QCOMPARE(platform::mousePointer(form.get()), 0);
        moveOver(surface, QPoint(px(outline.right()) + 10, px(outline.y()) + 5));
        QCOMPARE(platform::mousePointer(form.get()), 0);
    }

    void rankingResetEntriesFollowTheFiles() {
        QWidget* surface = form->centralWidget();
        QFile ranking(fixture->dataFile("file05.sop"));
        QVERIFY(ranking.open(QIODevice::WriteOnly));
        ranking.close();
        moveOver(surface, QPoint(5, 5));
        QVERIFY(!entry("reinicio_rank_trad")->isEnabled()); // 0 bytes
        QVERIFY(ranking.open(QIODevice::WriteOnly));
        ranking.write("95,8,\"Player\",\"Tema\",#2002-05-17#\r\n");
        ranking.close();
        moveOver(surface, QPoint(5, 5));
        QVERIFY(entry("reinicio_rank_trad")->isEnabled());
        QVERIFY(!entry("reinicio_rank_evol")->isEnabled());
        entry("reinicio_rank_trad")->trigger();
        QVERIFY(!QFile::exists(fixture->dataFile("file05.sop")));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
