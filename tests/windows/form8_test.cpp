#include "platform/look.h"
#include "platform/system.h"
#include "platform/twips.h"
#include "shell/application.h"
#include "shell/form8.h"
#include "window_fixture.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using namespace quenza;
using namespace quenza::testing;

class Form8Test : public QObject {
    Q_OBJECT

private:
    // Sets the font the game lays its windows out for.
    Application application;
    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<QTemporaryDir> program;
    std::unique_ptr<QWidget> main;
    platform::RecordingDefaultHandler* handler = nullptr;

    QString themeFile() const { return program->filePath(QStringLiteral("temas.tem")); }
    void writeThemeFile(const QByteArray& bytes) const {
        QFile file(themeFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QPointer<form8> open() {
        auto* about = new form8(*main);
        about->show();
        return about;
    }
    static QString text(QWidget* about, const char* name) {
        return child<QLabel>(about, QLatin1String(name))->text();
    }
    static void unload(QPointer<form8>& about) {
        QTest::mouseClick(child<QPushButton>(about, QStringLiteral("cmdOK")), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private Q_SLOTS:
    void init() {
        fixture = std::make_unique<WindowFixture>();
        program = std::make_unique<QTemporaryDir>();
        platform::setFolders({program->path(), fixture->data.path()});
        auto recording = std::make_unique<platform::RecordingDefaultHandler>();
        handler = recording.get();
        platform::installDefaultHandler(std::move(recording));
        main = std::make_unique<QWidget>();
        platform::place(main.get(), 1000, 2000, 7875, 5625);
    }
    void cleanup() {
        deleteWindows("form8");
        main.reset();
        program.reset();
        fixture.reset();
    }

    void showsTitleVersionHoursAndEveryLineOfTheThemeFile() {
        // Blank lines and a last line without its line end count too.
        QByteArray bytes;
        for (int i = 1; i < 57; ++i) {
            bytes += i % 10 == 0 ? QByteArray("\r\n") : QByteArray("Tema,2,UNO,DOS\r\n");
        }
        bytes += "Tema,1,FIN";
        writeThemeFile(bytes);
        QPointer<form8> about = open();
        QCOMPARE(about->objectName(), QStringLiteral("form8"));
        QCOMPARE(text(about, "lblTitle"), QStringLiteral("Quenza - Zaviv oz Udiruv-"));
        QCOMPARE(text(about, "lblVersion(0)"), QStringLiteral("Version:"));
        QCOMPARE(text(about, "version"), QStringLiteral("1.0.7"));
        QCOMPARE(text(about, "lblVersion(1)"), QStringLiteral("Horas empleadas:"));
        QCOMPARE(text(about, "horas"), QStringLiteral("110"));
        QCOMPARE(about->horas_empleadas, 110);
        QCOMPARE(about->fields().value(QStringLiteral("horas_empleadas")).toInt(), 110);
        QCOMPARE(text(about, "lblVersion(6)"), QStringLiteral("Numero de sopas de letras:"));
        QCOMPARE(text(about, "num"), QStringLiteral("57"));
        QCOMPARE(child<QGroupBox>(about, QStringLiteral("Frame1"))->title(),
                 QStringLiteral("Autor"));
        QCOMPARE(child<QPushButton>(about, QStringLiteral("cmdOK"))->text(), QStringLiteral("OK"));
        for (const char* line : {"Line1(0)", "Line1(1)"}) {
            QCOMPARE(platform::kindName(child(about, QLatin1String(line))), QStringLiteral("line"));
        }
    }

    void missingThemeFileShowsZero() {
        QVERIFY(!QFile::exists(themeFile()));
        QPointer<form8> about = open();
        QCOMPARE(text(about, "num"), QStringLiteral("0"));
        QVERIFY(about->isVisible());
    }

    void okUnloadsAndTheNextOpeningCountsAgain() {
        writeThemeFile("A,1,UNO\r\nB,1,DOS\r\n");
        QPointer<form8> about = open();
        QCOMPARE(text(about, "num"), QStringLiteral("2"));
        unload(about);
        QVERIFY(about.isNull());

        writeThemeFile("A,1,UNO\r\nB,1,DOS\r\nC,1,TRES\r\n");
        about = open();
        QCOMPARE(text(about, "num"), QStringLiteral("3"));
    }

    void linksGoToTheDefaultHandler() {
        QPointer<form8> about = open();
        auto* web = child<QLabel>(about, QStringLiteral("weblink"));
        auto* mail = child<QLabel>(about, QStringLiteral("mail"));
        QCOMPARE(child<QGroupBox>(about, QStringLiteral("Frame1")), web->parentWidget());
        QCOMPARE(child<QGroupBox>(about, QStringLiteral("Frame1")), mail->parentWidget());
        QVERIFY(!web->text().isEmpty() && !mail->text().isEmpty());
        QVERIFY(handler->opened.isEmpty());

        QTest::mouseClick(web, Qt::LeftButton);
        QCOMPARE(handler->opened, QStringList({web->text()}));
        QTest::mouseClick(mail, Qt::LeftButton);
        QCOMPARE(handler->opened,
                 QStringList({web->text(), QStringLiteral("mailto:") + mail->text()}));
        QVERIFY(about->isVisible());
    }

    void opensBelowAndRightOfTheMainWindowsCorner() {
        QPointer<form8> about = open();
        const QRect place = platform::twipsOf(about);
        QCOMPARE(place.topLeft(), QPoint(1000 + 300, 2000 + 800));
        // Nothing lies outside the window.
        for (QWidget* control : about->findChildren<QWidget*>()) {
            QVERIFY2(control->parentWidget()->rect().contains(control->geometry()),
                     qPrintable(control->objectName()));
            if (auto* label = qobject_cast<QLabel*>(control)) {
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                         qPrintable(label->objectName()));
            }
        }
    }
};

QTEST_MAIN(Form8Test)
#include "form8_test.moc"
