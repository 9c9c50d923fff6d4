#include "platform/look.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QVariant>
#include <QWidget>
#include <initializer_list>

namespace quenza::platform {

namespace {

constexpr char kKind[] = "quenza.kind";
constexpr char kBackColor[] = "quenza.backColor";
constexpr char kForeColor[] = "quenza.foreColor";
constexpr char kAlignment[] = "quenza.alignment";
constexpr char kPicture[] = "quenza.picture";
constexpr char kMousePointer[] = "quenza.mousePointer";
constexpr char kCustomPointer[] = "quenza.customPointer";

constexpr int kCustomPointerCode = 99;
constexpr quint32 kSystemColour = 0x80000000;

QString nameOf(Kind kind) {
    switch (kind) {
    case Kind::Label:
        return QStringLiteral("label");
    case Kind::Button:
        return QStringLiteral("button");
    case Kind::TextBox:
        return QStringLiteral("textbox");
    case Kind::CheckBox:
        return QStringLiteral("checkbox");
    case Kind::Frame:
        return QStringLiteral("frame");
    case Kind::Picture:
        return QStringLiteral("picture");
    case Kind::Image:
        return QStringLiteral("image");
    case Kind::Shape:
        return QStringLiteral("shape");
    case Kind::Line:
        return QStringLiteral("line");
    }
    return {};
}

// The window system's colours (0x800000nn) follow the desktop's palette.
QColor systemColour(quint32 index) {
    const QPalette palette = QApplication::palette();
    switch (index) {
    case 5: // window background
        return palette.color(QPalette::Base);
    case 8: // window text
        return palette.color(QPalette::Text);
    case 18: // button text
        return palette.color(QPalette::ButtonText);
    default: // button face and the rest
        return palette.color(QPalette::Button);
    }
}

} // namespace

QColor colourOf(quint32 bgr) {
    if ((bgr & kSystemColour) != 0) {
        return systemColour(bgr & 0xFF);
    }
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

namespace {

quint32 toBgr(const QColor& colour) {
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}

// True when the property already holds `value`; otherwise stores it.
bool keep(QWidget* control, const char* name, quint32 value) {
    const QVariant kept = control->property(name);
    if (kept.isValid() && kept.toUInt() == value) {
        return true;
    }
    control->setProperty(name, value);
    return false;
}

void setRoles(QWidget* control, std::initializer_list<QPalette::ColorRole> roles,
              const QColor& colour) {
    QPalette palette = control->palette();
    for (const QPalette::ColorRole role : roles) {
        palette.setColor(role, colour);
    }
    control->setPalette(palette);
}

Qt::CursorShape shapeOf(int code) {
    switch (code) {
    case 2:
        return Qt::CrossCursor;
    case 3:
        return Qt::IBeamCursor;
    case 5:
    case 15:
        return Qt::SizeAllCursor;
    case 6:
        return Qt::SizeBDiagCursor;
    case 7:
        return Qt::SizeVerCursor;
    case 8:
        return Qt::SizeFDiagCursor;
    case 9:
        return Qt::SizeHorCursor;
    case 10:
        return Qt::UpArrowCursor;
    case 11:
        return Qt::WaitCursor;
    case 12:
        return Qt::ForbiddenCursor;
    case 13:
        return Qt::BusyCursor;
    case 16:
        return Qt::WhatsThisCursor;
    default:
        return Qt::ArrowCursor;
    }
}

void showPointer(QWidget* window, int code) {
    if (code == 0) {
        window->unsetCursor();
    } else if (code == kCustomPointerCode) {
        const QVariant custom = window->property(kCustomPointer);
        window->setCursor(custom.isValid() ? custom.value<QCursor>() : QCursor(Qt::CrossCursor));
    } else {
        window->setCursor(shapeOf(code));
    }
}

} // namespace

void setKind(QObject* control, Kind kind) {
    control->setProperty(kKind, nameOf(kind));
}

QString kindName(const QObject* control) {
    return control->property(kKind).toString();
}

void setBackColor(QWidget* control, quint32 bgr) {
    if (keep(control, kBackColor, bgr)) {
        return;
    }
    const QColor colour = colourOf(bgr);
    if (qobject_cast<QAbstractButton*>(control) != nullptr) {
        setRoles(control, {QPalette::Window, QPalette::Button}, colour);
    } else if (qobject_cast<QLineEdit*>(control) != nullptr ||
               qobject_cast<QAbstractScrollArea*>(control) != nullptr) {
        setRoles(control, {QPalette::Window, QPalette::Base}, colour);
    } else {
        setRoles(control, {QPalette::Window}, colour);
    }
    control->setAutoFillBackground(true);
}

void setForeColor(QWidget* control, quint32 bgr) {
    if (keep(control, kForeColor, bgr)) {
        return;
    }
    setRoles(control, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, colourOf(bgr));
}

quint32 backColor(const QWidget* control) {
    const QVariant kept = control->property(kBackColor);
    return kept.isValid() ? kept.toUInt() : toBgr(control->palette().color(QPalette::Window));
}

quint32 foreColor(const QWidget* control) {
    const QVariant kept = control->property(kForeColor);
    return kept.isValid() ? kept.toUInt() : toBgr(control->palette().color(QPalette::WindowText));
}

bool hasBackColor(const QWidget* control) {
    return control->property(kBackColor).isValid();
}

bool hasForeColor(const QWidget* control) {
    return control->property(kForeColor).isValid();
}

void setAlignment(QWidget* label, const QString& alignment) {
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment == u"center") {
        horizontal = Qt::AlignHCenter;
    } else if (alignment == u"right") {
        horizontal = Qt::AlignRight;
    }
    label->setProperty(kAlignment, alignment);
    if (auto* text = qobject_cast<QLabel*>(label)) {
        text->setAlignment(horizontal | Qt::AlignVCenter);
    } else if (auto* box = qobject_cast<QLineEdit*>(label)) {
        box->setAlignment(horizontal | Qt::AlignVCenter);
    }
}

QString alignment(const QWidget* label) {
    const QVariant kept = label->property(kAlignment);
    if (kept.isValid()) {
        return kept.toString();
    }
    if (const auto* text = qobject_cast<const QLabel*>(label)) {
        if (text->alignment() & Qt::AlignHCenter) {
            return QStringLiteral("center");
        }
        if (text->alignment() & Qt::AlignRight) {
            return QStringLiteral("right");
        }
    }
    return QStringLiteral("left");
}

void setPictureId(QWidget* control, const QString& id) {
    control->setProperty(kPicture, id.isEmpty() ? QVariant() : QVariant(id));
}

QString pictureId(const QWidget* control) {
    return control->property(kPicture).toString();
}

void setMousePointer(QWidget* window, int code) {
    if (mousePointer(window) == code) {
        return;
    }
    window->setProperty(kMousePointer, code);
    showPointer(window, code);
}

int mousePointer(const QWidget* window) {
    return window->property(kMousePointer).toInt();
}

void setCustomPointer(QWidget* window, const QCursor& cursor) {
    window->setProperty(kCustomPointer, QVariant::fromValue(cursor));
    if (mousePointer(window) == kCustomPointerCode) {
        showPointer(window, kCustomPointerCode);
    }
}

} // namespace quenza::platform
