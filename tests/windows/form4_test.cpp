// The level-complete window beyond what the scenarios play: its growth, the
// five awards of one level, Suerte, the special joker and the close box.
#include "artwork/joker_pictures.h"
#include "jokers/form4.h"
#include "jokers/level_host.h"
#include "platform/look.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "qt_test_registry.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QtTest>
#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace quenza;
using namespace quenza::testing;

namespace {

// The main window as the level-complete window sees it.
class FakeHost final : public LevelHost {
public:
    QWidget main;
    int stopHidden = 0;
    std::vector<int> started;

    QWidget* mainWindow() override { return &main; }
    std::int16_t num_palabras() const override { return 6; }
    void hideStopPicture() override { ++stopHidden; }
    void startLevel(int comodinn) override { started.push_back(comodinn); }
};

} // namespace

class Form4Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<FakeHost> host;
    EvolutionState state;
    AwardCounters counters;

    QPointer<Form4> open() {
        auto* form = new Form4(*host, state, counters);
        form->show();
        form->activateWindow();
        QCoreApplication::processEvents();
        return form;
    }
    static platform::Timer* timer(Form4* form, const char* name) {
        return child<platform::Timer>(form, QLatin1String(name));
    }
    // Lets the growth run to its end, where the awards are given.
    static void grow(Form4* form) {
        advanceClock(250);
        QVERIFY(!timer(form, "Timer1")->isEnabled());
    }
    static QLabel* label(Form4* form, const char* name, int index) {
        return child<QLabel>(form, indexed(name, index));
    }
    static QAbstractButton* box(Form4* form, int k) {
        return child<QAbstractButton>(form, indexed("Check1", k));
    }
    static int field(Form4* form, const QString& name) {
        return form->fields().value(name).toInt();
    }
    QStringList soundNames() {
        QStringList names;
        for (const auto& played : fixture->sounds->take()) {
            names << played.name;
        }
        return names;
    }
    // Keys go where the focus is, as on a desktop.
    static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

