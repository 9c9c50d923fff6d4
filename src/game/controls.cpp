#include "controls.h"

#include "platform/look.h"
#include "platform/twips.h"
#include "platform/widgets.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QMenu>

namespace quenza {

namespace {

void place(QWidget* control, const QRect& twips) {
    platform::place(control, twips.x(), twips.y(), twips.width(), twips.height());
}

// An outline drawn with a style sheet on a widget of its own: these are few
// and never change, unlike the grid cells.
class ShapeWidget final : public QFrame {
public:
    ShapeWidget(QWidget* parent, quint32 bgr, int borderWidth) : QFrame(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setStyleSheet(QStringLiteral("QFrame { border: %1px solid %2; background: transparent; }")
                          .arg(borderWidth)
                          .arg(platform::colourOf(bgr).name()));
    }
};

} // namespace

platform::Label* makeLabel(QWidget* parent, const QString& name, const QString& text,
                           const QRect& twips) {
    auto* label = new platform::Label(parent);
    label->setObjectName(name);
    label->setText(text);
    platform::setKind(label, platform::Kind::Label);
    place(label, twips);
    return label;
}

platform::Label* makeAutoSizeLabel(QWidget* parent, const QString& name, const QString& text,
                                   const QRect& twips) {
    auto* label = makeLabel(parent, name, text, twips);
    label->setProperty("quenza.autoSize", true);
    fitToText(label);
    return label;
}

void fitToText(QLabel* label) {
    if (!label->property("quenza.autoSize").toBool()) {
        return;
    }
    const QRect twips = platform::twipsOf(label);
    const int designed = platform::twipsToPixels(twips.width());
    const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 4;
    label->resize(qMax(designed, needed), label->height());
}

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& title,
                     const QRect& twips) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    platform::setKind(frame, platform::Kind::Frame);
    place(frame, twips);
    return frame;
}

QWidget* makeShape(QWidget* parent, const QString& name, const QRect& twips, quint32 borderBgr,
                   int borderWidth) {
    auto* shape = new ShapeWidget(parent, borderBgr, borderWidth);
    shape->setObjectName(name);
    platform::setKind(shape, platform::Kind::Shape);
    place(shape, twips);
    return shape;
}

platform::Label* makePicture(QWidget* parent, const QString& name, const QRect& twips) {
    auto* picture = makeLabel(parent, name, QString(), twips);
    platform::setKind(picture, platform::Kind::Picture);
    picture->setScaledContents(true);
    return picture;
}

void setControlFont(QWidget* control, const QString& family, qreal points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    control->setFont(font);
}

QAction* makeMenuEntry(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QMenu* makeSubmenu(QMenu* menu, const QString& name, const QString& caption) {
    QMenu* submenu = menu->addMenu(caption);
    submenu->setObjectName(name + QStringLiteral("_menu"));
    submenu->menuAction()->setObjectName(name);
    return submenu;
}

QAction* makeSeparator(QMenu* menu, const QString& name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

} // namespace quenza
