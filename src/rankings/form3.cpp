#include "form3.h"

#include "game/form1.h"
#include "game/game_state.h"
#include "platform/accessible.h"
#include "platform/controls.h"
#include "platform/sound.h"
#include "platform/system.h"
#include "platform/twips.h"
#include "puzzle/text.h"
#include "rankings/name_entry.h"
#include "rankings/ranking_store.h"

#include <QCloseEvent>
#include <QLabel>
#include <QShortcut>

namespace quenza {

namespace {

constexpr CaptionLook kTimeLook{9.75, true, 0x0000FF}; // red
constexpr quint32 kVerdictText = 0xFF0000;             // blue
constexpr quint32 kPromptText = 0xFF8080;              // light blue

} // namespace

Form3::Form3(Form1& main, QWidget* parent) : QWidget(parent), main_(main) {
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    Form_Load();
}

Form3::~Form3() = default;

void Form3::build() {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Enhorabuena!!!"));
    Label1 = makeCaption(this, "Label1", "Has tardado:", {960, 120, 1155, 240}, kTimeLook);
    Label2 = makeCaption(this, "Label2", "XX", {240, 480, 270, 240}, kTimeLook);
    Label3 = makeCaption(this, "Label3", "minutos y ", {600, 480, 975, 240}, kTimeLook);
    Label4 = makeCaption(this, "Label4", "XX", {1560, 480, 270, 240}, kTimeLook);
    Label5 = makeCaption(this, "Label5", "segundos", {1920, 480, 900, 240}, kTimeLook);
    Label8 = makeCaption(this, "Label8", "Demasiado Lento", {960, 960, 1440, 210},
                         {8.25, true, kVerdictText});
    Label7 = makeCaption(this, "Label7", "No has conseguido entrar en el ranking",
                         {240, 1200, 3255, 210}, {8.25, true, kVerdictText});
    Label6 = makeCaption(this, "Label6", "Introduce el nombre:", {120, 1560, 1740, 210},
                         {8.25, true, kPromptText});
    nameEntry_ = new NameEntry(this, Label6,
                               {.box = {1920, 1560, 1095, 285},
                                .button = {3120, 1440, 480, 480},
                                .verde = {3240, 360, 480, 480},
                                .rojo = {3000, 360, 480, 480}});
    connect(nameEntry_, &NameEntry::accepted, this, [this] { Picture1_Click(); });
    // Escape closes the dialog, as its close box does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void Form3::Form_Load() {
    const QRect mainPlace = platform::twipsOf(&main_);
    platform::placeClient(this, mainPlace.x(), mainPlace.y(), 3660, 2040);
    showTime();

    const GameState& state = gameState();
    TraditionalEntry result;
    result.tiempo = tiempo_total_;
    result.total_palabras = saturate16(main_.num_palabras() + 1);
    const auto verdict = RankingStore(state.ruta_file05, state.ruta_file06).qualify(result);
    posicion_nueva_ = verdict.posicion_nueva;
    if (verdict.qualifies) {
        nameEntry_->setShown(true);
        Label7->setText(QStringLiteral("Has conseguido entrar en el ranking!!!"));
        Label8->setVisible(false);
        platform::playSound(QStringLiteral("excellent"));
    } else {
        Label8->setVisible(true);
        Label7->setText(QStringLiteral("No has conseguido entrar en el ranking"));
    }
    platform::fitToText(Label7);
    describe();
}

// The time is read as one sentence on each of its labels; the window says the
// time and the verdict.
void Form3::describe() {
    QStringList sentence{Label1->text()};
    for (QLabel* part : {Label2, Label3, Label4, Label5}) {
        if (!part->isHidden()) {
            sentence.append(part->text().trimmed());
        }
    }
    const QString time = sentence.join(u' ');
    for (QLabel* part : {Label1, Label2, Label3, Label4, Label5}) {
        platform::setAccessibleText(part, time, QStringLiteral("Tiempo de la partida"));
    }
    for (QLabel* verdict : {Label7, Label8}) {
        platform::describeControl(verdict, QStringLiteral("Resultado del ranking"));
    }
    platform::describeControl(this, time + QStringLiteral(". ") + Label7->text());
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
    platform::fitToText(Label2);
    platform::fitToText(Label3);
    Label4->setText(seconds);
    if (seconds == QLatin1String("01")) {
        Label5->setText(QStringLiteral("segundo"));
    }
    platform::fitToText(Label4);
    platform::fitToText(Label5);
    tiempo_total_ = saturate16(leadingNumber(minutes.toStdString()) * 60 +
                               leadingNumber(seconds.toStdString()));
}

void Form3::Picture1_Click() {
    const GameState& state = gameState();
    TraditionalEntry entry;
    entry.tiempo = tiempo_total_;
    entry.total_palabras = saturate16(main_.num_palabras() + 1);
    entry.nombre = nameEntry_->name().toStdString();
    entry.tema = main_.tituloText().toStdString();
    const QDate today = platform::today();
    entry.fecha = {today.year(), today.month(), today.day()};
    RankingStore(state.ruta_file05, state.ruta_file06).insert(entry);
    // Read as the focus leaves the hidden name box for the dialog.
    platform::describeControl(this, QStringLiteral("Nombre guardado en el ranking"));
    nameEntry_->setShown(false);
}

void Form3::closeEvent(QCloseEvent* event) {
    main_.show();
    main_.startTraditionalGame();
    event->accept();
}

QJsonObject Form3::fields() const {
    return {{QStringLiteral("tiempo_total"), tiempo_total_},
            {QStringLiteral("posicion_nueva"), posicion_nueva_}};
}

} // namespace quenza
