#include "artwork/joker_pictures.h"
#include "platform/look.h"
#include "shell/application.h"
#include "shell/form6.h"
#include "window_fixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QSet>
#include <QtTest>

using namespace quenza;
using namespace quenza::testing;

namespace {

const QString kEvolutionText = QStringLiteral(
    "Encuentra las palabras relacionadas con el tema, teniendo en cuenta que pueden leerse en "
    "todas las direcciones y que éstas no se muestran. Dispondra de un tiempo limitado, y podra "
    "utilizar comodines.");
const QString kTraditionalText = QStringLiteral(
    "Localice las palabras que se indicaran, teniendo en cuenta que pueden leerse en todas las "
    "direcciones. Dependiendo del tiempo que tarde, podrá entrar en el ranking.");
const QString kLastEarningLine =
    QStringLiteral("Tambien hay otras maneras de conseguirlos, descubrelas tu mismo");

void activate(QWidget* window) {
    window->activateWindow();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

} // namespace

class Form6Test : public QObject {
    Q_OBJECT

private:
    // Sets the font the game lays its windows out for.
    Application application;
    std::unique_ptr<WindowFixture> fixture;
    QPointer<Form6> help;

    QGroupBox* frame(const char* name) const { return child<QGroupBox>(help, QLatin1String(name)); }
    QLabel* label(const QString& name) const { return child<QLabel>(help, name); }
    QStringList earningLines() const {
        QStringList lines;
        for (int i = 0; i < Form6::kEarningLines; ++i) {
            lines.append(label(indexed("Label4", i))->text());
        }
        return lines;
    }
    QAction* barEntry(const char* name) const {
        for (QAction* entry : help->menuBar()->actions()) {
            if (entry->objectName() == QLatin1String(name)) {
                return entry;
            }
        }
        return nullptr;
    }

private Q_SLOTS:
    void init() {
        fixture = std::make_unique<WindowFixture>();
        help = new Form6;
    }
    void cleanup() {
        delete help.data();
        fixture.reset();
    }

    void freshWindowShowsNoHelpUntilAModeChoosesOne() {
        QCOMPARE(help->objectName(), QStringLiteral("Form6"));
        QVERIFY(frame("Frame1")->isHidden());
        QVERIFY(frame("Frame2")->isHidden());
        QVERIFY(!help->isVisible());
        QCOMPARE(frame("Frame1")->title(), QStringLiteral("Como se juega"));
        QCOMPARE(label(QStringLiteral("Label1"))->text(), QStringLiteral("Texto"));
        QCOMPARE(earningLines(),
                 QStringList({QStringLiteral("Se obtienen de la siguiente manera:"),
                              QStringLiteral("-Si no utilizas ningun comodin en una partida."),
                              QStringLiteral("-Si tardas menos de 60s. en terminar el nivel."),
                              QStringLiteral("-Cada 3 niveles recibes un comodin"),
                              QStringLiteral("-Cada 5 niveles recibes un comodin \"SUERTE\""),
                              kLastEarningLine}));
    }

    void eachModeShowsItsTextAndOnlyEvolutionTheJokers() {
        help->showEvolutionHelp();
        QCOMPARE(frame("Frame1")->title(), QStringLiteral("Como se juega - Modo Evolution -"));
        QCOMPARE(label(QStringLiteral("Label1"))->text(), kEvolutionText);
        QVERIFY(!frame("Frame1")->isHidden());
        QVERIFY(!frame("Frame2")->isHidden());
        QCOMPARE(frame("Frame2")->title(), QStringLiteral("Comodines"));
        for (const char* inner : {"Frame3", "Frame4", "Frame5"}) {
            QCOMPARE(frame(inner)->parentWidget(), frame("Frame2"));
            QVERIFY(!frame(inner)->isHidden());
        }
        QCOMPARE(frame("Frame4")->title(), QStringLiteral("Como utilizarlos"));
        QCOMPARE(label(QStringLiteral("Label3"))->text(),
                 QStringLiteral("Los comodines se pueden utilizar antes o durante una partida. "
                                "Pero si se utilizan en medio de una partida tendran un efecto "
                                "limitado en el tiempo."));

        help->ayuda_T();
        QCOMPARE(frame("Frame1")->title(), QStringLiteral("Como se juega - Modo Tradicional -"));
        QCOMPARE(label(QStringLiteral("Label1"))->text(), kTraditionalText);
        QVERIFY(!frame("Frame1")->isHidden());
        QVERIFY(frame("Frame2")->isHidden());
    }

