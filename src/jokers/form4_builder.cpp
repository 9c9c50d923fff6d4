// Builds the level-complete window's controls and timers at their designed
// places.
#include "artwork/joker_pictures.h"
#include "artwork/picture_catalogue.h"
#include "form4.h"
#include "form4_accessibility.h"
#include "form4_joker_check.h"
#include "platform/controls.h"
#include "platform/look.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "platform/widgets.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QPushButton>

namespace quenza {

namespace {

constexpr quint32 kGreen = 0x00C000;
constexpr int kPictureBox = 495; // check boxes, the Suerte button and the award slots
constexpr int kIconMargin = 6;   // pixels around a button's picture

QPoint at(int left, int top) {
    return {left, top};
}

} // namespace

class Form4Builder {
public:
    explicit Form4Builder(Form4& form) : f(form) {}

    void build() {
        f.setObjectName(QStringLiteral("Form4"));
        f.setWindowTitle(QStringLiteral("Limbo de Nivel"));
        header();
        awardSlots();
        jokerFrame();
        f.Command2 = button(&f, QStringLiteral("Command2"), {3120, 3960, 975, 375});
        f.Command2->setText(QStringLiteral("Continuar"));
        timers();
        connectControls();
    }

private:
    static QPushButton* button(QWidget* parent, const QString& name, const QRect& twips) {
        auto* made = new QPushButton(parent);
        made->setObjectName(name);
        platform::setKind(made, platform::Kind::Button);
        platform::place(made, twips.x(), twips.y(), twips.width(), twips.height());
        return made;
    }

    static void showPicture(QPushButton* button, int joker) {
        const QSize pixels = button->size();
        const QSize icon = pixels - QSize(kIconMargin, kIconMargin);
        button->setIcon(pictureIcon(jokerPictureId(joker), icon));
        button->setIconSize(icon);
        platform::setPictureId(button, jokerPictureId(joker));
    }

    void header() {
        f.Label2 = platform::makeAutoSizeLabel(&f, QStringLiteral("Label2"),
                                               QStringLiteral("Has terminado el nivel "),
                                               {240, 120, 1815, 240});
        f.nivel = platform::makeAutoSizeLabel(&f, QStringLiteral("nivel"), QStringLiteral("XX"),
                                              {2160, 120, 375, 240});
        f.Label3 = platform::makeAutoSizeLabel(&f, QStringLiteral("Label3"),
                                               QStringLiteral("Comodines obtenidos:"),
                                               {240, 480, 1815, 240});
    }

    void awardSlots() {
        for (int i = 0; i < Form4::kAwardSlots; ++i) {
            auto* slot = platform::makePicture(&f, platform::indexed("Picture1", i),
                                               {2160 + 480 * i, 360, kPictureBox, kPictureBox});
            slot->setVisible(false);
            f.Picture1[static_cast<size_t>(i)] = slot;
        }
    }

    void jokerFrame() {
        f.Comodines =
            platform::makeFrame(&f, QStringLiteral("Comodines"),
                                QStringLiteral("Comodines Acumulados"), {240, 1080, 4095, 3495});
        f.Comodines->setToolTip(
            QStringLiteral("Selecciona si deseas un comodin para el siguiente nivel"));
        // Pointer moves over the frame's free area record the ticked joker.
        f.Comodines->setMouseTracking(true);
        f.Comodines->installEventFilter(&f);
        checkBoxes();
        luckButton();
        stockLabels();
        specialJoker();
        // The frame hears only moves over its free area: its controls keep
        // theirs (its labels take them anyway).
        for (QWidget* control : f.Comodines->findChildren<QAbstractButton*>()) {
            control->setAttribute(Qt::WA_NoMousePropagation);
        }
    }

    // Where each joker's check box (Suerte's button), stock label and sign
    // stand in the frame, and the box's tool tip.
    struct Place {
        QPoint box;
        QPoint stock;
        int signLeft;
        const char* toolTip;
    };
    // Index k is joker k; 8 (Suerte) has its button instead of a check box.
    static const Place& placeOf(int joker) {
        static const std::array<Place, kJokerKinds + 1> places{{
            {},
            {at(600, 360), at(360, 480), 220, "Se mostraran las palabras a buscar"},
            {at(2040, 360), at(1800, 480), 1660,
             "Se veran las 3 primeras letras de cada palabra a buscar"},
            {at(600, 1080), at(360, 1200), 220, "Se eliminaran 40 letras del tablero"},
            {at(2040, 1080), at(1800, 1200), 1660,
             "Visor que te indicara que letras estan en alguna palabra"},
            {at(600, 1920), at(360, 2040), 220, "Se doblara el tiempo del cual dispones"},
            // Finalizar's tool tip repeats Tiempo's, as the game always had it.
            {at(600, 2760), at(360, 2880), 220, "Se doblara el tiempo del cual dispones"},
            {at(2040, 1920), at(1800, 2040), 1660,
             "En el siguiente nivel estaran todas las palabras en la misma direccion"},
            {at(2040, 2760), at(1800, 2880), 1680,
             "Comodin que te otorgara o quitara otros comodines"},
        }};
        return places[static_cast<size_t>(joker)];
    }

