#include "artwork/joker_pictures.h"
#include "qt_test_registry.h"

#include <QImage>
#include <QSet>
#include <QtTest>
#include <cmath>

using namespace quenza;

namespace {

int distance(const QColor& p, const QColor& q) {
    return std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
           std::abs(p.blue() - q.blue()) + std::abs(p.alpha() - q.alpha());
}

} // namespace

// Each joker's picture, at the size of the main window's joker buttons,
// covers its button with a drawing and differs from every other in shape and
// colour.
class JokerPicturesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyJokerHasAPictureOfItsOwn() {
        const QSize button(33, 33);
        QList<QImage> images;
        QList<QColor> averages;
        for (int joker = 1; joker <= kEspecialPicture; ++joker) {
            const QImage image =
                jokerPicture(joker, button).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), button);
            QSet<QRgb> colours;
            double red = 0, green = 0, blue = 0;
            int opaque = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    colours.insert(image.pixel(x, y));
                    if (c.alpha() > 128) {
                        red += c.red(), green += c.green(), blue += c.blue(), ++opaque;
                    }
                }
            }
            QVERIFY2(opaque > 33 * 33 * 3 / 4 && colours.size() > 20,
                     qPrintable(QString::number(joker)));
            images << image;
            averages << QColor(qRound(red / opaque), qRound(green / opaque), qRound(blue / opaque));
        }
        for (int a = 0; a < images.size(); ++a) {
            for (int b = a + 1; b < images.size(); ++b) {
                int differing = 0;
                for (int y = 0; y < 33; ++y) {
                    for (int x = 0; x < 33; ++x) {
                        differing +=
                            distance(images[a].pixelColor(x, y), images[b].pixelColor(x, y)) > 60;
                    }
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
