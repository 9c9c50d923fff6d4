#include "form8.h"

#include "platform/accessible.h"
#include "platform/controls.h"
#include "platform/look.h"
#include "platform/system.h"
#include "platform/text_file.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "version.h"

#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QShortcut>

namespace quenza {

namespace {

constexpr int kWidth = 5760;
// The controls end at 3975 twips; the rest is room for the title bar.
constexpr int kHeight = 4560;
constexpr quint32 kTitleColour = 0x804000; // the splash's dark blue
constexpr quint32 kLinkColour = 0xFF0000;  // blue

void separatingLine(QWidget* parent, int index, int top) {
    auto* line = new QFrame(parent);
    line->setObjectName(platform::indexed("Line1", index));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    platform::setKind(line, platform::Kind::Line);
    platform::place(line, 240, top, 5160, 30);
}

// A caption and the value beside it, on one row.
QLabel* valueRow(QWidget* parent, int index, const char* caption, const char* valueName, int top) {
    platform::makeLabel(parent, platform::indexed("lblVersion", index), QString::fromUtf8(caption),
                        {360, top, 2280, 240});
    QLabel* value =
        platform::makeLabel(parent, QLatin1String(valueName), QString(), {2760, top, 2400, 240});
    platform::setControlFont(value, QStringLiteral("Arial"), 8.25, true);
    return value;
}

platform::Label* link(QWidget* parent, const char* name, const char* text, int top) {
    platform::Label* label = platform::makeLabel(parent, QLatin1String(name),
                                                 QString::fromUtf8(text), {180, top, 2400, 240});
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    platform::setForeColor(label, kLinkColour);
    label->setCursor(Qt::PointingHandCursor);
    label->makeKeyboardLink();
    return label;
}

// A caption and its value read as one: "Horas empleadas: 110".
void describeValueRow(QWidget* window, int index, QLabel* value, const char* description) {
    auto* caption = window->findChild<QLabel*>(platform::indexed("lblVersion", index));
    const QString row = caption->text() + u' ' + value->text();
    for (QLabel* label : {caption, value}) {
        platform::setAccessibleText(label, row, QString::fromUtf8(description));
    }
}

} // namespace

form8::form8(QWidget& main, QWidget* parent) : QWidget(parent), main_(main) {
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    Form_Load();
}

void form8::build() {
    setObjectName(QStringLiteral("form8"));
    setWindowTitle(QStringLiteral("Acerca de Quenza"));
    QLabel* title =
        platform::makeLabel(this, QStringLiteral("lblTitle"),
                            QStringLiteral("Quenza - Zaviv oz Udiruv-"), {240, 180, 5160, 480});
    platform::setControlFont(title, QStringLiteral("Arial"), 14, true);
    platform::setForeColor(title, kTitleColour);
    separatingLine(this, 0, 780);
    version = valueRow(this, 0, "Version:", "version", 960);
    horas = valueRow(this, 1, "Horas empleadas:", "horas", 1260);
    num = valueRow(this, 6, "Numero de sopas de letras:", "num", 1560);
    separatingLine(this, 1, 1920);

    QGroupBox* author = platform::makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("Autor"),
                                            {240, 2040, 5160, 1440});
    QLabel* game = platform::makeLabel(author, QStringLiteral("lblAutor(0)"),
                                       QStringLiteral("Quenza, un juego de sopas de letras"),
                                       {180, 330, 4800, 240});
    platform::setControlFont(game, QStringLiteral("Arial"), 8.25, true);
    QLabel* team = platform::makeLabel(author, QStringLiteral("lblAutor(1)"),
                                       QStringLiteral("Hecho con cariño por el equipo de Quenza"),
                                       {180, 570, 4800, 240});
    weblink = link(author, "weblink", "https://quenza.example.org", 840);
    mail = link(author, "mail", "quenza@example.org", 1080);
    connect(weblink, &platform::Label::clicked, this, [this] { weblink_Click(); });
    connect(mail, &platform::Label::clicked, this, [this] { mail_Click(); });
    platform::describeControl(this, QStringLiteral("Versión, horas de trabajo, número de sopas "
                                                   "de letras y autores del juego"));
    platform::describeControl(title, QStringLiteral("Título del juego"));
    platform::describeControl(author, QStringLiteral("Quién ha hecho el juego"));
    platform::describeControl(game, QStringLiteral("Autor"));
    platform::describeControl(team, QStringLiteral("Autor"));
    platform::describeControl(weblink, QStringLiteral("Abre la página del juego en el navegador"));
    platform::describeControl(mail, QStringLiteral("Escribe un correo a los autores"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    platform::setKind(ok, platform::Kind::Button);
    platform::place(ok, 4080, 3600, 1320, 375);
    connect(ok, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    platform::describeControl(ok, QStringLiteral("Cierra esta ventana"));
    // The links come first in Tab order, but the window opens on "OK".
    ok->setFocus();
    // Escape closes the window, as "OK" does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { cmdOK_Click(); });
}

void form8::Form_Load() {
    const QRect mainPlace = platform::twipsOf(&main_);
    platform::place(this, mainPlace.x() + 300, mainPlace.y() + 800, kWidth, kHeight);
    // Every line of the theme file counts, blank or not; a missing file
    // shows 0 rather than stopping the game over an about box.
    num->setText(QString::number(platform::countLines(platform::themesFile())));
    horas_empleadas = 110;
    horas->setText(QString::number(horas_empleadas));
    version->setText(
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
    describeValueRow(this, 0, version, "Versión del juego");
    describeValueRow(this, 1, horas, "Horas de trabajo dedicadas al juego");
    describeValueRow(this, 6, num, "Sopas de letras que trae el archivo de temas");
}

void form8::cmdOK_Click() {
    close();
}

void form8::weblink_Click() {
    platform::defaultHandler().open(weblink->text());
}

void form8::mail_Click() {
    platform::defaultHandler().open(QStringLiteral("mailto:") + mail->text());
}

QJsonObject form8::fields() const {
    return {{QStringLiteral("horas_empleadas"), horas_empleadas}};
}

} // namespace quenza
