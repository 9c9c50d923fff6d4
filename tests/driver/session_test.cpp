// The interpreter playing a small window built like the game's: values and
// paths, the dump, input that reaches (or may not reach) the controls, menus,
// time, message boxes, the end of the program.
#include "driver/driver.h"
#include "driver/event_pump.h"
#include "driver/run_services.h"
#include "fake_form.h"
#include "platform/inspect.h"
#include "platform/timer.h"
#include "platform/widgets.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QJsonArray>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace quenza;
using namespace quenza::driver;
using namespace Qt::StringLiterals;

namespace {

QJsonArray slot(std::initializer_list<int> cells, int direction) {
    QJsonArray positions;
    for (int i = 0; i < 10; ++i) {
        positions.append(0);
    }
    qsizetype p = 10 - qsizetype(cells.size());
    for (const int cell : cells) {
        positions[p++] = cell;
    }
    positions.append(direction);
    return positions;
}

QStringList startingWith(const QStringList& log, const QString& prefix) {
    QStringList kept;
    for (const QString& entry : log) {
        if (entry.startsWith(prefix)) {
            kept.append(entry);
        }
    }
    return kept;
}

} // namespace

class SessionTest : public QObject {
    Q_OBJECT

    QTemporaryDir data_;
    std::unique_ptr<RunServices> services_;
    std::unique_ptr<Driver> driver_;
    QPointer<test::FakeForm> form_;
    QPointer<test::FakeDialog> dialog_;
    QJsonObject state_;

    QJsonObject run(const QString& line) { return driver_->run(line); }

    // The value a command answers; the test fails when the command does.
    QJsonValue value(const QString& line) {
        const QJsonObject answer = run(line);
        if (!answer.value(u"ok"_s).toBool()) {
            qWarning() << line << answer;
        }
        return answer.value(u"value"_s);
    }

    QString error(const QString& line) {
        const QJsonObject answer = run(line);
        if (answer.value(u"ok"_s).toBool()) {
            return u"(succeeded)"_s;
        }
        return answer.value(u"error"_s).toString();
    }

    void openDialog() {
        dialog_ = new test::FakeDialog;
        dialog_->show();
        dialog_->activateWindow();
        processUntilIdle();
    }

    static QJsonObject ok() { return {{u"ok"_s, true}}; }

private Q_SLOTS:
    void init() {
        services_ = std::make_unique<RunServices>(
            RunOptions{u"/nonexistent"_s, data_.path(), 1, QDate(2002, 3, 5)});
        QJsonArray slots;
        for (int w = 0; w < 10; ++w) {
            slots.append(slot({}, 0));
        }
        state_ = {{u"puntuacion"_s, 7}, {u"sonido"_s, u"on"_s}, {u"celdas_palabra"_s, slots}};
        platform::setStateProvider([this] { return state_; });
        driver_ = std::make_unique<Driver>(*services_, [this] {
            form_ = new test::FakeForm;
            form_->show();
            form_->activateWindow();
        });
        QCOMPARE(run(u"start"_s), ok());
        QVERIFY(form_);
    }

