// Ctrl+Plus, Ctrl+Minus and Ctrl+0 scale the game's windows: every control's
// pixels follow the zoom, its twips never do.

#include "game/form1.h"
#include "hand_offs.h"
#include "platform/twips.h"
#include "platform/zoom.h"
#include "qt_test_registry.h"
#include "shell/application.h"
#include "shell/form8.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QtTest>
#include <vector>

using namespace quenza;
using namespace quenza::testing;

namespace {

struct Placed {
    QPointer<QWidget> widget;
    QRect twips;
    QRect pixels;
};

std::vector<Placed> placedControls(const QWidget* window) {
    std::vector<Placed> placed;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (platform::hasTwips(widget)) {
            placed.push_back({widget, platform::twipsOf(widget), widget->geometry()});
        }
    }
    return placed;
}

QRect pixelsOfTwips(const QRect& twips) {
    return {platform::twipsToPixels(twips.x()), platform::twipsToPixels(twips.y()),
            platform::twipsToPixels(twips.width()), platform::twipsToPixels(twips.height())};
}

void pressZoomKey(QWidget* window, Qt::Key key) {
    QTest::keyClick(window, key, Qt::ControlModifier);
}

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT

private:
    // Installs the zoom keys and the font the windows are laid out for.
    Application application;
    std::unique_ptr<WindowFixture> fixture;
    QStringList handOffs;
    std::unique_ptr<Form1> form;

private Q_SLOTS:
    void init() {
        fixture = std::make_unique<WindowFixture>();
        form = loadedMainWindow(handOffs, Shown::Active);
        QVERIFY(form);
    }
    void cleanup() {
        platform::setZoom(100);
        deleteWindows("form8");
        form.reset();
        fixture.reset();
    }

    void everyControlScalesWithTheZoomAndKeepsItsTwips() {
        const std::vector<Placed> before = placedControls(form.get());
        QVERIFY(before.size() > 150);
        const QLabel* cell = child<QLabel>(form.get(), cellName(1));
        const qreal cellPoints = cell->font().pointSizeF();
        for (int press = 0; press < 3; ++press) {
            pressZoomKey(form.get(), Qt::Key_Plus);
        }
        QCOMPARE(platform::zoomPercent(), 200);
        for (const Placed& seen : before) {
            const QString name = seen.widget->objectName();
            QCOMPARE(platform::twipsOf(seen.widget), seen.twips);
            QCOMPARE(seen.widget->pos(), pixelsOfTwips(seen.twips).topLeft());
            QVERIFY2(qAbs(seen.widget->x() - 2 * seen.pixels.x()) <= 1, qPrintable(name));
            QVERIFY2(qAbs(seen.widget->height() - 2 * seen.pixels.height()) <= 1, qPrintable(name));
            QVERIFY2(seen.widget->width() >= pixelsOfTwips(seen.twips).width(), qPrintable(name));
        }
        QCOMPARE(cell->font().pointSizeF(), 2 * cellPoints);
        QCOMPARE(platform::designedPointSize(cell), cellPoints);
        QCOMPARE(QApplication::font().pointSizeF(), 2 * 8.25);
        auto* about = new form8(*form); // a window opened later is built at the zoom
        about->show();
        for (const Placed& seen : placedControls(about)) {
            QCOMPARE(seen.widget->pos(), pixelsOfTwips(seen.twips).topLeft());
            QCOMPARE(seen.widget->height(), pixelsOfTwips(seen.twips).height());
        }
        QCOMPARE(about->frameGeometry().size(), pixelsOfTwips(platform::twipsOf(about)).size());

        pressZoomKey(form.get(), Qt::Key_0);
        QCOMPARE(platform::zoomPercent(), 100);
        for (const Placed& seen : before) {
            QCOMPARE(seen.widget->geometry(), seen.pixels);
        }
        QCOMPARE(cell->font().pointSizeF(), cellPoints);
    }

    void picturesAreDrawnAtTheirNewSize() {
        auto* stop = child<QLabel>(form.get(), QStringLiteral("stop_pict"));
        auto* joker = child<QAbstractButton>(form.get(), QStringLiteral("mostrar"));
        const QSize icon = joker->iconSize();
        platform::setZoom(250);
        // The sign and the jokers are drawn afresh when they next show.
        stop->setVisible(true);
        child<QWidget>(form.get(), QStringLiteral("Comodines"))->setVisible(true);
        QCOMPARE(stop->pixmap().deviceIndependentSize().toSize(), stop->size());
        QCOMPARE(joker->iconSize(), icon * 2.5);
        QCOMPARE(joker->icon().availableSizes().value(0), icon * 2.5);
    }

    void aGrownWindowIsKeptOnItsScreenAndStillReportsItsTwips() {
        const QRect room = form->screen()->availableGeometry();
        const QRect twips = platform::twipsOf(form.get());
        const int nearRightEdge = platform::pixelsToTwips(room.right()) - twips.width();
        platform::setLeft(form.get(), nearRightEdge);
        platform::setZoom(150);
        const QRect outer = form->frameGeometry();
        if (outer.width() <= room.width()) {
            QVERIFY(room.contains(outer));
        } else {
            QCOMPARE(outer.left(), room.left());
        }
        QCOMPARE(platform::twipsOf(form.get()).left(), nearRightEdge);
        platform::setZoom(100);
        QCOMPARE(form->frameGeometry().left(), platform::twipsToPixels(nearRightEdge));
    }
};

QUENZA_QT_TEST(ZoomTest)
#include "zoom_test.moc"
