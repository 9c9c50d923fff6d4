// Builds the help window's frames, labels, pictures and menu bar at their
// designed places.
#include "artwork/joker_pictures.h"
#include "form6.h"
#include "platform/accessible.h"
#include "platform/controls.h"
#include "platform/look.h"
#include "platform/twips.h"
#include "platform/widgets.h"

#include <QAction>
#include <QGroupBox>
#include <QMenuBar>

namespace quenza {

namespace {

struct JokerEntry {
    int joker; // the joker number, which picks its picture
    const char* name;
    const char* toolTip; // empty for the special joker
};

// The order in which the help lists the jokers, three to a row.
constexpr std::array<JokerEntry, Form6::kJokerNames> kJokers{{
    {1, "Mostrar", "Comodin que te muestra las palabras a localizar"},
    {4, "Visor", "Visor que te indicara si una letra pertenece a alguna palabra"},
    {7, "UniDireccion",
     "Comodin que te colocara las palabras de la siguiente sopa de letras en la misma direccion"},
    {2, "Mostrar3", "Comodin que mostrara las 3 primeras letras de las palabras a buscar"},
    {5, "Tiempo", "Añadira mas tiempo"},
    {8, "Suerte", "Comodin que te dara o quitara comodines"},
    {3, "Eliminar", "Borra 50 letras que no pertenecen a ninguna palabra"},
    {6, "Finalizar", "Comodin que te permite pasar al siguiente nivel directamente"},
    {kEspecialPicture, "Especial", ""},
}};

constexpr std::array<const char*, Form6::kEarningLines> kEarningDesign{{
    "Se obtienen de la siguiente manera:",
    "-Si no utilizas ningun comodin en una partida.",
    "-Si tardas menos de 60s. en terminar el nivel.",
    "-Cada 3 niveles recibes un comodin",
    "-Cada 5 niveles recibes un comodin \"SUERTE\"",
    "Tambien hay otras maneras de conseguirlos, descubrelas tu mismo",
}};

// Twips of the joker table: one cell per joker, picture then name.
constexpr int kColumnWidth = 1980;
constexpr int kRowHeight = 600;
constexpr int kPictureSide = 450;
constexpr int kOutlineMargin = 30;
constexpr quint32 kOutlineColour = 0x808080;
// Where the text of a frame starts, below its title.
constexpr int kFrameTextTop = 330;
// Lines of "Como conseguirlos".
constexpr int kLineTop = kFrameTextTop;
constexpr int kLineHeight = 240;

QLabel* wrappedText(QWidget* parent, const char* name, const QString& text, const QRect& twips) {
    QLabel* label = platform::makeLabel(parent, QLatin1String(name), text, twips);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

class Form6Builder {
public:
    explicit Form6Builder(Form6& form) : f(form) {}

    void build() {
        f.setObjectName(QStringLiteral("Form6"));
        // The window names itself after the menu that opens it.
        f.setWindowTitle(QStringLiteral("Ayuda"));
        auto* client = new QWidget(&f);
        client->setObjectName(QStringLiteral("Form6_client"));
        f.setCentralWidget(client);
        // Room for the title bar and the menu bar above the 7140 twips of frames.
        platform::setWindowWidth(&f, 6600);
        platform::setWindowHeight(&f, 7920);
        howToPlay(client);
        f.Frame2 = platform::makeFrame(client, QStringLiteral("Frame2"),
                                       QStringLiteral("Comodines"), {120, 1440, 6240, 5580});
        jokerTable();
        howToUse();
        howToEarn();
        menus();
    }

private:
    void howToPlay(QWidget* client) {
        f.Frame1 = platform::makeFrame(client, QStringLiteral("Frame1"),
                                       QStringLiteral("Como se juega"), {120, 120, 6240, 1200});
        f.Label1 = wrappedText(f.Frame1, "Label1", QStringLiteral("Texto"),
                               {120, kFrameTextTop, 6000, 780});
        platform::describeControl(f.Label1, QStringLiteral("Cómo se juega"));
    }

    void jokerTable() {
        QGroupBox* frame =
            platform::makeFrame(f.Frame2, QStringLiteral("Frame3"), QStringLiteral("Los comodines"),
                                {120, 300, 6000, 2130});
        for (int i = 0; i < Form6::kJokerNames; ++i) {
            const JokerEntry& entry = kJokers[static_cast<size_t>(i)];
            const int left = 180 + kColumnWidth * (i % 3);
            const int top = 360 + kRowHeight * (i / 3);
            // The eight jokers a level can award stand in an outline; the
            // special one, earned apart, stands alone.
            if (entry.joker != kEspecialPicture) {
                platform::makeShape(frame, platform::indexed("Shape1", i),
                                    {left - kOutlineMargin, top - kOutlineMargin,
                                     kPictureSide + 2 * kOutlineMargin,
                                     kPictureSide + 2 * kOutlineMargin},
                                    kOutlineColour);
            }
            auto* picture = platform::makePicture(frame, platform::indexed("Image1", i),
                                                  {left, top, kPictureSide, kPictureSide});
            platform::setKind(picture, platform::Kind::Image);
            picture->setPixmap(jokerPicture(entry.joker, picture->size()));
            platform::setPictureId(picture, jokerPictureId(entry.joker));
            picture->setToolTip(QString::fromUtf8(entry.toolTip));
            auto* name = platform::makeLabel(frame, platform::indexed("Label2", i),
                                             QString::fromUtf8(entry.name),
                                             {left + kPictureSide + 120, top, 1290, kPictureSide});
            platform::setControlFont(name, QStringLiteral("Arial"), 8.25, true);
            describeJoker(picture, name, entry);
        }
    }

    // The picture and the name both say which joker it is and what it does.
    static void describeJoker(QLabel* picture, QLabel* name, const JokerEntry& entry) {
        const QString effect = entry.joker == kEspecialPicture
                                   ? QStringLiteral("Comodín que se consigue aparte de los demás")
                                   : QString::fromUtf8(entry.toolTip);
        platform::setAccessibleText(
            picture, QStringLiteral("Comodín ") + QString::fromUtf8(entry.name), effect);
        platform::describeControl(name, effect);
    }

    void howToUse() {
        QGroupBox* frame =
            platform::makeFrame(f.Frame2, QStringLiteral("Frame4"),
                                QStringLiteral("Como utilizarlos"), {120, 2550, 6000, 930});
        wrappedText(frame, "Label3",
                    QStringLiteral("Los comodines se pueden utilizar antes o durante una partida. "
                                   "Pero si se utilizan en medio de una partida tendran un efecto "
                                   "limitado en el tiempo."),
                    {120, kFrameTextTop, 5760, 510});
    }

    void howToEarn() {
        QGroupBox* frame =
            platform::makeFrame(f.Frame2, QStringLiteral("Frame5"),
                                QStringLiteral("Como conseguirlos"), {120, 3600, 6000, 1860});
        for (int i = 0; i < Form6::kEarningLines; ++i) {
            // The last line runs the whole width; the others leave room on
            // their right for the hidden spots.
            const int width = i + 1 < Form6::kEarningLines ? 5160 : 5760;
            QLabel* line = platform::makeLabel(frame, platform::indexed("Label4", i),
                                               QString::fromUtf8(kEarningDesign[size_t(i)]),
                                               {120, kLineTop + kLineHeight * i, width, 225});
            f.Label4[static_cast<size_t>(i)] = line;
        }
        platform::setControlFont(f.Label4[0], QStringLiteral("Arial"), 8.25, true);
        // Made after the lines, so that they lie above them. Without text a
        // label paints nothing: the player cannot see these spots, and they
        // have no accessible text of their own either (a screen reader reads
        // them by their frame's title), so it does not give the secret away.
        f.Label5 = platform::makeLabel(frame, QStringLiteral("Label5"), QString(),
                                       {5400, kLineTop, 480, 225});
        f.Label6 = platform::makeLabel(frame, QStringLiteral("Label6"), QString(),
                                       {5400, kLineTop + 4 * kLineHeight, 480, 225});
        Form6* form = &f;
        QObject::connect(f.Label5, &platform::Label::doubleClicked, form,
                         [form] { form->Label5_DblClick(); });
        QObject::connect(f.Label6, &platform::Label::doubleClicked, form,
                         [form] { form->Label6_DblClick(); });
    }

    void menus() {
        QMenuBar* bar = f.menuBar();
        f.tradicional = bar->addAction(QStringLiteral("Modo Tradicional"));
        f.tradicional->setObjectName(QStringLiteral("tradicional"));
        f.evolution = bar->addAction(QStringLiteral("Modo Evolution"));
        f.evolution->setObjectName(QStringLiteral("evolution"));
        Form6* form = &f;
        QObject::connect(f.tradicional, &QAction::triggered, form, [form] { form->ayuda_T(); });
        QObject::connect(f.evolution, &QAction::triggered, form,
                         [form] { form->showEvolutionHelp(); });
        platform::describeMenuEntry(f.tradicional,
                                    QStringLiteral("Muestra cómo se juega en el modo Tradicional"));
        platform::describeMenuEntry(
            f.evolution,
            QStringLiteral("Muestra cómo se juega en el modo Evolution y qué hacen los comodines"));
    }

    Form6& f;
};

void buildForm6(Form6& form) {
    Form6Builder(form).build();
}

} // namespace quenza
