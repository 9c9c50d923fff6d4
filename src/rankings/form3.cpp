#include "form3.h"

#include "game/artwork.h"
#include "game/controls.h"
#include "game/form1.h"
#include "game/game_state.h"
#include "platform/look.h"
#include "platform/sound.h"
#include "platform/system.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "puzzle/text.h"
#include "rankings/ranking_store.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace quenza {

namespace {

constexpr quint32 kTimeText = 0x0000FF;    // red
constexpr quint32 kVerdictText = 0xFF0000; // blue
constexpr quint32 kPromptText = 0xFF8080;  // light blue
constexpr quint32 kNameBox = 0xFFC0C0;
const QSize kButtonPixels(32, 32);

QLabel* timeLabel(QWidget* parent, const char* name, const char* text, const QRect& twips) {
    QLabel* label = makeAutoSizeLabel(parent, QLatin1String(name), QString::fromUtf8(text), twips);
    setControlFont(label, QStringLiteral("Arial"), 9.75, true);
    platform::setForeColor(label, kTimeText);
    fitToText(label);
    return label;
}

QLabel* smallLabel(QWidget* parent, const char* name, const char* text, const QRect& twips,
                   quint32 colour) {
    QLabel* label = makeAutoSizeLabel(parent, QLatin1String(name), QString::fromUtf8(text), twips);
    setControlFont(label, QStringLiteral("Arial"), 8.25, true);
    platform::setForeColor(label, colour);
    fitToText(label);
    return label;
}

void showImage(platform::Label* picture, const QPixmap& image, const QString& id) {
    picture->setPixmap(image);
    platform::setPictureId(picture, id);
}

} // namespace

Form3::Form3(Form1& main, QWidget* parent) : QWidget(parent), main_(main) {
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    build();
    Form_Load();
}

Form3::~Form3() = default;

