#include "platform/controls.h"

#include "platform/look.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "platform/zoom.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QMenu>

namespace quenza::platform {

namespace {

void placeAt(QWidget* control, const QRect& twips) {
    place(control, twips.x(), twips.y(), twips.width(), twips.height());
}

// An outline drawn with a style sheet on a widget of its own: these are few
// and never change, unlike the grid cells.
class ShapeWidget final : public QFrame {
public:
    ShapeWidget(QWidget* parent, quint32 bgr, int borderWidth) : QFrame(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setStyleSheet(QStringLiteral("QFrame { border: %1px solid %2; background: transparent; }")
                          .arg(borderWidth)
                          .arg(colourOf(bgr).name()));
    }
};

} // namespace

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

Label* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& twips) {
    auto* label = new Label(parent);
    label->setObjectName(name);
    label->setText(text);
    setKind(label, Kind::Label);
    placeAt(label, twips);
    return label;
}

Label* makeAutoSizeLabel(QWidget* parent, const QString& name, const QString& text,
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
    const QRect twips = twipsOf(label);
    const int designed = twipsToPixels(twips.width());
    const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 4;
    label->resize(qMax(designed, needed), label->height());
}

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& title,
                     const QRect& twips) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    setKind(frame, Kind::Frame);
    placeAt(frame, twips);
    return frame;
}

QWidget* makeShape(QWidget* parent, const QString& name, const QRect& twips, quint32 borderBgr,
                   int borderWidth) {
    auto* shape = new ShapeWidget(parent, borderBgr, borderWidth);
    shape->setObjectName(name);
    setKind(shape, Kind::Shape);
    placeAt(shape, twips);
    return shape;
}

Label* makePicture(QWidget* parent, const QString& name, const QRect& twips) {
    auto* picture = makeLabel(parent, name, QString(), twips);
    setKind(picture, Kind::Picture);
    picture->setScaledContents(true);
    return picture;
}

void setControlFont(QWidget* control, const QString& family, qreal points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    setDesignedFont(control, font);
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

} // namespace quenza::platform