    void checkBoxes() {
        const int side = platform::twipsToPixels(kPictureBox);
        for (int k = 1; k <= Form4::kCheckBoxes; ++k) {
            const Place& place = placeOf(k);
            auto* box =
                new JokerCheckBox(pictureIcon(jokerPictureId(k), QSize(side, side)), f.Comodines);
            box->setObjectName(platform::indexed("Check1", k));
            platform::setKind(box, platform::Kind::CheckBox);
            platform::place(box, place.box.x(), place.box.y(), kPictureBox, kPictureBox);
            platform::setPictureId(box, jokerPictureId(k));
            box->setToolTip(QString::fromUtf8(place.toolTip));
            f.Check1[static_cast<size_t>(k)] = box;
        }
    }

    void luckButton() {
        const Place& place = placeOf(kSuerte);
        f.Suerte = button(f.Comodines, QStringLiteral("Suerte"),
                          {place.box.x(), place.box.y(), kPictureBox, kPictureBox});
        showPicture(f.Suerte, kSuerte);
        f.Suerte->setToolTip(QString::fromUtf8(place.toolTip));
    }

    void stockLabels() {
        for (int k = 1; k <= kJokerKinds; ++k) {
            const Place& place = placeOf(k);
            f.comodin1[static_cast<size_t>(k)] = platform::makeAutoSizeLabel(
                f.Comodines, platform::indexed("comodin1", k), QStringLiteral("1"),
                {place.stock.x(), place.stock.y(), 105, 240});
            // Signs sit just left of their stock label; their width is ours.
            auto* sign =
                platform::makeLabel(f.Comodines, platform::indexed("signo", k), QStringLiteral("+"),
                                    {place.signLeft, place.stock.y(), 120, 240});
            platform::setForeColor(sign, kGreen);
            sign->setVisible(false);
            f.signo[static_cast<size_t>(k)] = sign;
        }
    }

    void specialJoker() {
        f.comodin9 = button(f.Comodines, QStringLiteral("comodin9"), {3120, 1200, 615, 615});
        showPicture(f.comodin9, kEspecialPicture);
        f.comodin9->setVisible(false);
        f.comodin9_txt =
            platform::makeLabel(f.Comodines, QStringLiteral("comodin9_txt"),
                                QStringLiteral("Comodin Especial"), {3120, 1920, 660, 450});
        f.comodin9_txt->setWordWrap(true);
        f.comodin9_txt->setVisible(false);
        describeSpecialJoker(f.comodin9, f.comodin9_txt);
        f.niveles = platform::makeLabel(f.Comodines, QStringLiteral("niveles"),
                                        QStringLiteral("+10 niveles"), {2760, 2520, 1065, 240});
        platform::setForeColor(f.niveles, kGreen);
        f.niveles->setVisible(false);
    }

    void timers() {
        f.Timer1 = new platform::Timer(QStringLiteral("Timer1"), 10, true, &f);
        const std::array<const char*, Form4::kRoutines> blinkNames{"Timer7", "Timer2", "Timer3",
                                                                   "Timer4", "Timer5"};
        for (int routine = 0; routine < Form4::kRoutines; ++routine) {
            f.blinkTimer_[static_cast<size_t>(routine)] = new platform::Timer(
                QLatin1String(blinkNames[static_cast<size_t>(routine)]), 500, false, &f);
        }
        f.magic = new platform::Timer(QStringLiteral("magic"), 1500, false, &f);
        f.Timer6 = new platform::Timer(QStringLiteral("Timer6"), 50, true, &f);
    }

    // The connections capture the window, never this short-lived builder.
    void connectControls() {
        Form4* form = &f;
        QObject::connect(f.Timer1, &platform::Timer::fired, form, [form] { form->Timer1_Timer(); });
        for (int routine = 0; routine < Form4::kRoutines; ++routine) {
            QObject::connect(f.blinkTimer_[static_cast<size_t>(routine)], &platform::Timer::fired,
                             form, [form, routine] { form->blinkStep(routine); });
        }
        QObject::connect(f.magic, &platform::Timer::fired, form, [form] { form->magic_Timer(); });
        QObject::connect(f.Timer6, &platform::Timer::fired, form, [form] { form->Timer6_Timer(); });
        for (int k = 1; k <= Form4::kCheckBoxes; ++k) {
            QObject::connect(f.Check1[static_cast<size_t>(k)], &JokerCheckBox::focusLost, form,
                             [form, k] { form->Check1_LostFocus(k); });
            QObject::connect(f.Check1[static_cast<size_t>(k)], &JokerCheckBox::toggledByKey, form,
                             [form] { form->Comodines_MouseMove(); });
        }
        QObject::connect(f.Suerte, &QPushButton::clicked, form, [form] { form->Suerte_Click(); });
        QObject::connect(f.comodin9, &QPushButton::clicked, form,
                         [form] { form->comodin9_Click(); });
        QObject::connect(f.Command2, &QPushButton::clicked, form,
                         [form] { form->Command2_Click(); });
    }

    Form4& f;
};

void Form4::build() {
    Form4Builder(*this).build();
}

} // namespace quenza