    void cleanup() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->parentWidget() == nullptr) {
                window->deleteLater();
            }
        }
        processUntilIdle();
        driver_.reset();
        services_.reset();
    }

    void ignoresBlankLinesAndComments() {
        QVERIFY(run(QString()).isEmpty());
        QVERIFY(run(u"   # a comment"_s).isEmpty());
        const QJsonObject answer = run(u"frobnicate"_s);
        QCOMPARE(answer.value(u"line"_s).toInt(), 4); // start, blank, comment, this one
        QCOMPARE(answer.value(u"error"_s).toString(), u"unknown command frobnicate"_s);
        QCOMPARE(error(u"start"_s), u"the program is already running"_s);
        QCOMPARE(error(u"key Form1 \"abc"_s), u"quoted text without its closing quote"_s);
        QCOMPARE(error(u"wait -5"_s), u"usage: wait MS"_s);
        QCOMPARE(error(u"click Form1.Label1(1) 10"_s), u"usage: click W.C [X Y]"_s);
    }

    void getsValuesAlongPaths() {
        QCOMPARE(value(u"get Form1.caption"_s), QJsonValue(u"Quenza"_s));
        QCOMPARE(value(u"get Form1.Label1(14).text"_s), QJsonValue(u"L"_s));
        QCOMPARE(value(u"get Form1.num_palabras"_s), QJsonValue(6));
        QCOMPARE(value(u"get Form1.celda_libre(12)"_s), QJsonValue(true));
        QCOMPARE(value(u"get Form1.celda_libre(0)"_s), QJsonValue());
        QCOMPARE(value(u"get Form1.celda_libre"_s).toArray().size(), 145);
        QCOMPARE(value(u"get state.puntuacion"_s), QJsonValue(7));
        state_[u"celdas_palabra"_s] = QJsonArray{slot({}, 0), slot({}, 0), slot({28, 29, 30}, 2)};
        QCOMPARE(value(u"get state.celdas_palabra(2,10)"_s), QJsonValue(2));
        QCOMPARE(value(u"get state.celdas_palabra(2,9)"_s), QJsonValue(30));
        QCOMPARE(value(u"get time"_s), QJsonValue(0));
        QCOMPARE(value(u"get date"_s), QJsonValue(u"2002-03-05"_s));
        QCOMPARE(value(u"get active"_s), QJsonValue(u"Form1"_s));

        const QJsonObject cell = value(u"get Form1.Label1(14)"_s).toObject();
        QCOMPARE(cell.value(u"kind"_s), QJsonValue(u"label"_s));
        QCOMPARE(cell.value(u"left"_s), QJsonValue(720));
        QCOMPARE(cell.value(u"top"_s), QJsonValue(1320));
        const QJsonObject window = value(u"get Form1"_s).toObject();
        QCOMPARE(window.value(u"loaded"_s), QJsonValue(true));
        QCOMPARE(window.value(u"controls"_s).toObject().value(u"Label1(14)"_s), QJsonValue(cell));

        QCOMPARE(error(u"get Form1.celda_libre(145)"_s),
                 u"Form1.celda_libre has no index 145 (0..144)"_s);
        QCOMPARE(error(u"get Form1.nada"_s), u"Form1 has no control or field nada"_s);
        QCOMPARE(error(u"get Form3.caption"_s), u"Form3 is not loaded"_s);
        QCOMPARE(error(u"get Nadie.caption"_s), u"there is no window or value Nadie"_s);
        QCOMPARE(error(u"get state.nada"_s), u"state has no nada"_s);
    }

    void expectFailsWithWhatItFound() {
        QCOMPARE(run(u"expect Form1.num_palabras >= 6"_s), ok());
        QCOMPARE(run(u"expect Form1.direccion_seleccion ~ \"gun\""_s), ok());
        QCOMPARE(run(u"expect Form1.vacio = null"_s), ok());
        QCOMPARE(run(u"expect Form1.visor != true"_s), ok());
        QCOMPARE(run(u"expect Form1.Label1(1).backColor = \"0xFFC0C0\""_s), ok());
        QCOMPARE(error(u"expect Form1.num_palabras = 7"_s),
                 u"Form1.num_palabras is 6, expected = 7"_s);
        QCOMPARE(error(u"expect Form1.caption = \"Quenza Tradicional\""_s),
                 u"Form1.caption is \"Quenza\", expected = \"Quenza Tradicional\""_s);
        QCOMPARE(error(u"expect Form1.visor < 1"_s),
                 u"Form1.visor: a truth value cannot be compared with a number by <"_s);
        QCOMPARE(error(u"expect Form1.visor = yes"_s), u"yes is not one JSON value"_s);
        QCOMPARE(error(u"expect Form1.visor == false"_s),
                 u"== is not an operator (=, !=, <, <=, >, >=, ~)"_s);
        QCOMPARE(error(u"expect Form1.nada = 1"_s), u"Form1 has no control or field nada"_s);
    }

    void dumpsWhatAPersonSees() {
        form_->frame->hide();
        form_->cells[2]->setEnabled(false);
        const QJsonObject all = value(u"dump"_s).toObject();
        QCOMPARE(all.value(u"time"_s), QJsonValue(0));
        QCOMPARE(all.value(u"date"_s), QJsonValue(u"2002-03-05"_s));
        QCOMPARE(all.value(u"active"_s), QJsonValue(u"Form1"_s));
        QCOMPARE(all.value(u"state"_s), QJsonValue(state_));
        const QJsonObject windows = all.value(u"windows"_s).toObject();
        for (const char16_t* name :
             {u"Inicio", u"Form1", u"Form3", u"Form4", u"Form5", u"Form6", u"Form7", u"form8"}) {
            QVERIFY2(windows.contains(QString::fromUtf16(name)),
                     qPrintable(QString::fromUtf16(name)));
        }
        QCOMPARE(
            windows.value(u"Form3"_s).toObject(),
            (QJsonObject{{u"loaded"_s, false}, {u"shown"_s, false}, {u"fields"_s, QJsonObject()}}));

        const QJsonObject form = windows.value(u"Form1"_s).toObject();
        QCOMPARE(form.value(u"shown"_s), QJsonValue(true));
        QCOMPARE(form.value(u"width"_s), QJsonValue(6480));
        QCOMPARE(form.value(u"height"_s), QJsonValue(6400));
        QCOMPARE(form.value(u"fields"_s).toObject().value(u"num_palabras"_s), QJsonValue(6));
        const QJsonObject controls = form.value(u"controls"_s).toObject();
        QCOMPARE(controls.value(u"Label1(1)"_s).toObject(),
                 (QJsonObject{{u"kind"_s, u"label"_s},
                              {u"text"_s, u"L"_s},
                              {u"visible"_s, true},
                              {u"enabled"_s, true},
                              {u"left"_s, 480},
                              {u"top"_s, 960},
                              {u"width"_s, 255},
                              {u"height"_s, 255},
                              {u"backColor"_s, u"0xFFC0C0"_s},
                              {u"foreColor"_s, controls.value(u"Label1(1)"_s)[u"foreColor"_s]},
                              {u"fontName"_s, form_->cells[1]->font().family()},
                              {u"fontSize"_s, form_->cells[1]->font().pointSizeF()},
                              {u"fontBold"_s, false},
                              {u"alignment"_s, u"left"_s},
                              {u"toolTip"_s, QString()},
                              {u"picture"_s, QJsonValue()}}));
        QCOMPARE(controls.value(u"Label1(2)"_s)[u"enabled"_s], QJsonValue(false));
        // Twips exactly as the program set them, not pixels converted back.
        QCOMPARE(controls.value(u"nombre"_s)[u"left"_s], QJsonValue(487));
        QCOMPARE(controls.value(u"nombre"_s)[u"kind"_s], QJsonValue(u"textbox"_s));
        // A label in a hidden frame keeps its own visible flag.
        QCOMPARE(controls.value(u"Frame1"_s)[u"visible"_s], QJsonValue(false));
        QCOMPARE(controls.value(u"resultado(0)"_s)[u"visible"_s], QJsonValue(true));
        QCOMPARE(controls.value(u"Frame1"_s)[u"foreColor"_s], QJsonValue(u"0x0080FF"_s));
        QCOMPARE(controls.value(u"Frame1"_s)[u"text"_s], QJsonValue(u"Palabras a encontrar"_s));
        QCOMPARE(controls.value(u"guardame"_s).toObject(), (QJsonObject{{u"kind"_s, u"menu"_s},
                                                                        {u"text"_s, u"Guardar"_s},
                                                                        {u"enabled"_s, true},
                                                                        {u"checked"_s, false},
                                                                        {u"visible"_s, true}}));
        QCOMPARE(controls.value(u"n"_s)[u"text"_s], QJsonValue(u"-"_s));
        QCOMPARE(controls.value(u"nuevo"_s)[u"text"_s], QJsonValue(u"Nueva partida"_s));
        QCOMPARE(
            controls.value(u"Timer1"_s).toObject(),
            (QJsonObject{{u"kind"_s, u"timer"_s}, {u"enabled"_s, true}, {u"interval"_s, 1000}}));

        QCOMPARE(value(u"dump Form1"_s).toObject(), form);
        QCOMPARE(error(u"dump Nadie"_s), u"there is no window Nadie"_s);

        // And one in a disabled frame its own enabled flag.
        form_->frame->setEnabled(false);
        QCOMPARE(value(u"get Form1.resultado(0).enabled"_s), QJsonValue(true));
        QCOMPARE(value(u"get Form1.Frame1.enabled"_s), QJsonValue(false));
    }

    void refusesWhatAPersonCannotReach_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("hidden control")
            << u"hide cell"_s << u"click Form1.Label1(3)"_s << u"Label1(3) is hidden"_s;
        QTest::newRow("move on a hidden control")
            << u"hide cell"_s << u"move Form1.Label1(3)"_s << u"Label1(3) is hidden"_s;
        QTest::newRow("hidden container") << u"hide frame"_s << u"click Form1.resultado(0)"_s
                                          << u"resultado(0) is inside the hidden Frame1"_s;
        QTest::newRow("disabled control")
            << u"disable cell"_s << u"press Form1.Label1(3)"_s << u"Label1(3) is disabled"_s;
        QTest::newRow("disabled container")
            << u"disable frame"_s << u"dblclick Form1.resultado(0)"_s
            << u"resultado(0) is inside the disabled Frame1"_s;
        QTest::newRow("disabled window")
            << u"disable form"_s << u"click Form1.Label1(1)"_s << u"Form1 is disabled"_s;
        QTest::newRow("keys to a disabled window")
            << u"disable form"_s << u"key Form1 \"a\""_s << u"Form1 is disabled"_s;
        QTest::newRow("menu of a disabled window")
            << u"disable form"_s << u"menu Form1.guardame"_s << u"Form1 is disabled"_s;
        QTest::newRow("close box of a disabled window")
            << u"disable form"_s << u"close Form1"_s << u"Form1 is disabled"_s;
        QTest::newRow("disabled parent menu")
            << u"disable nuevo"_s << u"menu Form1.tradicional"_s
            << u"menu entry tradicional is inside the disabled menu nuevo"_s;
        QTest::newRow("hidden parent menu")
            << u"hide nuevo"_s << u"menu Form1.tradicional"_s
            << u"menu entry tradicional is inside the hidden menu nuevo"_s;
        QTest::newRow("disabled menu entry") << u"disable guardame"_s << u"menu Form1.guardame"_s
                                             << u"menu entry guardame is disabled"_s;
        QTest::newRow("hidden menu entry")
            << u"hide guardame"_s << u"menu Form1.guardame"_s << u"menu entry guardame is hidden"_s;
        QTest::newRow("separator")
            << QString() << u"menu Form1.n"_s << u"menu entry n is a separator"_s;
        QTest::newRow("window not loaded")
            << QString() << u"click form8.cmdOK"_s << u"form8 is not loaded"_s;
        QTest::newRow("window not shown")
            << u"hide dialog"_s << u"close Form3"_s << u"Form3 is not shown"_s;
        QTest::newRow("no such control")
            << QString() << u"click Form1.nada"_s << u"Form1 has no control nada"_s;
        QTest::newRow("menu entry clicked")
            << QString() << u"click Form1.guardame"_s
            << u"Form1.guardame is a menu entry: choose it with menu"_s;
        QTest::newRow("timer clicked")
            << QString() << u"click Form1.Timer1"_s << u"Form1.Timer1 is a timer"_s;
        QTest::newRow("text into a label") << QString() << u"text Form1.Label1(1) \"x\""_s
                                           << u"Form1.Label1(1) is not a text box"_s;
    }
    void refusesWhatAPersonCannotReach() {
        QFETCH(QString, setup);
        QFETCH(QString, line);
        QFETCH(QString, refusal);
        openDialog();
        if (setup == u"hide cell") {
            form_->cells[3]->hide();
        } else if (setup == u"disable cell") {
            form_->cells[3]->setEnabled(false);
        } else if (setup == u"hide frame") {
            form_->frame->hide();
        } else if (setup == u"disable frame") {
            form_->frame->setEnabled(false);
        } else if (setup == u"disable form") {
            form_->setEnabled(false);
        } else if (setup == u"disable nuevo") {
            form_->nuevo->setEnabled(false);
        } else if (setup == u"hide nuevo") {
            form_->nuevo->setVisible(false);
        } else if (setup == u"disable guardame") {
            form_->guardame->setEnabled(false);
        } else if (setup == u"hide guardame") {
            form_->guardame->setVisible(false);
        } else if (setup == u"hide dialog") {
            dialog_->hide();
        }
        processUntilIdle();
        QWidget* active = QApplication::activeWindow();
        QCOMPARE(error(line), refusal);
        // Nothing happened: no handler ran, no window was activated.
        QCOMPARE(form_->log, QStringList());
        QCOMPARE(QApplication::activeWindow(), active);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
    }

    void clicksActivateTheWindowAndReachTheControl() {
        openDialog();
        QCOMPARE(QApplication::activeWindow(), dialog_.data());
        // A pointer move activates nothing.
        QCOMPARE(run(u"move Form1 300 450"_s), ok());
        QCOMPARE(form_->log, QStringList{u"move surface 20,30"_s});
        QCOMPARE(QApplication::activeWindow(), dialog_.data());

        form_->log.clear();
        QCOMPARE(run(u"click Form1.Label1(5)"_s), ok());
        QCOMPARE(form_->log, (QStringList{u"move Label1(5) 8,8"_s, u"click Label1(5)"_s}));
        QCOMPARE(QApplication::activeWindow(), form_.data());
        QCOMPARE(value(u"get active"_s), QJsonValue(u"Form1"_s));

        form_->log.clear();
        QCOMPARE(run(u"click Form1.Label1(6) 30 45"_s), ok());
        QCOMPARE(form_->log, (QStringList{u"move Label1(6) 2,3"_s, u"click Label1(6)"_s}));

        form_->log.clear();
        QCOMPARE(run(u"dblclick Form1.Label1(7)"_s), ok());
        QCOMPARE(form_->log, (QStringList{u"move Label1(7) 8,8"_s, u"click Label1(7)"_s,
                                          u"double Label1(7)"_s}));

        // A press and a release on another control make no click.
        form_->log.clear();
        QCOMPARE(run(u"press Form1.Label1(8)"_s), ok());
        QCOMPARE(run(u"release Form1.Label1(9)"_s), ok());
        QCOMPARE(form_->log, QStringList());
        QCOMPARE(run(u"press Form1.Label1(8)"_s), ok());
        QCOMPARE(run(u"release Form1.Label1(8)"_s), ok());
        QCOMPARE(form_->log, QStringList{u"click Label1(8)"_s});
    }

    void typesIntoTheFocusedControl() {
        // The text box is the window's only control that takes the focus.
        QCOMPARE(run(u"key Form1 \"x\""_s), ok());
        QCOMPARE(form_->nombre->text(), u"x"_s);
        QCOMPARE(value(u"get focus"_s), QJsonValue(u"Form1.nombre"_s));

        QCOMPARE(run(u"key Form1.nombre \"ñu\\n\""_s), ok());
        QCOMPARE(form_->nombre->text(), u"xñu"_s);
        QVERIFY(form_->log.contains(u"enter xñu"_s));

        QCOMPARE(run(u"text Form1.nombre \"Juan \\\"J\\\"\""_s), ok());
        QCOMPARE(form_->nombre->text(), u"Juan \"J\""_s);
        QCOMPARE(run(u"text Form1.nombre \"\""_s), ok());
        QCOMPARE(form_->nombre->text(), QString());

        // Without a control that takes the focus, the window gets the keys.
        form_->nombre->hide();
        processUntilIdle();
        form_->log.clear();
        QCOMPARE(run(u"key Form1 \"ab\""_s), ok());
        QCOMPARE(startingWith(form_->log, u"key"_s), (QStringList{u"key a"_s, u"key b"_s}));
    }

    void menusOpenFromTheBarDown() {
        QCOMPARE(run(u"menu Form1.tradicional"_s), ok());
        QCOMPARE(form_->log,
                 (QStringList{u"show jugar_menu"_s, u"show nuevo_menu"_s, u"menu tradicional"_s}));
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        QVERIFY(!form_->nuevoMenu->isVisible());
    }

    void timersFireInOrderWithEventsBetween() {
        QCOMPARE(run(u"wait 999"_s), ok());
        QCOMPARE(value(u"get time"_s), QJsonValue(999));
        QCOMPARE(run(u"wait 1"_s), ok());
        QCOMPARE(form_->log, (QStringList{u"tcomodin3"_s, u"after tcomodin3"_s, u"tcomodin3"_s,
                                          u"after tcomodin3"_s, u"Timer1"_s, u"after Timer1"_s,
                                          u"segundos60"_s, u"after segundos60"_s}));
        form_->log.clear();
        QCOMPARE(run(u"wait 0"_s), ok());
        QCOMPARE(form_->log, QStringList());
        QCOMPARE(value(u"get time"_s), QJsonValue(1000));
    }

    void recordsSoundsAndLinks() {
        QCOMPARE(run(u"click Form1.Label1(1)"_s), ok());
        QCOMPARE(run(u"wait 250"_s), ok());
        QCOMPARE(run(u"click Form1.Label1(2)"_s), ok());
        QCOMPARE(value(u"sounds"_s),
                 QJsonValue(QJsonArray{QJsonObject{{u"name"_s, u"ding"_s}, {u"time"_s, 0}},
                                       QJsonObject{{u"name"_s, u"ding"_s}, {u"time"_s, 250}}}));
        QCOMPARE(value(u"sounds"_s), QJsonValue(QJsonArray()));
        QCOMPARE(value(u"opened"_s), QJsonValue(QJsonArray()));
        QCOMPARE(run(u"menu Form1.guardame"_s), ok());
        QCOMPARE(value(u"opened"_s), QJsonValue(QJsonArray{u"mailto:autor@example.org"_s}));
        QCOMPARE(value(u"opened"_s), QJsonValue(QJsonArray{u"mailto:autor@example.org"_s}));
    }

    void answersAMessageBoxLikeAWindow_data() {
        QTest::addColumn<QString>("dismiss");
        QTest::newRow("OK button") << u"click MsgBox.OK"_s;
        QTest::newRow("close box") << u"close MsgBox"_s;
    }
    void answersAMessageBoxLikeAWindow() {
        QFETCH(QString, dismiss);
        QCOMPARE(run(u"menu Form1.aviso"_s), ok());
        QCOMPARE(value(u"get MsgBox.text"_s), QJsonValue(u"Hola"_s));
        QCOMPARE(value(u"get MsgBox.shown"_s), QJsonValue(true));
        QCOMPARE(value(u"get MsgBox.OK.kind"_s), QJsonValue(u"button"_s));
        QVERIFY(value(u"dump"_s)[u"windows"_s].toObject().contains(u"MsgBox"_s));
        QCOMPARE(error(u"click Form1.Label1(1)"_s), u"Form1 is behind MsgBox"_s);
        QCOMPARE(run(dismiss), ok());
        QCOMPARE(form_->log.last(), u"aviso cerrado"_s);
        QCOMPARE(error(u"get MsgBox.text"_s), u"there is no window or value MsgBox"_s);
        QCOMPARE(run(u"click Form1.Label1(1)"_s), ok());
    }

    void clicksAWordFromItsFirstLetter_data() {
        QTest::addColumn<QJsonArray>("positions");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("clicks");
        QTest::newRow("left to right") << slot({5, 6, 7}, 1) << u"clickword 2"_s
                                       << QStringList{u"click Label1(5)"_s, u"click Label1(7)"_s};
        QTest::newRow("left to right, reversed")
            << slot({5, 6, 7}, 1) << u"clickword 2 reverse"_s
            << QStringList{u"click Label1(7)"_s, u"click Label1(5)"_s};
        QTest::newRow("right to left") << slot({28, 29, 30}, 2) << u"clickword 2"_s
                                       << QStringList{u"click Label1(30)"_s, u"click Label1(28)"_s};
        QTest::newRow("up-right diagonal")
            << slot({34, 45, 56}, 8) << u"clickword 2"_s
            << QStringList{u"click Label1(56)"_s, u"click Label1(34)"_s};
        QTest::newRow("down-left diagonal, reversed")
            << slot({34, 45, 56}, 7) << u"clickword 2 reverse"_s
            << QStringList{u"click Label1(56)"_s, u"click Label1(34)"_s};
    }
    void clicksAWordFromItsFirstLetter() {
        QFETCH(QJsonArray, positions);
        QFETCH(QString, line);
        QFETCH(QStringList, clicks);
        QJsonArray slots = state_.value(u"celdas_palabra"_s).toArray();
        slots[2] = positions;
        state_[u"celdas_palabra"_s] = slots;
        QCOMPARE(run(line), ok());
        QCOMPARE(startingWith(form_->log, u"click"_s), clicks);
    }

    void refusesWordsThatAreNotThere() {
        QJsonArray slots = state_.value(u"celdas_palabra"_s).toArray();
        slots[4] = slot({}, 3); // an old direction code without letters
        slots[5] = slot({40, 41}, 0);
        state_[u"celdas_palabra"_s] = slots;
        QCOMPARE(error(u"clickword 4"_s), u"word slot 4 holds no placed word"_s);
        QCOMPARE(error(u"clickword 5"_s), u"word slot 5 has no direction (0)"_s);
        QCOMPARE(error(u"clickword 10"_s), u"there is no word slot 10"_s);
        QCOMPARE(error(u"clickword 2 backwards"_s), u"usage: clickword N [reverse]"_s);
        form_->cells[41]->hide();
        slots[5] = slot({40, 41}, 1);
        state_[u"celdas_palabra"_s] = slots;
        QCOMPARE(error(u"clickword 5"_s), u"Label1(41) is hidden"_s);
        QCOMPARE(form_->log, (QStringList{u"move Label1(40) 8,8"_s, u"click Label1(40)"_s}));
    }

    void answersTheEndOfTheProgram() {
        QCOMPARE(run(u"close Form1"_s),
                 (QJsonObject{{u"ok"_s, true}, {u"ended"_s, true}, {u"message"_s, u"Adiós"_s}}));
        // Nothing of the ended program runs any more.
        QVERIFY(!form_->timerA->isEnabled());
        QCOMPARE(error(u"get time"_s), u"the program has ended"_s);
        QCOMPARE(error(u"wait 1000"_s), u"the program has ended"_s);
        QVERIFY(!driver_->quitRequested());
        QCOMPARE(run(u"quit"_s), ok());
        QVERIFY(driver_->quitRequested());
    }
};

QTEST_MAIN(SessionTest)
#include "session_test.moc"
