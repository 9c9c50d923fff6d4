#include "game/form1.h"
#include "hand_offs.h"
#include "platform/look.h"
#include "platform/text_file.h"
#include "platform/twips.h"
#include "rankings/form3.h"
#include "window_fixture.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace quenza;
using namespace quenza::testing;

class Form3Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<Form1> main;
    QStringList handOffs;

    // A finished game: the main window's clock shows the time taken.
    QPointer<Form3> finishAt(const char* minutes, const char* seconds) {
        main->findChild<QAction*>(QStringLiteral("tradicional"))->trigger();
        child<QLabel>(main.get(), QStringLiteral("minuto"))->setText(QLatin1String(minutes));
        child<QLabel>(main.get(), QStringLiteral("segundo"))->setText(QLatin1String(seconds));
        auto* dialog = new Form3(*main);
        dialog->show();
        return dialog;
    }
    static QLabel* label(QWidget* dialog, const char* name) {
        return child<QLabel>(dialog, QLatin1String(name));
    }

private Q_SLOTS:
    void init() {
        fixture = std::make_unique<WindowFixture>();
        main = loadedMainWindow(handOffs);
        QVERIFY(main != nullptr);
    }
    void cleanup() {
        deleteWindows("Form3");
        main.reset();
        fixture.reset();
    }

    void timeLinesUseTheirFontsAndColours() {
        QPointer<Form3> dialog = finishAt("03", "25");
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Enhorabuena!!!"));
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
            QCOMPARE(label(dialog, name)->font().family(), QStringLiteral("Arial"));
            QCOMPARE(label(dialog, name)->font().pointSizeF(), 9.75);
            QVERIFY(label(dialog, name)->font().bold());
            QCOMPARE(platform::foreColor(label(dialog, name)), 0x0000FFu);
        }
        QCOMPARE(label(dialog, "Label3")->text(), QStringLiteral("minutos y "));
        QCOMPARE(label(dialog, "Label5")->text(), QStringLiteral("segundos"));
        QCOMPARE(label(dialog, "Label7")->font().pointSizeF(), 8.25);
        QCOMPARE(dialog->fields().value(QStringLiteral("tiempo_total")).toInt(), 3 * 60 + 25);
    }

    void zeroMinutesShowOnlyTheSecondsUnderTheTitle() {
        QPointer<Form3> dialog = finishAt("00", "07");
        QVERIFY(label(dialog, "Label2")->isHidden());
        QVERIFY(label(dialog, "Label3")->isHidden());
        QCOMPARE(platform::twipsOf(label(dialog, "Label4")).x(), 960);
        QCOMPARE(platform::twipsOf(label(dialog, "Label5")).x(), 1200);
    }

    void oneMinuteAndOneSecondAreSingular() {
        QPointer<Form3> dialog = finishAt("01", "01");
        QCOMPARE(label(dialog, "Label3")->text(), QStringLiteral("minuto y"));
        QCOMPARE(label(dialog, "Label5")->text(), QStringLiteral("segundo"));
        QVERIFY(!label(dialog, "Label2")->isHidden());
    }

    void acceptButtonTurnsGreenUnderThePointerAndRedOutside() {
        QPointer<Form3> dialog = finishAt("00", "30");
        auto* button = label(dialog, "Picture1");
        const QString red = platform::pictureId(label(dialog, "rojo"));
        const QString green = platform::pictureId(label(dialog, "verde"));
        QVERIFY(red != green);
        QCOMPARE(platform::pictureId(button), red);
        moveOver(button);
        QCOMPARE(platform::pictureId(button), green);
        // Still on the button's rectangle, seen from the dialog: stays green.
        const QPoint onEdge = button->geometry().topLeft() + QPoint(2, 2);
        moveOver(dialog, onEdge);
        QCOMPARE(platform::pictureId(button), green);
        moveOver(dialog, QPoint(2, 2));
        QCOMPARE(platform::pictureId(button), red);
        QVERIFY(label(dialog, "verde")->isHidden());
        QVERIFY(label(dialog, "rojo")->isHidden());
    }

    void enterInTheNameBoxAcceptsOnce() {
        QPointer<Form3> dialog = finishAt("00", "42");
        auto* name = child<QLineEdit>(dialog, QStringLiteral("Text1"));
        QVERIFY(!name->isHidden());
        QCOMPARE(name->text(), QStringLiteral("Player"));
        QCOMPARE(fixture->sounds->take().last().name, QStringLiteral("excellent"));
        name->setText(QStringLiteral("Ana, la \"rápida\""));
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(name->isHidden());
        QVERIFY(label(dialog, "Picture1")->isHidden());
        QVERIFY(label(dialog, "Label6")->isHidden());
        const QStringList lines = platform::readLinesOrEmpty(fixture->dataFile("file05.sop"));
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().startsWith(QStringLiteral("42,")), qPrintable(lines.first()));
        QVERIFY(lines.first().endsWith(QStringLiteral("#2002-03-05#")));
        QVERIFY(!QFile::exists(fixture->dataFile("file06.sop")));
    }

    void closingStartsTheNextGame() {
        QPointer<Form3> dialog = finishAt("00", "10");
        main->hide();
        const QString title = child<QLabel>(main.get(), QStringLiteral("Titulo"))->text();
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
        QVERIFY(main->isVisible());
        QCOMPARE(child<QLabel>(main.get(), QStringLiteral("minuto"))->text(), QStringLiteral("00"));
        QVERIFY(child<QLabel>(main.get(), QStringLiteral("Titulo"))->text() != title);
    }
};

QTEST_MAIN(Form3Test)
#include "form3_test.moc"
