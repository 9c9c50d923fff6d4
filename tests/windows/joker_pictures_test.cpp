#include "artwork/joker_pictures.h"
#include "qt_test_registry.h"

#include <QImage>
#include <QSet>
#include <QtTest>
#include <cmath>

using namespace quenza;

namespace {

// The size of the joker buttons on the main window.
const QSize kButton(33, 33);

QImage pictureOf(int joker, QSize size = kButton) {
    return jokerPicture(joker, size).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Share of pixels whose colour differs clearly between two images of one size.
double differingShare(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            const int distance = std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                                 std::abs(p.blue() - q.blue()) + std::abs(p.alpha() - q.alpha());
            differing += distance > 60 ? 1 : 0;
        }
    }
    return double(differing) / (a.width() * a.height());
}

// The picture's average opaque colour: what the eye takes in at a glance.
QColor averageColour(const QImage& image) {
    double red = 0;
    double green = 0;
    double blue = 0;
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 128) {
                red += c.red();
                green += c.green();
                blue += c.blue();
                ++opaque;
            }
        }
    }
    return opaque == 0
               ? QColor()
               : QColor(qRound(red / opaque), qRound(green / opaque), qRound(blue / opaque));
}

} // namespace

class JokerPicturesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyJokerIsDrawnAndFillsItsButton() {
        for (int joker = 1; joker <= kEspecialPicture; ++joker) {
            const QImage image = pictureOf(joker);
            QCOMPARE(image.size(), kButton);
            int opaque = 0;
            QSet<QRgb> colours;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    opaque += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
                    colours.insert(image.pixel(x, y));
                }
            }
            // Most of the button is covered, and by a drawing, not a flat fill.
            QVERIFY2(opaque > image.width() * image.height() * 3 / 4,
                     qPrintable(QString::number(joker)));
            QVERIFY2(colours.size() > 20, qPrintable(QString::number(joker)));
        }
    }

    void thePicturesDifferInShapeAndColour() {
        for (int a = 1; a <= kEspecialPicture; ++a) {
            for (int b = a + 1; b <= kEspecialPicture; ++b) {
                const QString pair = QStringLiteral("%1 and %2").arg(a).arg(b);
                QVERIFY2(differingShare(pictureOf(a), pictureOf(b)) > 0.25, qPrintable(pair));
                const QColor ca = averageColour(pictureOf(a));
                const QColor cb = averageColour(pictureOf(b));
                const int distance = std::abs(ca.red() - cb.red()) +
                                     std::abs(ca.green() - cb.green()) +
                                     std::abs(ca.blue() - cb.blue());
                QVERIFY2(distance > 40, qPrintable(pair));
            }
        }
    }
};

QUENZA_QT_TEST(JokerPicturesTest)
#include "joker_pictures_test.moc"