void Form3::build() {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Enhorabuena!!!"));
    Label1 = timeLabel(this, "Label1", "Has tardado:", {960, 120, 1155, 240});
    Label2 = timeLabel(this, "Label2", "XX", {240, 480, 270, 240});
    Label3 = timeLabel(this, "Label3", "minutos y ", {600, 480, 975, 240});
    Label4 = timeLabel(this, "Label4", "XX", {1560, 480, 270, 240});
    Label5 = timeLabel(this, "Label5", "segundos", {1920, 480, 900, 240});
    Label8 = smallLabel(this, "Label8", "Demasiado Lento", {960, 960, 1440, 210}, kVerdictText);
    Label7 = smallLabel(this, "Label7", "No has conseguido entrar en el ranking",
                        {240, 1200, 3255, 210}, kVerdictText);
    Label6 =
        smallLabel(this, "Label6", "Introduce el nombre:", {120, 1560, 1740, 210}, kPromptText);
    Label6->setVisible(false);

    Text1 = new QLineEdit(QStringLiteral("Player"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    platform::setKind(Text1, platform::Kind::TextBox);
    platform::place(Text1, 1920, 1560, 1095, 285);
    setControlFont(Text1, QStringLiteral("Arial"), 8.25);
    platform::setBackColor(Text1, kNameBox);
    Text1->setVisible(false);
    // Enter in the name box accepts, like a click on the button.
    connect(Text1, &QLineEdit::returnPressed, this, [this] {
        if (!Picture1->isHidden()) {
            Picture1_Click();
        }
    });

    verde = makePicture(this, QStringLiteral("verde"), {3240, 360, 480, 480});
    rojo = makePicture(this, QStringLiteral("rojo"), {3000, 360, 480, 480});
    Picture1 = makePicture(this, QStringLiteral("Picture1"), {3120, 1440, 480, 480});
    showImage(verde, acceptButtonGreen(kButtonPixels), QStringLiteral("boton_verde"));
    showImage(rojo, acceptButtonRed(kButtonPixels), QStringLiteral("boton_rojo"));
    showImage(Picture1, rojo->pixmap(), QStringLiteral("boton_rojo"));
    for (QWidget* picture : {static_cast<QWidget*>(verde), static_cast<QWidget*>(rojo),
                             static_cast<QWidget*>(Picture1)}) {
        picture->setVisible(false);
    }
    connect(Picture1, &platform::Label::clicked, this, [this] { Picture1_Click(); });
    connect(Picture1, &platform::Label::mouseMoved, this, [this] { Picture1_MouseMove(); });
}

void Form3::Form_Load() {
    const QRect mainPlace = platform::twipsOf(&main_);
    platform::place(this, mainPlace.x(), mainPlace.y(), 3660, 2040);
    showTime();

    const GameState& state = gameState();
    TraditionalEntry result;
    result.tiempo = tiempo_total_;
    result.total_palabras = saturate16(main_.num_palabras() + 1);
    const auto verdict = RankingStore(state.ruta_file05, state.ruta_file06).qualify(result);
    posicion_nueva_ = verdict.posicion_nueva;
    if (verdict.qualifies) {
        Picture1->setVisible(true);
        Label6->setVisible(true);
        Text1->setVisible(true);
        Label7->setText(QStringLiteral("Has conseguido entrar en el ranking!!!"));
        Label8->setVisible(false);
        platform::playSound(QStringLiteral("excellent"));
    } else {
        Label8->setVisible(true);
        Label7->setText(QStringLiteral("No has conseguido entrar en el ranking"));
    }
    fitToText(Label7);
}

void Form3::showTime() {
    const QString minutes = main_.minutoText();
    const QString seconds = main_.segundoText();
    Label2->setText(minutes);
    if (minutes == QLatin1String("01")) {
        Label3->setText(QStringLiteral("minuto y"));
    } else if (minutes == QLatin1String("00")) {
        // Only the seconds, under "Has tardado:".
        platform::setLeft(Label4, 960);
        platform::setLeft(Label5, 1200);
        Label2->setVisible(false);
        Label3->setVisible(false);
    }
    fitToText(Label2);
    fitToText(Label3);
    Label4->setText(seconds);
    if (seconds == QLatin1String("01")) {
        Label5->setText(QStringLiteral("segundo"));
    }
    fitToText(Label4);
    fitToText(Label5);
    tiempo_total_ = saturate16(leadingNumber(minutes.toStdString()) * 60 +
                               leadingNumber(seconds.toStdString()));
}

void Form3::Picture1_Click() {
    const GameState& state = gameState();
    TraditionalEntry entry;
    entry.tiempo = tiempo_total_;
    entry.total_palabras = saturate16(main_.num_palabras() + 1);
    entry.nombre = Text1->text().toStdString();
    entry.tema = main_.tituloText().toStdString();
    const QDate today = platform::today();
    entry.fecha = {today.year(), today.month(), today.day()};
    RankingStore(state.ruta_file05, state.ruta_file06).insert(entry);
    Label6->setVisible(false);
    Text1->setVisible(false);
    Picture1->setVisible(false);
}

void Form3::Picture1_MouseMove() {
    showImage(Picture1, verde->pixmap(), platform::pictureId(verde));
}

void Form3::mouseMoveEvent(QMouseEvent* event) {
    const QRect button = platform::twipsOf(Picture1);
    const QPoint at = platform::pixelsToTwips(event->position().toPoint());
    const bool outside = at.x() < button.left() || at.x() > button.left() + button.width() ||
                         at.y() < button.top() || at.y() > button.top() + button.height();
    if (outside) {
        showImage(Picture1, rojo->pixmap(), platform::pictureId(rojo));
    }
    QWidget::mouseMoveEvent(event);
}

void Form3::closeEvent(QCloseEvent* event) {
    main_.show();
    main_.Modo_traDicional();
    event->accept();
}

QJsonObject Form3::fields() const {
    return {{QStringLiteral("tiempo_total"), tiempo_total_},
            {QStringLiteral("posicion_nueva"), posicion_nueva_}};
}

} // namespace quenza
