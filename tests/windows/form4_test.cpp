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
#include <array>
#include <cstdlib>
#include <vector>

using namespace quenza;
using namespace quenza::testing;

namespace {

// The main window as the level-complete window sees it: a plain window, the
// finished level's word count and a record of the levels it was asked to start.
class FakeHost final : public LevelHost {
public:
    QWidget main;
    std::int16_t palabras = 6;
    int stopHidden = 0;
    std::vector<int> started;

    QWidget* mainWindow() override { return &main; }
    std::int16_t num_palabras() const override { return palabras; }
    void hideStopPicture() override { ++stopHidden; }
    void startLevel(int comodinn) override { started.push_back(comodinn); }
};

// A level finished late, with a joker and with Finalizar: no award at all
// unless the level number or the test asks for one.
EvolutionState quietLevel(std::int16_t nivel, std::int16_t stock) {
    EvolutionState state;
    state.nivel_actual = nivel;
    state.comodines.fill(stock);
    state.sin_comodines = false;
    state.sin_finalizar = false;
    state.dentro_seg = 0;
    return state;
}

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
        return form;
    }
    static platform::Timer* timer(Form4* form, const char* name) {
        return child<platform::Timer>(form, QLatin1String(name));
    }
    // Lets the growth run to its end; the award rules run there.
    static void grow(Form4* form) {
        for (int step = 0; step < 100 && timer(form, "Timer1")->isEnabled(); ++step) {
            advanceClock(10);
        }
        QVERIFY(!timer(form, "Timer1")->isEnabled());
    }
    static int blinking(Form4* form) {
        int on = 0;
        for (const char* name : {"Timer7", "Timer2", "Timer3", "Timer4", "Timer5"}) {
            on += timer(form, name)->isEnabled() ? 1 : 0;
        }
        return on;
    }
    static QLabel* label(Form4* form, const char* name, int index) {
        return child<QLabel>(form, indexed(name, index));
    }
    static QAbstractButton* box(Form4* form, int k) {
        return child<QAbstractButton>(form, indexed("Check1", k));
    }
    static int field(Form4* form, const char* name) {
        return form->fields().value(QLatin1String(name)).toInt();
    }
    QStringList soundNames() {
        QStringList names;
        for (const auto& played : fixture->sounds->take()) {
            names << played.name;
        }
        return names;
    }
    static void activate(Form4* form) {
        form->activateWindow();
        QCoreApplication::processEvents();
        QVERIFY(form->isActiveWindow());
    }
    // Ticks joker k and lets the pointer cross the frame's free area.
    static void tickAndCross(Form4* form, int k) {
        activate(form);
        clickOn(box(form, k));
        QVERIFY(box(form, k)->isChecked());
        crossFrame(form);
    }
    // The tops of "+10 niveles", from before its first step, over 6 s.
    static std::vector<int> bounce(Form4* form) {
        auto* niveles = child(form, QStringLiteral("niveles"));
        std::vector<int> tops{platform::twipsOf(niveles).y()};
        for (int step = 0; step < 120; ++step) {
            advanceClock(50);
            tops.push_back(platform::twipsOf(niveles).y());
        }
        return tops;
    }
    // Keys go where the focus is, as on a desktop.
    static void press(Form4* form, Qt::Key key) {
        activate(form);
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : form, key);
    }
    static void crossFrame(Form4* form) {
        moveOver(child<QGroupBox>(form, QStringLiteral("Comodines")),
                 QPoint(platform::twipsToPixels(3300), platform::twipsToPixels(400)));
    }

