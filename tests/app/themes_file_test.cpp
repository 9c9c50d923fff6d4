// The theme library chosen with --themes: the main window plays from it (or
// names it when it is missing) and the about window counts its lines.
#include "game/form1.h"
#include "hand_offs.h"
#include "platform/system.h"
#include "shell/form8.h"
#include "window_fixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QtTest>

using namespace quenza;
using namespace quenza::testing;

class ThemesFileTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> fixture;

    QString chooseLibrary(const QByteArray& bytes) const {
        const QString path = fixture->dataFile("otros temas.tem");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            qFatal("cannot write %s", qPrintable(path));
        }
        platform::setThemesFile(path);
        return path;
    }

private Q_SLOTS:
    void init() { fixture = std::make_unique<WindowFixture>(); }
    void cleanup() {
        platform::setThemesFile({});
        fixture.reset();
    }

    void traditionalGameTakesItsThemeFromTheChosenFile() {
        chooseLibrary("1,\"prueba de otros temas\",\"2\",\"oso\",\"pez\"\r\n");
        QStringList handOffs;
        const std::unique_ptr<Form1> form = loadedMainWindow(handOffs);
        QVERIFY(form != nullptr);
        form->show();
        child<QAction>(form.get(), QStringLiteral("tradicional"))->trigger();
        QCOMPARE(child<QLabel>(form.get(), QStringLiteral("Titulo"))->text(),
                 QStringLiteral("Prueba de otros temas"));
        QCOMPARE(child<QLabel>(form.get(), QStringLiteral("numero"))->text(), QStringLiteral("2"));

        platform::setThemesFile({});
        QCOMPARE(platform::themesFile(),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/temas.tem"));
    }

    void missingChosenFileStopsTheGameNamingIt() {
        const QString missing = chooseLibrary({});
        QVERIFY(QFile::remove(missing));
        Form1 form;
        QStringList handOffs;
        wireRecording(form, handOffs);
        QVERIFY(!form.Form_Load());
        const auto* box = child<QMessageBox>(&form, QStringLiteral("MsgBox"));
        QVERIFY2(box->text().contains(QDir::toNativeSeparators(missing)), qPrintable(box->text()));
    }

    void aboutWindowCountsTheChosenFile() {
        chooseLibrary("1,\"a\",\"1\",\"oso\"\r\n\r\n3,\"c\",\"1\",\"sol\"\r\n");
        QWidget main;
        const auto about = std::make_unique<form8>(main);
        about->show();
        QCOMPARE(child<QLabel>(about.get(), QStringLiteral("num"))->text(), QStringLiteral("3"));
    }
};

QTEST_MAIN(ThemesFileTest)
#include "themes_file_test.moc"
