#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QWidget;

namespace quenza {

namespace platform {
class Label;
}

// The captions of the result dialogs: Arial, bold or regular, in a window
// colour (0xBBGGRR) or the default text colour. They grow with their text and
// keep their designed twips.
struct CaptionLook {
    qreal points = 8.25;
    bool bold = true;
    std::optional<quint32> colour;
};
QLabel* makeCaption(QWidget* dialog, const char* name, const char* text, const QRect& twips,
                    const CaptionLook& look);

// Where the name box, the accept button and the button's two image holders sit.
struct NameEntryPlaces {
    QRect box;
    QRect button;
    QRect verde;
    QRect rojo;
};

// The part of a result dialog where a ranked player types a name and accepts
// it: the dialog's prompt, the name box `Text1` ("Player") and the picture
// button `Picture1`, red at rest and green under the pointer. The two images
// are held by the pictures `verde` and `rojo`, which are never shown.
// Everything starts hidden.
class NameEntry final : public QObject {
    Q_OBJECT
public:
    // Watches the dialog's own surface for pointer moves, to turn the button
    // red again.
    NameEntry(QWidget* dialog, QLabel* prompt, const NameEntryPlaces& places);

    // The prompt, the box and the button together.
    void setShown(bool shown);
    QString name() const;

Q_SIGNALS:
    // A click on the button, or Enter in the box while the button is shown.
    void accepted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void acceptIfOffered();
    void showImageOf(const platform::Label* holder);
    bool outsideButton(QPoint pixels) const;

    QWidget* dialog_;
    QLabel* prompt_;
    QLineEdit* Text1 = nullptr;
    platform::Label* verde = nullptr;
    platform::Label* rojo = nullptr;
    platform::Label* Picture1 = nullptr;
};

} // namespace quenza