    void jokerTableMatchesEveryNameWithItsPictureAndHoverText() {
        struct Row {
            int joker;
            const char* name;
            const char* toolTip;
        };
        const Row rows[Form6::kJokerNames] = {
            {1, "Mostrar", "Comodin que te muestra las palabras a localizar"},
            {4, "Visor", "Visor que te indicara si una letra pertenece a alguna palabra"},
            {7, "UniDireccion",
             "Comodin que te colocara las palabras de la siguiente sopa de letras en la misma "
             "direccion"},
            {2, "Mostrar3", "Comodin que mostrara las 3 primeras letras de las palabras a buscar"},
            {5, "Tiempo", "Añadira mas tiempo"},
            {8, "Suerte", "Comodin que te dara o quitara comodines"},
            {3, "Eliminar", "Borra 50 letras que no pertenecen a ninguna palabra"},
            {6, "Finalizar", "Comodin que te permite pasar al siguiente nivel directamente"},
            {kEspecialPicture, "Especial", ""},
        };
        QGroupBox* table = frame("Frame3");
        QCOMPARE(table->title(), QStringLiteral("Los comodines"));
        QSet<QString> pictures;
        for (int i = 0; i < Form6::kJokerNames; ++i) {
            const Row& row = rows[i];
            QCOMPARE(label(indexed("Label2", i))->text(), QString::fromUtf8(row.name));
            QLabel* picture = label(indexed("Image1", i));
            QCOMPARE(picture->parentWidget(), table);
            QCOMPARE(platform::kindName(picture), QStringLiteral("image"));
            QCOMPARE(platform::pictureId(picture), jokerPictureId(row.joker));
            QVERIFY(!picture->pixmap().isNull());
            QCOMPARE(picture->toolTip(), QString::fromUtf8(row.toolTip));
            pictures.insert(platform::pictureId(picture));
        }
        QCOMPARE(pictures.size(), Form6::kJokerNames);
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(platform::kindName(child(table, indexed("Shape1", i))),
                     QStringLiteral("shape"));
        }
        QVERIFY(table->findChild<QWidget*>(indexed("Shape1", 8)) == nullptr);
    }

    void ownMenuBarSwitchesBetweenTheTwoTexts() {
        QAction* traditional = barEntry("tradicional");
        QAction* evolution = barEntry("evolution");
        QVERIFY(traditional != nullptr && evolution != nullptr);
        QCOMPARE(traditional->text(), QStringLiteral("Modo Tradicional"));
        QCOMPARE(evolution->text(), QStringLiteral("Modo Evolution"));
        QVERIFY(traditional->menu() == nullptr && evolution->menu() == nullptr);

        help->ayuda_T();
        evolution->trigger();
        QCOMPARE(label(QStringLiteral("Label1"))->text(), kEvolutionText);
        QVERIFY(!frame("Frame2")->isHidden());
        traditional->trigger();
        QCOMPARE(label(QStringLiteral("Label1"))->text(), kTraditionalText);
        QVERIFY(frame("Frame2")->isHidden());
    }