private Q_SLOTS:
    void init() {
        fixture = std::make_unique<WindowFixture>();
        host = std::make_unique<FakeHost>();
        platform::place(&host->main, 1200, 900, 7965, 5625);
        // Level 1 finished late, with a joker and with Finalizar: no award
        // unless the level number or the test asks for one.
        state = {};
        state.nivel_actual = 1;
        state.comodines.fill(1);
        state.sin_comodines = false;
        state.sin_finalizar = false;
        state.dentro_seg = 0;
        counters = {};
    }
    void cleanup() {
        deleteWindows("Form4");
        host.reset();
        fixture.reset();
    }

    void opensAsADotAtTheMainWindowsCentreAndGrowsAboutIt() {
        QPointer<Form4> form = open();
        QCOMPARE(host->stopHidden, 1);
        const QRect opening = platform::twipsOf(form);
        QCOMPARE(opening, QRect(1200 + 7965 / 2, 900 + 5625 / 2, 100, 100));
        QRect before = opening;
        int steps = 0;
        for (; timer(form, "Timer1")->isEnabled(); ++steps) {
            QVERIFY(soundNames().isEmpty()); // no award before the growth ends
            advanceClock(10);
            const QRect now = platform::twipsOf(form);
            QVERIFY(now.width() > before.width() && now.height() > before.height());
            before = now;
        }
        // The height passes its designed size at the twentieth step; the
        // window then takes that size about the same centre.
        QCOMPARE(steps, 20);
        const QPoint centre = opening.topLeft() + QPoint(50, 50);
        QCOMPARE(before, QRect(centre - QPoint(4815 / 2, 5085 / 2), QSize(4815, 5085)));
        QCOMPARE(soundNames(), QStringList{QStringLiteral("limbo")});
    }

    // Level 15 finished early without jokers, two such levels before: five
    // awards, each slot with its joker's picture; each random joker's box is
    // enabled at the first blink (never Finalizar's); five labels blink.
    void levelFifteenGivesFiveAwardsEachWithItsSlotAndBlink() {
        state.nivel_actual = 15;
        state.comodines.fill(0);
        state.sin_comodines = true;
        state.sin_finalizar = true;
        state.dentro_seg = 40;
        counters.extra1 = 2;
        QPointer<Form4> form = open();
        grow(form);
        for (int i = 0; i < 5; ++i) {
            QLabel* slot = label(form, "Picture1", i);
            const int joker = field(form, QStringLiteral("comod%1").arg(i));
            QVERIFY(!slot->isHidden());
            QCOMPARE(platform::pictureId(slot), jokerPictureId(joker));
        }
        QVERIFY(!box(form, kMostrar)->isEnabled());
        advanceClock(500);
        std::array<bool, 8> awarded{};
        for (int i = 0; i < 3; ++i) {
            awarded[static_cast<size_t>(field(form, QStringLiteral("comod%1").arg(i)))] = true;
        }
        for (int k = 1; k <= 7; ++k) {
            QCOMPARE(box(form, k)->isEnabled(), awarded[static_cast<size_t>(k)] && k != kFinalizar);
            QCOMPARE(label(form, "comodin1", k)->text(), QString::number(state.comodines[k]));
        }
        QVERIFY(child(form, QStringLiteral("Suerte"))->isEnabled());
        const auto blinking = [&form] {
            int on = 0;
            for (const char* name : {"Timer7", "Timer2", "Timer3", "Timer4", "Timer5"}) {
                on += timer(form, name)->isEnabled() ? 1 : 0;
            }
            return on;
        };
        advanceClock(3000);
        QCOMPARE(blinking(), 5);
        advanceClock(500);
        QCOMPARE(blinking(), 0);
    }

    // The close box continues as "Continuar" does, even during the growth,
    // without the awards the growth would have ended in; a joker ticked
    // before a Suerte play took its last one is not used.
    void theCloseBoxContinuesWithoutAJokerThatIsGone() {
        state.nivel_actual = 9; // a multiple of 3 earns an award
        QPointer<Form4> form = open();
        advanceClock(50);
        clickOn(box(form, kMostrar)); // the first box: it must count among the jokers
        QCOMPARE(field(form, QStringLiteral("valor")), 0); // chosen once the pointer leaves it
        moveOver(child<QGroupBox>(form, QStringLiteral("Comodines")),
                 QPoint(platform::twipsToPixels(3300), platform::twipsToPixels(400)));
        QCOMPARE(field(form, QStringLiteral("valor")), int(kMostrar));
        state.comodines[kMostrar] = 0;
        const auto stock = state.comodines;
        host->main.hide();
        form->close();
        QCOMPARE(host->started, std::vector<int>{kNoJoker});
        QCOMPARE(state.nivel_actual, 10);
        QVERIFY(host->main.isVisible());
        advanceClock(1000);
        QVERIFY(state.comodines == stock);
        QVERIFY(!soundNames().contains(QStringLiteral("limbo")));
    }

    void suerteIsRefusedWhileItsSignsShow() {
        state.comodines[kSuerte] = 2;
        QPointer<Form4> form = open();
        grow(form);
        soundNames();
        auto* button = child<QAbstractButton>(form, QStringLiteral("Suerte"));
        clickOn(button);
        QCOMPARE(soundNames(), QStringList{QStringLiteral("magia")});
        const QJsonArray drawn = form->fields().value(QStringLiteral("sorteado")).toArray();
        int signs = 0;
        for (int k = 1; k <= 7; ++k) { // one sign per drawn kind; the stock labels wait
            QLabel* sign = label(form, "signo", k);
            QCOMPARE(!sign->isHidden(), drawn.at(k).toInt() == 1);
            QCOMPARE(label(form, "comodin1", k)->text(), QStringLiteral("1"));
            if (!sign->isHidden()) {
                ++signs;
                QCOMPARE(platform::foreColor(sign),
                         sign->text() == QLatin1String("+") ? 0x00C000u : 0x0000FFu);
            }
        }
        QVERIFY(signs >= 2 && signs <= 5);
        clickOn(button);
        press(Qt::Key_S);
        QCOMPARE(state.comodines[kSuerte], 1);
        advanceClock(1500);
        for (int k = 1; k <= 8; ++k) {
            QVERIFY(label(form, "signo", k)->isHidden());
            QCOMPARE(label(form, "comodin1", k)->text(), QString::number(state.comodines[k]));
        }
        press(Qt::Key_S); // accepted again once the display is over
        QCOMPARE(state.comodines[kSuerte], 0);
        QCOMPARE(soundNames(), QStringList{QStringLiteral("magia")});
    }

    void theSpecialJokerOnLevelFourBouncesAndLeadsToLevelFifteen() {
        state.nivel_actual = 4;
        state.especial_disponible = true;
        QPointer<Form4> form = open();
        press(Qt::Key_E); // not offered yet
        QVERIFY(child(form, QStringLiteral("niveles"))->isHidden());
        grow(form);
        const std::int16_t score = state.puntuacion;
        soundNames();
        press(Qt::Key_E);
        QCOMPARE(state.puntuacion, score + 500);
        QCOMPARE(soundNames(), QStringList{QStringLiteral("especial")});
        QVERIFY(child(form, QStringLiteral("comodin9"))->isHidden());
        auto* niveles = child(form, QStringLiteral("niveles"));
        std::vector<int> tops{platform::twipsOf(niveles).y()};
        for (int step = 0; step < 120; ++step) {
            advanceClock(50);
            tops.push_back(platform::twipsOf(niveles).y());
        }
        for (int k = 1; k <= 8; ++k) { // one more of each, shown 1.5 s after the press
            QCOMPARE(label(form, "comodin1", k)->text(), QStringLiteral("2"));
        }
        // "+10 niveles" moves 50 twips a step and turns past the frame's top
        // and bottom.
        int turns = 0;
        for (size_t i = 1; i + 1 < tops.size(); ++i) {
            QCOMPARE(std::abs(tops[i] - tops[i - 1]), 50);
            if ((tops[i + 1] - tops[i]) != (tops[i] - tops[i - 1])) {
                ++turns;
                QVERIFY2(tops[i] < 180 || tops[i] > 2600, qPrintable(QString::number(tops[i])));
            }
        }
        QCOMPARE(turns, 2);
        QCOMPARE(*std::min_element(tops.begin(), tops.end()), 170);
        clickOn(child(form, QStringLiteral("Command2")));
        QCOMPARE(state.nivel_actual, 15);
    }
};

QUENZA_QT_TEST(Form4Test)
#include "form4_test.moc"
