// The interpreter playing a small window built like the game's: answers and
// refusals, the dump, input reaching the controls, menus, time, sounds and
// links, message boxes, the end of the program.
#include "driver/answer.h"
#include "driver/driver.h"
#include "driver/event_pump.h"
#include "driver/run_services.h"
#include "platform/inspect.h"
#include "platform/look.h"
#include "platform/message_box.h"
#include "platform/sound.h"
#include "platform/system.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "platform/widgets.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

using namespace quenza;
using namespace quenza::driver;
using namespace Qt::StringLiterals;

namespace {

// A word slot of state.celdas_palabra: ten cell numbers, then the direction.
QJsonArray slot(QList<int> cells, int direction) {
    cells.resize(10);
    cells.append(direction);
    return QJsonArray::fromVariantList(QVariantList(cells.begin(), cells.end()));
}

// A main window built the way the game builds its windows (named, tagged
// controls placed in twips, a frame, a text box, menus with a submenu, timers,
// fields), writing down what its handlers see.
class FakeForm final : public QMainWindow, public platform::Inspectable {
public:
    QStringList log;

    FakeForm() {
        setObjectName(u"Form1"_s);
        setWindowTitle(u"Quenza"_s);
        setCentralWidget(watch(new platform::Surface(this), u"surface"_s));
        for (int i = 0; i < 60; ++i) {
            label(centralWidget(), u"Label1(%1)"_s.arg(i + 1), 240 * (i % 12), 360 * (i / 12));
        }
        auto* frame = new QGroupBox(centralWidget());
        tag(frame, u"Frame1"_s, platform::Kind::Frame, 4080);
        platform::setForeColor(frame, 0x0080FF);
        label(frame, u"resultado(0)"_s, 240, 360);
        tag(new QLineEdit(centralWidget()), u"nombre"_s, platform::Kind::TextBox, 487, 5400);
        QMenu* jugar = menuBar()->addMenu(u"&Jugar"_s);
        QMenu* nuevo = jugar->addMenu(u"Nueva partida"_s);
        nuevo->menuAction()->setObjectName(u"nuevo"_s);
        entry(nuevo, u"tradicional"_s, u"Tradicional"_s)->setShortcut(Qt::Key_F2);
        jugar->addSeparator()->setObjectName(u"n"_s);
        QAction* guardame = entry(jugar, u"guardame"_s, u"&Guardar"_s);
        guardame->setShortcut(Qt::CTRL | Qt::Key_S);
        connect(guardame, &QAction::triggered, this,
                [] { platform::defaultHandler().open(u"mailto:autor@example.org"_s); });
        for (QMenu* menu : {jugar, nuevo}) {
            connect(menu, &QMenu::aboutToShow, this,
                    [this, menu] { log.append(u"show "_s + menu->title()); });
        }
        connect(entry(nuevo, u"aviso"_s, u"Aviso"_s), &QAction::triggered, this, [this] {
            platform::showMessage(this, u"Quenza"_s, u"Hola"_s,
                                  [this] { log.append(u"aviso cerrado"_s); });
        });
        // Switched on in this order: Timer1 and segundos60, due together,
        // fire in that order, and what each handler posts runs in between.
        for (const auto& [name, interval] :
             {std::pair{u"tcomodin3"_s, 400}, {u"Timer1"_s, 1000}, {u"segundos60"_s, 1000}}) {
            connect(new platform::Timer(name, interval, true, this), &platform::Timer::fired, this,
                    [this, name = name] { tick(name); });
        }
    }

    QJsonObject fields() const override {
        return {{u"num_palabras"_s, 6}, {u"celda_libre"_s, QJsonArray{QJsonValue(), true}}};
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        platform::endProgram(u"Adiós"_s);
    }

private:
    void tick(const QString& name) {
        log.append(name);
        QMetaObject::invokeMethod(
            this, [this, name] { log.append(u"after "_s + name); }, Qt::QueuedConnection);
    }
    platform::Label* watch(platform::Label* made, const QString& name) {
        connect(made, &platform::Label::clicked, this, [this, name] {
            log.append(u"click "_s + name);
            platform::playSound(u"ding"_s);
        });
        connect(made, &platform::Label::doubleClicked, this,
                [this, name] { log.append(u"double "_s + name); });
        connect(made, &platform::Label::mouseMoved, this, [this, name](QPoint at) {
            log.append(u"move %1 %2,%3"_s.arg(name).arg(at.x()).arg(at.y()));
        });
        return made;
    }
    static void tag(QWidget* made, const QString& name, platform::Kind kind, int left,
                    int top = 0) {
        made->setObjectName(name);
        platform::setKind(made, kind);
        platform::place(made, left, top, 255, 255);
    }
    void label(QWidget* parent, const QString& name, int left, int top) {
        tag(watch(new platform::Label(parent), name), name, platform::Kind::Label, left, top);
    }
    QAction* entry(QMenu* menu, const QString& name, const QString& text) {
        QAction* made = menu->addAction(text);
        made->setObjectName(name);
        connect(made, &QAction::triggered, this, [this, name] { log.append(u"menu "_s + name); });
        return made;
    }
};

} // namespace

class SessionTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunServices> services_;
    std::unique_ptr<Driver> driver_;
    QPointer<FakeForm> form_;
    QPointer<QWidget> dialog_;
    QJsonObject state_;

    QJsonObject run(const QString& line) { return driver_->run(line); }
    QJsonValue value(const QString& line) { return run(line).value(u"value"_s); }
    QString error(const QString& line) { return run(line).value(u"error"_s).toString(); }

private Q_SLOTS:
    void init() {
        services_ = std::make_unique<RunServices>(RunOptions{u"/nonexistent"_s, {}, 1, {}});
        state_ = {{u"celdas_palabra"_s, QJsonArray{slot({}, 0), slot({}, 0), slot({}, 0)}}};
        platform::setStateProvider([this] { return state_; });
        driver_ = std::make_unique<Driver>(*services_, [this] {
            form_ = new FakeForm;
            form_->show();
        });
        QCOMPARE(run(u"start"_s), okAnswer());
        // A second window, in front: input for Form1 has to activate it.
        dialog_ = new QWidget(form_, Qt::Window);
        dialog_->setObjectName(u"Form3"_s);
        dialog_->show();
        dialog_->activateWindow();
        processUntilIdle();
    }

    void cleanup() { delete form_; }

    // Every row is the session's second line; a refusal changes nothing.
    void answersOrRefuses_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("error"); // empty: the command succeeds
        const auto row = [](const char* line, const char* error, const char* setup = "") {
            QTest::addRow("%s %s", setup, line)
                << QString::fromUtf8(setup) << QString::fromUtf8(line) << QString::fromUtf8(error);
        };
        row("expect Form1.nombre.left = 487", ""); // the twips set, not pixels converted back
        row(R"(expect Form4 = {"loaded": false, "shown": false, "fields": {}})", "");
        row(R"(expect Form1.Frame1.foreColor = "0x0080FF")", "");
        row(R"(expect Form1.guardame.text = "Guardar")", "");
        row(R"(expect Form1.Timer1 = {"kind": "timer", "enabled": true, "interval": 1000})", "");
        row("expect Form1.resultado(0).visible = true", "", "hide Frame1");
        row("expect Form1.resultado(0).enabled = true", "", "disable Frame1");
        row("get Form1.celda_libre(2)", "Form1.celda_libre has no index 2 (0..1)");
        row("get Form1.Label1(2).color", "Form1.Label1(2) has no color");
        row("get Form1.nada", "Form1 has no control or field nada");
        row("get Form4.caption", "Form4 is not loaded");
        row("get Nadie.caption", "there is no window or value Nadie");
        row("frobnicate", "unknown command frobnicate");
        row("start", "the program is already running");
        row("wait -5", "usage: wait MS");
        row("click Form1.Label1(1) 10", "usage: click W.C [X Y]");
        row("expect Form1.num_palabras = 7", "Form1.num_palabras is 6, expected = 7");
        row(R"(expect Form1.caption ~ "Tradicional")",
            R"(Form1.caption is "Quenza", expected ~ "Tradicional")");
        row("expect Form1.num_palabras = yes", "yes is not one JSON value");
        row("clickword 1", "word slot 1 holds no placed word");
        row("clickword 3", "there is no word slot 3");
        row("click Form1.Label1(3)", "Label1(3) is hidden", "hide Label1(3)");
        row("click Form1.resultado(0)", "resultado(0) is inside the hidden Frame1", "hide Frame1");
        row("press Form1.Label1(3)", "Label1(3) is disabled", "disable Label1(3)");
        row("dblclick Form1.resultado(0)", "resultado(0) is inside the disabled Frame1",
            "disable Frame1");
        row("click Form1.Label1(1)", "Form1 is disabled", "disable Form1");
        row("menu Form1.guardame", "Form1 is disabled", "disable Form1");
        row("close Form1", "Form1 is disabled", "disable Form1");
        row("menu Form1.tradicional", "menu entry tradicional is inside the disabled menu nuevo",
            "disable nuevo");
        row("menu Form1.tradicional", "menu entry tradicional is inside the hidden menu nuevo",
            "hide nuevo");
        row("menu Form1.guardame", "menu entry guardame is disabled", "disable guardame");
        row("menu Form1.guardame", "menu entry guardame is hidden", "hide guardame");
        row("menu Form1.n", "menu entry n is a separator");
        row("click form8.cmdOK", "form8 is not loaded");
        row("close Form3", "Form3 is not shown", "hide Form3");
        row("click Form1.nada", "Form1 has no control nada");
        row("click Form1.guardame", "Form1.guardame is a menu entry: choose it with menu");
        row("click Form1.Timer1", "Form1.Timer1 is a timer");
        row(R"(text Form1.Label1(1) "x")", "Form1.Label1(1) is not a text box");
        row("keys Form1", "usage: keys W KEY...");
        row(R"(keys Form1 "a")", "usage: keys W KEY...");
        row("keys Form1 Left Frobnicate", "Frobnicate is not a key name");
        row("keys Form1 Left,Right", "Left,Right is not a key name");
        row("keys Form1.Label1(1) Left", "keys needs a window, not Form1.Label1(1)");
        row("keys Form1 F2", "Form1 is disabled", "disable Form1");
        row("keys Form3 Escape", "Form3 is not shown", "hide Form3");
    }
    void answersOrRefuses() {
        QFETCH(QString, setup);
        QFETCH(QString, line);
        QFETCH(QString, error);
        if (!setup.isEmpty()) {
            const QString name = setup.section(u' ', 1);
            QObject* target = name == u"Form1" ? form_.data() : form_->findChild<QObject*>(name);
            QVERIFY(target &&
                    target->setProperty(setup.startsWith(u"hide") ? "visible" : "enabled", false));
            processUntilIdle();
        }
        QWidget* active = QApplication::activeWindow();
        QCOMPARE(run(line), error.isEmpty() ? okAnswer() : failureAnswer(2, error));
        QCOMPARE(form_->log, QStringList()); // no handler ran
        QCOMPARE(QApplication::activeWindow(), active);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
    }

    void dumpsEveryWindowAndTheState() {
        const QJsonObject all = value(u"dump"_s).toObject();
        QCOMPARE(all.keys(), (QStringList{u"active"_s, u"date"_s, u"focus"_s, u"state"_s, u"time"_s,
                                          u"windows"_s, u"zoom"_s}));
        QCOMPARE(all.value(u"zoom"_s), QJsonValue(100));
        QCOMPARE(all.value(u"state"_s), QJsonValue(state_));
        const QJsonObject windows = all.value(u"windows"_s).toObject();
        QCOMPARE(windows.keys(), (QStringList{u"Form1"_s, u"Form3"_s, u"Form4"_s, u"Form5"_s,
                                              u"Form6"_s, u"Form7"_s, u"Inicio"_s, u"form8"_s}));
        QCOMPARE(value(u"dump Form1"_s), windows.value(u"Form1"_s));
    }

    void clicksActivateTheWindowAndReachTheControl() {
        QCOMPARE(run(u"move Form1 300 450"_s), okAnswer());
        QCOMPARE(value(u"get active"_s), QJsonValue(u"Form3"_s)); // a move activates nothing
        QCOMPARE(run(u"click Form1.Label1(6) 30 45"_s), okAnswer());
        QCOMPARE(value(u"get active"_s), QJsonValue(u"Form1"_s));
        QCOMPARE(run(u"dblclick Form1.Label1(7)"_s), okAnswer());
        QCOMPARE(form_->log, (QStringList{u"move surface 20,30"_s, u"move Label1(6) 2,3"_s,
                                          u"click Label1(6)"_s, u"move Label1(7) 8,8"_s,
                                          u"click Label1(7)"_s, u"double Label1(7)"_s}));
        // A press and a release on another control make no click.
        form_->log.clear();
        for (const QString& line : {u"press Form1.Label1(8)"_s, u"release Form1.Label1(9)"_s,
                                    u"press Form1.Label1(8)"_s, u"release Form1.Label1(8)"_s}) {
            QCOMPARE(run(line), okAnswer());
        }
        QCOMPARE(form_->log, QStringList{u"click Label1(8)"_s});
    }

    void typesIntoTheFocusedControl() {
        // The text box is the window's only control that takes the focus.
        QCOMPARE(run(u"key Form1 \"x\""_s), okAnswer());
        QCOMPARE(value(u"get focus"_s), QJsonValue(u"Form1.nombre"_s));
        QCOMPARE(value(u"get Form1.nombre.text"_s), QJsonValue(u"x"_s));
        QCOMPARE(run(u"text Form1.nombre \"\""_s), okAnswer());
        QCOMPARE(value(u"get Form1.nombre.text"_s), QJsonValue(u""_s));
    }

    // Named keys go to the focused control of the window, once it is active;
    // a shortcut reaches its menu entry, unless the entry is disabled.
    void pressesNamedKeysAndShortcuts() {
        QCOMPARE(run(u"keys Form1 X Y Backspace Z"_s), okAnswer());
        QCOMPARE(value(u"get active"_s), QJsonValue(u"Form1"_s));
        QCOMPARE(value(u"get Form1.nombre.text"_s), QJsonValue(u"xz"_s));
        QCOMPARE(run(u"keys Form1 F2 Ctrl+S"_s), okAnswer());
        QCOMPARE(form_->log, (QStringList{u"menu tradicional"_s, u"menu guardame"_s}));
        QCOMPARE(value(u"get Form1.nombre.text"_s), QJsonValue(u"xz"_s));
        form_->findChild<QAction*>(u"guardame"_s)->setEnabled(false);
        form_->log.clear();
        QCOMPARE(run(u"keys Form1 Ctrl+S"_s), okAnswer());
        QCOMPARE(form_->log, QStringList());
    }

    void timersFireInOrderWithEventsBetween() {
        QCOMPARE(run(u"wait 999"_s), okAnswer());
        QCOMPARE(form_->log.size(), 4);
        QCOMPARE(run(u"wait 1"_s), okAnswer());
        QCOMPARE(form_->log, (QStringList{u"tcomodin3"_s, u"after tcomodin3"_s, u"tcomodin3"_s,
                                          u"after tcomodin3"_s, u"Timer1"_s, u"after Timer1"_s,
                                          u"segundos60"_s, u"after segundos60"_s}));
    }

    void recordsSoundsLinksAndMessages() {
        QCOMPARE(run(u"wait 250"_s), okAnswer());
        QCOMPARE(run(u"click Form1.Label1(1)"_s), okAnswer());
        QCOMPARE(answerLine(run(u"sounds"_s)),
                 R"({"ok":true,"value":[{"name":"ding","time":250}]})");
        QCOMPARE(value(u"sounds"_s), QJsonValue(QJsonArray()));
        QCOMPARE(run(u"menu Form1.guardame"_s), okAnswer());
        QCOMPARE(value(u"opened"_s), QJsonValue(QJsonArray{u"mailto:autor@example.org"_s}));
        // The menus open from the bar down and close before the entry acts.
        form_->log.clear();
        QCOMPARE(run(u"menu Form1.aviso"_s), okAnswer());
        QCOMPARE(form_->log,
                 (QStringList{u"show &Jugar"_s, u"show Nueva partida"_s, u"menu aviso"_s}));
        QCOMPARE(error(u"click Form1.Label1(1)"_s), u"Form1 is behind MsgBox"_s);
        QCOMPARE(run(u"close MsgBox"_s), okAnswer());
        QCOMPARE(form_->log.last(), u"aviso cerrado"_s);
    }

    // Forward directions are odd; a reverse word starts at its highest cell.
    void clicksAWordFromItsFirstLetter() {
        const auto play = [this](const QList<int>& cells, int direction, const QString& line) {
            form_->log.clear();
            state_[u"celdas_palabra"_s] =
                QJsonArray{slot({}, 0), slot({}, 0), slot(cells, direction)};
            const QString refusal = error(line);
            return (form_->log.filter(u"click "_s) << refusal).join(u';');
        };
        QCOMPARE(play({5, 6, 7}, 1, u"clickword 2"_s), u"click Label1(5);click Label1(7);"_s);
        QCOMPARE(play({28, 29, 30}, 2, u"clickword 2"_s), u"click Label1(30);click Label1(28);"_s);
        QCOMPARE(play({34, 45, 56}, 8, u"clickword 2"_s), u"click Label1(56);click Label1(34);"_s);
        QCOMPARE(play({34, 45, 56}, 7, u"clickword 2 reverse"_s),
                 u"click Label1(56);click Label1(34);"_s);
        form_->findChild<QWidget*>(u"Label1(41)"_s)->hide();
        QCOMPARE(play({40, 41}, 1, u"clickword 2"_s), u"click Label1(40);Label1(41) is hidden"_s);
    }

    void answersTheEndOfTheProgram() {
        QCOMPARE(run(u"close Form1"_s), endedAnswer(u"Adiós"_s));
        QVERIFY(!form_->findChild<platform::Timer*>(u"Timer1"_s)->isEnabled());
        QCOMPARE(error(u"wait 1000"_s), u"the program has ended"_s);
        QCOMPARE(run(u"quit"_s), okAnswer());
        QVERIFY(driver_->quitRequested());
    }
};

QTEST_MAIN(SessionTest)
#include "session_test.moc"
