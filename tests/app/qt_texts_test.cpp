// Qt's own texts read in Spanish, as the game's do: a text box's context menu.
#include "shell/application.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>
#include <memory>

class QtTextsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textBoxMenuIsSpanish() {
        quenza::setUpApplication();
        QLineEdit box(QStringLiteral("Player"));
        const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList entries;
        for (const QAction* entry : menu->actions()) {
            entries.append(entry->text().remove(u'&').section(u'\t', 0, 0));
        }
        for (const char* entry : {"Deshacer", "Copiar", "Pegar", "Seleccionar todo"}) {
            QVERIFY2(entries.contains(QString::fromUtf8(entry)),
                     qPrintable(entries.join(QStringLiteral(", ")) +
                                QStringLiteral(" (qt6-translations-l10n missing? "
                                               "scripts/install-deps.sh installs it)")));
        }
    }
};

QTEST_MAIN(QtTextsTest)
#include "qt_texts_test.moc"
