#include "platform/zoom.h"

#include "platform/controls.h"
#include "platform/look.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "puzzle/zoom_steps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

namespace quenza::platform {

namespace {

constexpr char kDesignedFont[] = "quenza.designedFont";

int g_percent = kNormalZoom;
std::optional<QFont> g_applicationFont;

PictureRenderer& pictureRenderer() {
    static PictureRenderer renderer;
    return renderer;
}

QFont zoomed(QFont font, qreal factor) {
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * factor);
    } else if (font.pixelSize() > 0) {
        font.setPixelSize(qMax(1, qRound(font.pixelSize() * factor)));
    }
    return font;
}

// A control with a font of its own: from its designed font when the game
// gave it one, else (a font adjusted from the one it had) by the change.
void rescaleFont(QWidget* widget, qreal change) {
    const QVariant designed = widget->property(kDesignedFont);
    if (designed.isValid()) {
        widget->setFont(zoomed(designed.value<QFont>(), zoomFactor()));
    } else if (widget->testAttribute(Qt::WA_SetFont)) {
        widget->setFont(zoomed(widget->font(), change));
    }
}

void rescaleIcon(QWidget* widget, qreal change) {
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (button == nullptr || (button->icon().isNull() && pictureId(button).isEmpty())) {
        return;
    }
    const QSize size(qRound(button->iconSize().width() * change),
                     qRound(button->iconSize().height() * change));
    // A picture not drawn yet is drawn at its icon size when first seen.
    if (!button->icon().isNull()) {
        if (const QPixmap redrawn = renderPicture(pictureId(button), size); !redrawn.isNull()) {
            button->setIcon(redrawn);
        }
    }
    button->setIconSize(size);
}

struct Placed {
    QPointer<QWidget> widget;
    QRect twips;
};

} // namespace

int zoomPercent() {
    return g_percent;
}

qreal zoomFactor() {
    return g_percent / qreal(kNormalZoom);
}

void setZoom(int percent) {
    if (percent == g_percent || !isZoomStep(percent)) {
        return;
    }
    // Where everything is, read before the pixels change meaning: a window the
    // player moved keeps the place it was moved to.
    std::vector<Placed> windows;
    std::vector<Placed> controls;
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget* widget : widgets) {
        if (hasTwips(widget)) {
            (widget->isWindow() ? windows : controls).push_back({widget, twipsOf(widget)});
        }
    }
    const qreal change = percent / qreal(g_percent);
    g_percent = percent;
    if (g_applicationFont) {
        QApplication::setFont(zoomed(*g_applicationFont, zoomFactor()));
    }
    for (QWidget* widget : widgets) {
        rescaleFont(widget, change);
        rescaleIcon(widget, change);
    }
    for (const std::vector<Placed>* group : {&controls, &windows}) {
        for (const auto& [widget, twips] : *group) {
            if (widget) {
                place(widget, twips.x(), twips.y(), twips.width(), twips.height());
            }
        }
    }
    for (QWidget* widget : widgets) {
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            fitToText(label);
        }
    }
}

void setDesignedApplicationFont(const QFont& font) {
    g_applicationFont = font;
    QApplication::setFont(zoomed(font, zoomFactor()));
}

void setDesignedFont(QWidget* control, const QFont& font) {
    control->setProperty(kDesignedFont, font);
    control->setFont(zoomed(font, zoomFactor()));
}

qreal designedPointSize(const QWidget* control) {
    const QVariant designed = control->property(kDesignedFont);
    if (designed.isValid()) {
        return designed.value<QFont>().pointSizeF();
    }
    return control->font().pointSizeF() / zoomFactor();
}

void setPictureRenderer(PictureRenderer renderer) {
    pictureRenderer() = std::move(renderer);
}

QPixmap renderPicture(const QString& id, QSize pixels) {
    const PictureRenderer& renderer = pictureRenderer();
    if (!renderer || id.isEmpty() || pixels.isEmpty()) {
        return {};
    }
    return renderer(id, pixels);
}

void showPicture(QLabel* label, const QString& id) {
    setPictureId(label, id);
    label->setPixmap(renderPicture(id, label->size()));
}

void showPictureWhenSeen(Label* label, const QString& id) {
    if (label->isVisible()) {
        showPicture(label, id);
        return;
    }
    setPictureId(label, id);
    label->setPixmap(QPixmap());
}

} // namespace quenza::platform
