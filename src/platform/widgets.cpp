#include "platform/widgets.h"

#include "platform/look.h"
#include "platform/zoom.h"
#include "puzzle/zoom_steps.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QShowEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QtMath>

namespace quenza::platform {

Label::Label(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
}

void Label::makeKeyboardLink() {
    keyboardLink_ = true;
    setFocusPolicy(Qt::StrongFocus);
}

void Label::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (isKeyboardLink() && event->modifiers() == Qt::NoModifier &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        event->accept();
        Q_EMIT clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void Label::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    tracker_.pressed(ClickTracker::Press::Single);
    Q_EMIT pressed();
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const bool click = tracker_.released(rect().contains(event->position().toPoint()));
    Q_EMIT released();
    if (click) {
        Q_EMIT clicked();
    }
}

void Label::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    tracker_.pressed(ClickTracker::Press::Double);
    Q_EMIT doubleClicked();
}

void Label::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT mouseMoved(event->position().toPoint());
}

void Label::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    const QString id = pictureId(this);
    if (id.isEmpty() || pixmap().isNull() || pixmap().deviceIndependentSize().toSize() == size()) {
        return;
    }
    if (const QPixmap redrawn = renderPicture(id, size()); !redrawn.isNull()) {
        setPixmap(redrawn);
    }
}

void Label::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    const QString id = pictureId(this);
    if (!id.isEmpty() && pixmap().isNull()) {
        setPixmap(renderPicture(id, size()));
    }
}

void Label::paintEvent(QPaintEvent* event) {
    paintCaption(event);
    if (hasFocus() && isKeyboardLink()) {
        QPainter painter(this);
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect =
            style()
                ->itemTextRect(fontMetrics(), contentsRect(), alignment(), isEnabled(), text())
                .adjusted(-1, 0, 1, 0)
                .intersected(rect());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

void Label::paintCaption(QPaintEvent* event) {
    const QRect room = contentsRect();
    if (zoomPercent() == kNormalZoom || text().isEmpty() || wordWrap() || !pixmap().isNull() ||
        textFormat() == Qt::RichText) {
        QLabel::paintEvent(event);
        return;
    }
    const int needed = fontMetrics().horizontalAdvance(text());
    if (needed <= room.width()) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);
    QPainter painter(this);
    QFont smaller = font();
    const qreal shrink = qreal(room.width()) / needed;
    if (smaller.pointSizeF() > 0) {
        smaller.setPointSizeF(smaller.pointSizeF() * shrink);
    } else {
        smaller.setPixelSize(qMax(1, qFloor(smaller.pixelSize() * shrink)));
    }
    painter.setFont(smaller);
    style()->drawItemText(&painter, room, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), text(), foregroundRole());
}

} // namespace quenza::platform
