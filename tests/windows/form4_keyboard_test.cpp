// The level-complete window without a mouse: Space on a check box chooses the
// next level's joker, S plays Suerte, E takes the special joker, Enter
// continues; each key only where its button could be clicked.
#include "jokers/form4.h"
#include "jokers/level_host.h"
#include "platform/clock.h"
#include "platform/timer.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QPointer>
#include <QtTest>
#include <vector>

using namespace quenza;
using namespace quenza::testing;

namespace {

class FakeHost final : public LevelHost {
public:
    QWidget main;
    std::vector<int> started;

    QWidget* mainWindow() override { return &main; }
    std::int16_t num_palabras() const override { return 6; }
    void hideStopPicture() override {}
    void startLevel(int comodinn) override { started.push_back(comodinn); }
};

void advance(qint64 ms) {
    static_cast<platform::VirtualClock&>(platform::clock()).advance(ms);
}

} // namespace

class Form4KeyboardTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<FakeHost> host;
    EvolutionState state;
    AwardCounters counters;

    // Opened after a level that earns nothing, grown, and active.
    QPointer<Form4> open() {
        state.sin_comodines = false;
        state.sin_finalizar = false;
        state.dentro_seg = 0;
        state.nivel_actual = 1;
        QPointer<Form4> form = new Form4(*host, state, counters);
        form->show();
        advance(1000);
        form->activateWindow();
        QCoreApplication::processEvents();
        return form;
    }
    static QAbstractButton* box(Form4* form, int k) {
        return child<QAbstractButton>(form, indexed("Check1", k));
    }
    static int valor(Form4* form) { return form->fields().value(QStringLiteral("valor")).toInt(); }
    static void press(Qt::Key key) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : QApplication::activeWindow(), key);
    }
    QStringList soundNames() {
        QStringList names;
        for (const auto& played : fixture->sounds->take()) {
            names << played.name;
        }
        return names;
    }

private Q_SLOTS:
    void init() {
        fixture = std::make_unique<WindowFixture>();
        host = std::make_unique<FakeHost>();
        state = {};
        state.comodines.fill(1);
        counters = {};
    }
    void cleanup() {
        deleteWindows("Form4");
        host.reset();
        fixture.reset();
    }

    // The focus walks the enabled boxes; Space records the box at once, the
    // mouse still needs the pointer to cross the frame.
    void spaceTicksTheFocusedBoxAndChoosesItsJoker() {
        state.comodines[kMostrar] = 0;
        QPointer<Form4> form = open();
        QVERIFY(form->isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), box(form, kMostrar3));
        press(Qt::Key_Space);
        QVERIFY(box(form, kMostrar3)->isChecked());
        QCOMPARE(valor(form), int(kMostrar3));
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box(form, kEliminar));
        QVERIFY(!box(form, kMostrar3)->isChecked());
        QCOMPARE(valor(form), int(kMostrar3)); // kept, as a crossing would keep it
        press(Qt::Key_Space);
        QCOMPARE(valor(form), int(kEliminar));
        press(Qt::Key_Space);
        QCOMPARE(valor(form), 0);

        clickOn(box(form, kVisor));
        QVERIFY(box(form, kVisor)->isChecked());
        QCOMPARE(valor(form), 0);
    }

    void enterContinuesWithTheJokerChosen() {
        QPointer<Form4> form = open();
        press(Qt::Key_Tab);
        press(Qt::Key_Space);
        QCOMPARE(valor(form), int(kMostrar3));
        host->main.hide();
        press(Qt::Key_Return);
        QCOMPARE(host->started, std::vector<int>{kMostrar3});
        QCOMPARE(state.comodines[kMostrar3], 0);
        QVERIFY(host->main.isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
    }

    void sPlaysSuerteOnlyWhileItsButtonTakesClicks() {
        state.comodines[kSuerte] = 0;
        QPointer<Form4> form = open();
        soundNames();
        press(Qt::Key_S);
        QCOMPARE(soundNames(), QStringList{});
        form->close();

        state.comodines[kSuerte] = 1;
        form = open();
        soundNames();
        press(Qt::Key_S);
        QCOMPARE(soundNames(), QStringList{QStringLiteral("magia")});
        QCOMPARE(state.comodines[kSuerte], 0);
        QVERIFY(child<platform::Timer>(form, QStringLiteral("magic"))->isEnabled());
        press(Qt::Key_S); // the draw is still on show
        QCOMPARE(soundNames(), QStringList{});
        QVERIFY(form->isVisible());
    }

    void eTakesTheSpecialJokerOnlyWhenOffered() {
        QPointer<Form4> form = open();
        press(Qt::Key_E);
        QVERIFY(child(form, QStringLiteral("niveles"))->isHidden());
        QVERIFY(host->started.empty());
        form->close();

        state.especial_disponible = true;
        form = open();
        QVERIFY(!child(form, QStringLiteral("comodin9"))->isHidden());
        soundNames();
        press(Qt::Key_E);
        QCOMPARE(soundNames(), QStringList{QStringLiteral("especial")});
        QVERIFY(child(form, QStringLiteral("comodin9"))->isHidden());
        QVERIFY(!child(form, QStringLiteral("niveles"))->isHidden());
    }
};

QTEST_MAIN(Form4KeyboardTest)
#include "form4_keyboard_test.moc"