private Q_SLOTS:
    void init() {
        fixture = std::make_unique<WindowFixture>();
        host = std::make_unique<FakeHost>();
        platform::place(&host->main, 1200, 900, 7965, 5625);
        state = quietLevel(1, 1);
        counters = {};
    }
    void cleanup() {
        deleteWindows("Form4");
        host.reset();
        fixture.reset();
    }

    void opensAsADotAtTheMainWindowsCentreAndGrowsAboutIt() {
        state.puntuacion = 100;
        state.nivel_actual = 7;
        QPointer<Form4> form = open();
        QCOMPARE(form->windowTitle(), QStringLiteral("Limbo de Nivel"));
        QCOMPARE(state.puntuacion, 100 + 10 * 7);
        QCOMPARE(host->stopHidden, 1);
        QCOMPARE(child<QLabel>(form, QStringLiteral("nivel"))->text(), QStringLiteral("7"));
        // No Suerte has been played: no kind is drawn.
        const QJsonArray drawn = form->fields().value(QStringLiteral("sorteado")).toArray();
        for (int k = 1; k <= 7; ++k) {
            QCOMPARE(drawn.at(k).toInt(), 0);
        }
        const QRect opening = platform::twipsOf(form);
        QCOMPARE(opening, QRect(1200 + 7965 / 2, 900 + 5625 / 2, 100, 100));

        QRect before = opening;
        int steps = 0;
        while (timer(form, "Timer1")->isEnabled()) {
            QVERIFY(before.height() <= 5085 && before.width() <= 4815);
            QVERIFY(soundNames().isEmpty()); // no award before the growth ends
            advanceClock(10);
            ++steps;
            const QRect now = platform::twipsOf(form);
            QVERIFY(now.width() > before.width() && now.height() > before.height());
            before = now;
        }
        // The height passes 5085 at the twentieth step; the window then takes
        // its designed size about the same centre.
        QCOMPARE(steps, 20);
        const QPoint centre(opening.x() + 50, opening.y() + 50);
        QCOMPARE(before, QRect(centre.x() - 4815 / 2, centre.y() - 5085 / 2, 4815, 5085));
        QCOMPARE(soundNames(), QStringList{QStringLiteral("limbo")});
        advanceClock(1000);
        QCOMPARE(platform::twipsOf(form), before);
        QVERIFY(soundNames().isEmpty());
    }

    // Level 15 finished early without jokers, two such levels before: five
    // awards, each in its slot with its own reason. On an empty stock each
    // label rises at the first blink, each random joker's box is enabled then
    // (never Finalizar's), and every label blinks three times, the last 3.5 s
    // after the award.
    void levelFifteenGivesFiveAwardsEachWithItsSlotAndBlink() {
        state = quietLevel(15, 0);
        state.sin_comodines = true;
        state.sin_finalizar = true;
        state.dentro_seg = 40;
        counters.extra1 = 2;
        QPointer<Form4> form = open();
        QVERIFY(label(form, "Picture1", 0)->isHidden());
        grow(form);
        QCOMPARE(field(form, "comod3"), int(kFinalizar));
        QCOMPARE(field(form, "comod4"), int(kSuerte));
        QCOMPARE(field(form, "extra1"), 3);
        const QStringList reasons{
            QStringLiteral("Comodin ganado por haber pasado de nivel sin utilizar comodines"),
            QStringLiteral("Comodín ganado por tiempo"),
            QStringLiteral("Comodin que ganas cada 3 niveles"),
            QStringLiteral("Comodin conseguido por ganar 3 partidas sin comodines"),
            QStringLiteral("Comodin que ganas cada 5 niveles")};
        for (int i = 0; i < 5; ++i) {
            QLabel* slot = label(form, "Picture1", i);
            const int joker = field(form, qPrintable(QStringLiteral("comod%1").arg(i)));
            QVERIFY(!slot->isHidden());
            QCOMPARE(slot->toolTip(), reasons.at(i));
            QCOMPARE(platform::pictureId(slot), jokerPictureId(joker));
            QWidget* source =
                joker == kSuerte ? child(form, QStringLiteral("Suerte")) : box(form, joker);
            QCOMPARE(platform::pictureId(slot), platform::pictureId(source));
        }
        QLabel* suerte = label(form, "comodin1", kSuerte);
        auto* button = child(form, QStringLiteral("Suerte"));
        QCOMPARE(state.comodines[kSuerte], 1);
        QVERIFY(!button->isEnabled());
        for (int k = 1; k <= 8; ++k) {
            QCOMPARE(label(form, "comodin1", k)->text(), QStringLiteral("0"));
            QVERIFY(k == kSuerte || !box(form, k)->isEnabled());
        }
        advanceClock(500);
        std::array<bool, 8> awarded{};
        for (const char* routine : {"comod0", "comod1", "comod2"}) {
            awarded[static_cast<size_t>(field(form, routine))] = true;
        }
        for (int k = 1; k <= 7; ++k) {
            QCOMPARE(box(form, k)->isEnabled(), awarded[static_cast<size_t>(k)] && k != kFinalizar);
        }
        for (int k = 1; k <= 8; ++k) {
            QCOMPARE(label(form, "comodin1", k)->text(), QString::number(state.comodines[k]));
        }
        QVERIFY(button->isEnabled());
        for (const bool shown : {false, true, false, true, false, true}) {
            advanceClock(500);
            QCOMPARE(!suerte->isHidden(), shown);
        }
        QCOMPARE(blinking(form), 5);
        advanceClock(500);
        QCOMPARE(blinking(form), 0);
        QCOMPARE(field(form, "contador4"), 8);
        QCOMPARE(suerte->text(), QStringLiteral("1"));
    }

    void fiveSuerteAreTradedForTheSpecialJoker() {
        state = quietLevel(5, 1);
        state.comodines[kMostrar] = 0;
        state.comodines[kSuerte] = 4;
        QPointer<Form4> form = open();
        for (int k = 1; k <= 7; ++k) { // no stock, or Finalizar: the box stays disabled
            QCOMPARE(box(form, k)->isEnabled(), k != kMostrar && k != kFinalizar);
        }
        grow(form);
        QCOMPARE(state.comodines[kSuerte], 0);
        QVERIFY(!child(form, QStringLiteral("comodin9"))->isHidden());
        QVERIFY(!child(form, QStringLiteral("comodin9_txt"))->isHidden());
        QVERIFY(!child(form, QStringLiteral("Suerte"))->isEnabled());
        QVERIFY(!timer(form, "Timer5")->isEnabled());
        advanceClock(2000);
        QCOMPARE(label(form, "comodin1", kSuerte)->text(), QStringLiteral("0"));
    }

    void tiempoTickedAcrossTheFrameStartsTheNextLevelWithIt() {
        state.comodines[kTiempo] = 2;
        state.nivel_actual = 2;
        QPointer<Form4> form = open();
        grow(form);
        activate(form);
        clickOn(box(form, kTiempo));
        moveOver(box(form, kTiempo)); // over the box itself, not the frame's free area
        QCOMPARE(field(form, "valor"), 0);
        clickOn(box(form, kTiempo));
        crossFrame(form);
        QCOMPARE(field(form, "valor"), 0); // the second click unticked it
        tickAndCross(form, kTiempo);
        QCOMPARE(field(form, "valor"), int(kTiempo));
        host->main.hide();
        clickOn(child(form, QStringLiteral("Command2")));
        QCOMPARE(host->started, std::vector<int>{kTiempo});
        QVERIFY(!box(form, kTiempo)->isChecked()); // the button took the focus
        QCOMPARE(state.comodines[kTiempo], 1);
        QCOMPARE(state.nivel_actual, 3);
        QVERIFY(state.comodin_usado[kTiempo]);
        QVERIFY(host->main.isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
    }

    void theLastBoxIsChosenLikeTheOthers() {
        QPointer<Form4> form = open();
        grow(form);
        tickAndCross(form, kUniDireccion);
        QCOMPARE(field(form, "valor"), int(kUniDireccion));
    }

    // The close box continues as "Continuar" does, even during the growth, and
    // the awards that growth would have ended in are not given; a joker ticked
    // before a Suerte play took its last one is not used.
    void theCloseBoxContinuesWithoutAJokerThatIsGone() {
        state.nivel_actual = 9; // a multiple of 3 earns an award
        QPointer<Form4> form = open();
        advanceClock(50);
        // Mostrar, the first box: the check must count it among the jokers.
        tickAndCross(form, kMostrar);
        state.comodines[kMostrar] = 0;
        const auto stock = state.comodines;
        host->main.hide();
        form->close();
        QCOMPARE(host->started, std::vector<int>{kNoJoker});
        QCOMPARE(state.nivel_actual, 10);
        QVERIFY(!state.comodin_usado[kMostrar]);
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
        const auto before = state.comodines;
        auto* button = child<QAbstractButton>(form, QStringLiteral("Suerte"));
        clickOn(button);
        QCOMPARE(soundNames(), QStringList{QStringLiteral("magia")});
        QCOMPARE(state.comodines[kSuerte], 1);
        const QJsonArray drawn = form->fields().value(QStringLiteral("sorteado")).toArray();
        QVERIFY(drawn.at(0).isNull() && drawn.at(8).isNull());
        int signs = 0;
        for (int k = 1; k <= 7; ++k) { // one sign per drawn kind; the stock labels wait
            QLabel* sign = label(form, "signo", k);
            QCOMPARE(!sign->isHidden(), drawn.at(k).toInt() == 1);
            QCOMPARE(label(form, "comodin1", k)->text(), QString::number(before[k]));
            if (!sign->isHidden()) {
                ++signs;
                const bool plus = sign->text() == QLatin1String("+");
                QCOMPARE(platform::foreColor(sign), plus ? 0x00C000u : 0x0000FFu);
            }
        }
        QVERIFY(signs >= 2 && signs <= 5);

        clickOn(button);
        press(form, Qt::Key_S);
        QCOMPARE(state.comodines[kSuerte], 1);
        QVERIFY(soundNames().isEmpty());

        advanceClock(1500);
        QVERIFY(!timer(form, "magic")->isEnabled());
        for (int k = 1; k <= 8; ++k) {
            QVERIFY(label(form, "signo", k)->isHidden());
            QCOMPARE(label(form, "comodin1", k)->text(), QString::number(state.comodines[k]));
        }
        press(form, Qt::Key_S); // accepted again once the display is over
        QCOMPARE(state.comodines[kSuerte], 0);
        QCOMPARE(soundNames(), QStringList{QStringLiteral("magia")});
    }

    void theSpecialJokerOnLevelFourBouncesAndLeadsToLevelFifteen() {
        state = quietLevel(4, 1);
        state.especial_disponible = true;
        QPointer<Form4> form = open();
        auto* special = child(form, QStringLiteral("comodin9"));
        QVERIFY(special->isHidden());
        press(form, Qt::Key_E); // not offered yet
        QVERIFY(child(form, QStringLiteral("niveles"))->isHidden());
        grow(form);
        QVERIFY(!special->isHidden());
        QVERIFY(state.especial_disponible);
        soundNames();
        const std::int16_t score = state.puntuacion;
        press(form, Qt::Key_E);
        QCOMPARE(state.puntuacion, score + 500);
        QCOMPARE(soundNames(), QStringList{QStringLiteral("especial")});
        QVERIFY(special->isHidden());
        QVERIFY(child(form, QStringLiteral("comodin9_txt"))->isHidden());
        QVERIFY(!child(form, QStringLiteral("niveles"))->isHidden());
        for (int k = 1; k <= 8; ++k) {
            QVERIFY(!label(form, "signo", k)->isHidden());
            QCOMPARE(label(form, "signo", k)->text() + label(form, "comodin1", k)->text(), u"+1");
        }
        QCOMPARE(field(form, "movimiento"), 1);
        const std::vector<int> tops = bounce(form);
        for (int k = 1; k <= 8; ++k) { // the display ended 1.5 s after the press
            QCOMPARE(label(form, "comodin1", k)->text(), QStringLiteral("2"));
            QVERIFY(label(form, "signo", k)->isHidden());
        }
        // "+10 niveles" climbs 50 twips a step, turns past the frame's top
        // and bottom, and keeps going.
        int turns = 0;
        for (size_t i = 1; i + 1 < tops.size(); ++i) {
            QCOMPARE(std::abs(tops[i] - tops[i - 1]), 50);
            if ((tops[i + 1] - tops[i]) != (tops[i] - tops[i - 1])) {
                ++turns;
                QVERIFY2(tops[i] < 180 || tops[i] > 2600, qPrintable(QString::number(tops[i])));
                QVERIFY(tops[i - 1] >= 180 && tops[i - 1] <= 2600);
            }
        }
        QCOMPARE(turns, 2);
        QCOMPARE(*std::min_element(tops.begin(), tops.end()), 170);
        QCOMPARE(child<QLabel>(form, QStringLiteral("nivel"))->text(), QStringLiteral("4"));
        clickOn(child(form, QStringLiteral("Command2")));
        QCOMPARE(state.nivel_actual, 15);
    }
};

QUENZA_QT_TEST(Form4Test)
#include "form4_test.moc"
