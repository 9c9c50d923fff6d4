#include "form5.h"

#include "game/form1.h"
#include "game/game_state.h"
#include "platform/accessible.h"
#include "platform/controls.h"
#include "platform/sound.h"
#include "platform/system.h"
#include "platform/twips.h"
#include "rankings/name_entry.h"
#include "rankings/ranking_store.h"

#include <QCloseEvent>
#include <QLabel>
#include <QShortcut>

namespace quenza {

namespace {

constexpr CaptionLook kBlue{8.25, true, 0xFF0000};
constexpr CaptionLook kDarkBlue{8.25, true, 0xC00000};
constexpr CaptionLook kNavy{8.25, true, 0x800000};
constexpr CaptionLook kPlain{8.25, false, std::nullopt};
constexpr int kWidth = 4680;
constexpr int kHeight = 2175;

} // namespace

Form5::Form5(Form1& main, QWidget* parent) : QWidget(parent), main_(main) {
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    Form_Load();
}

Form5::~Form5() = default;

void Form5::build() {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Game over"));
    Label1 =
        makeCaption(this, "Label1", "Te has quedado sin tiempo.", {480, 240, 2775, 255}, kBlue);
    Label2 = makeCaption(this, "Label2", "Nivel conseguido:", {480, 600, 1455, 210}, kDarkBlue);
    Label3 = makeCaption(this, "Label3", "XX", {2040, 600, 210, 210}, kBlue);
    Label7 = makeCaption(this, "Label7", "Puntuacion:", {480, 960, 960, 210}, kDarkBlue);
    Label6 = makeCaption(this, "Label6", "XX", {1680, 960, 210, 210}, kBlue);
    Label4 = makeCaption(this, "Label4", "No has conseguido entrar en el ranking",
                         {480, 1320, 3255, 210}, kNavy);
    Label5 = makeCaption(this, "Label5", "Introduce el nombre:", {720, 1680, 1470, 210}, kPlain);
    nameEntry_ = new NameEntry(this, Label5,
                               {.box = {2280, 1680, 1095, 285},
                                .button = {3600, 1560, 480, 480},
                                .verde = {4080, 720, 480, 480},
                                .rojo = {3360, 720, 480, 480}});
    connect(nameEntry_, &NameEntry::accepted, this, [this] { Picture1_Click(); });
    // Escape closes the dialog, as its close box does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void Form5::Form_Load() {
    // The dialog's top-left corner at the centre of the main window, wherever
    // the player has moved it; an odd width or height loses its half twip.
    const QRect mainPlace = platform::twipsOf(&main_);
    platform::placeClient(this, mainPlace.x() + mainPlace.width() / 2,
                          mainPlace.y() + mainPlace.height() / 2, kWidth, kHeight);

    const GameState& state = gameState();
    Label3->setText(QString::number(state.nivel_actual));
    Label6->setText(QString::number(state.puntuacion));
    platform::fitToText(Label3);
    platform::fitToText(Label6);

    main_.stopGameTime();

    EvolutionEntry result;
    result.nivel = state.nivel_actual;
    result.puntuacion = state.puntuacion;
    const auto verdict = RankingStore(state.ruta_file04, state.ruta_file06).qualify(result);
    posicion_nueva_ = verdict.posicion_nueva;
    nameEntry_->setShown(verdict.qualifies);
    if (verdict.qualifies) {
        Label4->setText(QStringLiteral("Has conseguido entrar en el ranking!!!"));
        platform::playSound(QStringLiteral("excellent"));
    } else {
        Label4->setText(QStringLiteral("No has conseguido entrar en el ranking"));
    }
    platform::fitToText(Label4);
    describe();
}

// Each value is read with its caption; the window says how the game ended.
void Form5::describe() {
    const QString level = Label2->text() + u' ' + Label3->text();
    const QString score = Label7->text() + u' ' + Label6->text();
    for (QLabel* part : {Label2, Label3}) {
        platform::setAccessibleText(part, level, QStringLiteral("Nivel al que ha llegado"));
    }
    for (QLabel* part : {Label7, Label6}) {
        platform::setAccessibleText(part, score, QStringLiteral("Puntos de la partida"));
    }
    platform::describeControl(Label1, QStringLiteral("Fin de la partida Evolution"));
    platform::describeControl(Label4, QStringLiteral("Resultado del ranking"));
    platform::describeControl(
        this, QStringLiteral("%1 %2. %3. %4").arg(Label1->text(), level, score, Label4->text()));
}

void Form5::Picture1_Click() {
    const GameState& state = gameState();
    EvolutionEntry entry;
    entry.nivel = state.nivel_actual;
    entry.puntuacion = state.puntuacion;
    entry.tiempo = state.segundos_partida;
    entry.nombre = nameEntry_->name().toStdString();
    const QDate today = platform::today();
    entry.fecha = {today.year(), today.month(), today.day()};
    RankingStore(state.ruta_file04, state.ruta_file06).insert(entry);
    // Read as the focus leaves the hidden name box for the dialog.
    platform::describeControl(this, QStringLiteral("Nombre guardado en el ranking"));
    nameEntry_->setShown(false);
}

void Form5::closeEvent(QCloseEvent* event) {
    main_.show();
    main_.showGameOverBoard();
    event->accept();
}

QJsonObject Form5::fields() const {
    return {{QStringLiteral("posicion_nueva"), posicion_nueva_}};
}

} // namespace quenza
