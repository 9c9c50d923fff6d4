#include "rankings/name_entry.h"

#include "artwork/artwork.h"
#include "platform/accessible.h"
#include "platform/controls.h"
#include "platform/look.h"
#include "platform/twips.h"
#include "platform/widgets.h"

#include <QLineEdit>
#include <QMouseEvent>

namespace quenza {

namespace {

constexpr quint32 kNameBox = 0xFFC0C0;
// 480 twips.
const QSize kButtonPixels(32, 32);

} // namespace

QLabel* makeCaption(QWidget* dialog, const char* name, const char* text, const QRect& twips,
                    const CaptionLook& look) {
    platform::Label* label =
        platform::makeAutoSizeLabel(dialog, QLatin1String(name), QString::fromUtf8(text), twips);
    platform::setControlFont(label, QStringLiteral("Arial"), look.points, look.bold);
    if (look.colour) {
        platform::setForeColor(label, *look.colour);
    }
    platform::fitToText(label);
    return label;
}

NameEntry::NameEntry(QWidget* dialog, QLabel* prompt, const NameEntryPlaces& places)
    : QObject(dialog), dialog_(dialog), prompt_(prompt) {
    Text1 = new QLineEdit(QStringLiteral("Player"), dialog);
    Text1->setObjectName(QStringLiteral("Text1"));
    platform::setKind(Text1, platform::Kind::TextBox);
    platform::place(Text1, places.box.x(), places.box.y(), places.box.width(), places.box.height());
    platform::setControlFont(Text1, QStringLiteral("Arial"), 8.25);
    platform::setBackColor(Text1, kNameBox);
    // Enter in the name box accepts, like a click on the button.
    connect(Text1, &QLineEdit::returnPressed, this, &NameEntry::acceptIfOffered);

    verde = platform::makePicture(dialog, QStringLiteral("verde"), places.verde);
    rojo = platform::makePicture(dialog, QStringLiteral("rojo"), places.rojo);
    Picture1 = platform::makePicture(dialog, QStringLiteral("Picture1"), places.button);
    verde->setPixmap(acceptButtonGreen(kButtonPixels));
    platform::setPictureId(verde, QStringLiteral("boton_verde"));
    rojo->setPixmap(acceptButtonRed(kButtonPixels));
    platform::setPictureId(rojo, QStringLiteral("boton_rojo"));
    showImageOf(rojo);
    verde->setVisible(false);
    rojo->setVisible(false);
    connect(Picture1, &platform::Label::clicked, this, &NameEntry::acceptIfOffered);
    connect(Picture1, &platform::Label::mouseMoved, this, [this] { showImageOf(verde); });

    platform::setAccessibleText(Text1, QStringLiteral("Nombre para el ranking"),
                                QStringLiteral("Escriba su nombre y pulse Intro"));
    platform::setAccessibleText(Picture1, QStringLiteral("Aceptar el nombre"),
                                QStringLiteral("Guarda su nombre en el ranking"));
    platform::describeControl(prompt, QStringLiteral("Ha entrado en el ranking"));

    setShown(false);
    dialog->setMouseTracking(true);
    dialog->installEventFilter(this);
}

void NameEntry::setShown(bool shown) {
    const bool hadFocus = Text1->hasFocus();
    prompt_->setVisible(shown);
    Text1->setVisible(shown);
    Picture1->setVisible(shown);
    // The name stored, the keys go to the dialog (Enter and Escape close it),
    // not to a hidden box.
    if (hadFocus && !shown) {
        QWidget* dialog = Text1->window();
        dialog->setFocusPolicy(Qt::StrongFocus);
        dialog->setFocus(Qt::OtherFocusReason);
    }
}

// Only while the button is shown: once the dialog hides it, the result has
// been stored and a stray click or Enter must not store it again.
void NameEntry::acceptIfOffered() {
    if (!Picture1->isHidden()) {
        Q_EMIT accepted();
    }
}

QString NameEntry::name() const {
    return Text1->text();
}

bool NameEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dialog_ && event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        if (outsideButton(move->position().toPoint())) {
            showImageOf(rojo);
        }
    }
    return QObject::eventFilter(watched, event);
}

// The button's own edges count as on it: only a point strictly beyond one of
// them is outside.
bool NameEntry::outsideButton(QPoint pixels) const {
    const QRect button = platform::twipsOf(Picture1);
    const QPoint at = platform::pixelsToTwips(pixels);
    return at.x() < button.left() || at.x() > button.left() + button.width() ||
           at.y() < button.top() || at.y() > button.top() + button.height();
}

void NameEntry::showImageOf(const platform::Label* holder) {
    Picture1->setPixmap(holder->pixmap());
    platform::setPictureId(Picture1, platform::pictureId(holder));
}

} // namespace quenza