    void hiddenSpotsRevealSecretWaysButNeverTheLastLine() {
        help->showEvolutionHelp();
        auto* first = label(QStringLiteral("Label5"));
        auto* second = label(QStringLiteral("Label6"));
        for (QLabel* spot : {first, second}) {
            QVERIFY(spot->text().isEmpty());
            QVERIFY(!spot->isHidden());
            QCOMPARE(spot->parentWidget(), frame("Frame5"));
        }
        const QStringList design = earningLines();
        QTest::mouseClick(first, Qt::LeftButton);
        QCOMPARE(earningLines(), design);

        QTest::mouseDClick(first, Qt::LeftButton);
        QCOMPARE(earningLines(),
                 QStringList(
                     {QStringLiteral("Maneras secretas"),
                      QStringLiteral("-3 partidas sin utilizar comodines-->'FINALIZAR'"),
                      QStringLiteral("-5 partidas sin utilizar comodin 'finalizar'-->'FINALIZAR'"),
                      QStringLiteral("-Si utilizas todos los comodines-->'SUERTE'"), QString(),
                      kLastEarningLine}));

        QTest::mouseDClick(second, Qt::LeftButton);
        QCOMPARE(
            earningLines(),
            QStringList({QStringLiteral("Conseguir el comodin especial"),
                         QStringLiteral("-10 partidas seguidas sin comodines"),
                         QStringLiteral("-15 partidas seguidas sin utilizar comodin 'finalizar'"),
                         QStringLiteral("-Acumular 5 comodines 'SUERTE'"), QString(),
                         kLastEarningLine}));
    }

    // Every text it can show, the secret ones included, fits its label, and
    // every control lies inside what holds it.
    void nothingIsClipped() {
        help->showEvolutionHelp();
        QStringList texts = earningLines();
        QTest::mouseDClick(label(QStringLiteral("Label5")), Qt::LeftButton);
        texts += earningLines();
        QTest::mouseDClick(label(QStringLiteral("Label6")), Qt::LeftButton);
        texts += earningLines();
        for (int i = 0; i < Form6::kEarningLines; ++i) {
            QLabel* line = label(indexed("Label4", i));
            for (qsizetype k = i; k < texts.size(); k += Form6::kEarningLines) {
                QVERIFY2(line->fontMetrics().horizontalAdvance(texts[k]) <= line->width(),
                         qPrintable(texts[k]));
            }
        }
        for (int i = 0; i < Form6::kJokerNames; ++i) {
            QLabel* name = label(indexed("Label2", i));
            QVERIFY2(name->fontMetrics().horizontalAdvance(name->text()) <= name->width(),
                     qPrintable(name->text()));
        }
        for (QLabel* wrapped : {label(QStringLiteral("Label1")), label(QStringLiteral("Label3"))}) {
            QVERIFY2(wrapped->heightForWidth(wrapped->width()) <= wrapped->height(),
                     qPrintable(wrapped->objectName()));
        }
        help->show();
        for (QWidget* control : help->findChildren<QWidget*>()) {
            if (platform::kindName(control).isEmpty()) {
                continue;
            }
            QVERIFY2(control->parentWidget()->rect().contains(control->geometry()),
                     qPrintable(control->objectName()));
        }
        QVERIFY(help->centralWidget()->rect().contains(frame("Frame2")->geometry()));
    }

    void losingTheFocusHidesTheWindowButKeepsItLoaded() {
        QWidget other;
        other.setObjectName(QStringLiteral("other"));
        other.show();
        help->showEvolutionHelp();
        QTest::mouseDClick(label(QStringLiteral("Label6")), Qt::LeftButton);
        help->show();
        activate(help);
        QCOMPARE(QApplication::activeWindow(), help.data());
        QVERIFY(help->isVisible());

        activate(&other);
        QCOMPARE(QApplication::activeWindow(), &other);
        QVERIFY(!help.isNull());
        QVERIFY(!help->isVisible());
        QCOMPARE(label(QStringLiteral("Label1"))->text(), kEvolutionText);
        QCOMPARE(label(indexed("Label4", 0))->text(),
                 QStringLiteral("Conseguir el comodin especial"));

        // Shown again, it is the same help as before.
        help->show();
        activate(help);
        QVERIFY(help->isVisible());
        QVERIFY(!frame("Frame2")->isHidden());
        QCOMPARE(label(indexed("Label4", 0))->text(),
                 QStringLiteral("Conseguir el comodin especial"));
    }
};

QTEST_MAIN(Form6Test)
#include "form6_test.moc"
