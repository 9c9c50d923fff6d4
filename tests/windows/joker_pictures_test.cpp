#include "artwork/joker_pictures.h"
#include "qt_test_registry.h"

#include <QImage>
#include <QSet>
#include <QtTest>

using namespace quenza;

// Each joker's picture, at the size of the main window's joker buttons,
// covers its button with a drawing and differs from every other in shape and
// colour.
class JokerPicturesTest : public QObject {
    Q_OBJECT

    static int distance(QRgb p, QRgb q) {
        return qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q)) +
               qAbs(qAlpha(p) - qAlpha(q));
    }

private Q_SLOTS:
    void everyJokerHasAPictureOfItsOwn() {
        const QSize button(33, 33);
        QList<QImage> images;
        QList<QRgb> averages;
        for (int joker = 1; joker <= kEspecialPicture; ++joker) {
            const QImage image =
                jokerPicture(joker, button).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), button);
            QSet<QRgb> colours;
            int sums[3] = {}, opaque = 0;
            for (int i = 0; i < 33 * 33; ++i) {
                const QRgb c = image.pixel(i % 33, i / 33);
                colours.insert(c);
                if (qAlpha(c) > 128) {
                    sums[0] += qRed(c), sums[1] += qGreen(c), sums[2] += qBlue(c), ++opaque;
                }
            }
            QVERIFY2(opaque > 33 * 33 * 3 / 4 && colours.size() > 20,
                     qPrintable(QString::number(joker)));
            images << image;
            averages << qRgb(sums[0] / opaque, sums[1] / opaque, sums[2] / opaque);
        }
        for (int a = 0; a < images.size(); ++a) {
            for (int b = a + 1; b < images.size(); ++b) {
                int differing = 0;
                for (int i = 0; i < 33 * 33; ++i) {
                    differing += distance(images[a].pixel(i % 33, i / 33),
                                          images[b].pixel(i % 33, i / 33)) > 60;
                }
                const QString pair = QStringLiteral("%1 and %2").arg(a + 1).arg(b + 1);
                QVERIFY2(differing > 33 * 33 / 4, qPrintable(pair));
                QVERIFY2(distance(averages[a], averages[b]) > 40, qPrintable(pair));
            }
        }
    }
};

QUENZA_QT_TEST(JokerPicturesTest)
#include "joker_pictures_test.moc"
