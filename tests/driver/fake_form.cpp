#include "fake_form.h"

#include "platform/look.h"
#include "platform/message_box.h"
#include "platform/sound.h"
#include "platform/system.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "platform/widgets.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QJsonArray>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>

namespace quenza::driver::test {

namespace {

platform::Label* label(QWidget* parent, const QString& name, const QRect& twips) {
    auto* made = new platform::Label(parent);
    made->setObjectName(name);
    made->setText(name.left(1));
    platform::setKind(made, platform::Kind::Label);
    platform::place(made, twips.x(), twips.y(), twips.width(), twips.height());
    return made;
}

} // namespace

FakeForm::FakeForm() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quenza"));
    auto* surface = new platform::Surface(this);
    setCentralWidget(surface);
    platform::place(this, 0, 0, 6480, 6400);
    connect(surface, &platform::Surface::mouseMoved, this, [this](QPoint pixels) {
        log.append(QStringLiteral("move surface %1,%2").arg(pixels.x()).arg(pixels.y()));
    });

    for (int i = 1; i <= 144; ++i) {
        const int left = 480 + 240 * ((i - 1) % 12);
        const int top = 960 + 360 * ((i - 1) / 12);
        const QString name = QStringLiteral("Label1(%1)").arg(i);
        cells[size_t(i)] = label(surface, name, {left, top, 255, 255});
        platform::setBackColor(cells[size_t(i)], 0xFFC0C0);
        connect(cells[size_t(i)], &platform::Label::clicked, this, [this, name] {
            log.append(QStringLiteral("click ") + name);
            platform::playSound(QStringLiteral("ding"));
        });
        connect(cells[size_t(i)], &platform::Label::doubleClicked, this,
                [this, name] { log.append(QStringLiteral("double ") + name); });
        connect(cells[size_t(i)], &platform::Label::mouseMoved, this, [this, name](QPoint pixels) {
            log.append(QStringLiteral("move %1 %2,%3").arg(name).arg(pixels.x()).arg(pixels.y()));
        });
    }

    frame = new QGroupBox(QStringLiteral("Palabras a encontrar"), surface);
    frame->setObjectName(QStringLiteral("Frame1"));
    platform::setKind(frame, platform::Kind::Frame);
    platform::place(frame, 4080, 1080, 2175, 4215);
    platform::setForeColor(frame, 0x0080FF);
    inFrame = label(frame, QStringLiteral("resultado(0)"), {240, 360, 300, 210});
    connect(inFrame, &platform::Label::clicked, this,
            [this] { log.append(QStringLiteral("click resultado(0)")); });

    nombre = new QLineEdit(surface);
    nombre->setObjectName(QStringLiteral("nombre"));
    platform::setKind(nombre, platform::Kind::TextBox);
    platform::place(nombre, 487, 5400, 1500, 285);
    connect(nombre, &QLineEdit::returnPressed, this,
            [this] { log.append(QStringLiteral("enter ") + nombre->text()); });

    QMenu* jugar = menuBar()->addMenu(QStringLiteral("&Jugar"));
    jugar->setObjectName(QStringLiteral("jugar_menu"));
    jugar->menuAction()->setObjectName(QStringLiteral("jugar"));
    nuevoMenu = jugar->addMenu(QStringLiteral("Nueva partida"));
    nuevoMenu->setObjectName(QStringLiteral("nuevo_menu"));
    nuevo = nuevoMenu->menuAction();
    nuevo->setObjectName(QStringLiteral("nuevo"));
    tradicional = nuevoMenu->addAction(QStringLiteral("Tradicional"));
    tradicional->setObjectName(QStringLiteral("tradicional"));
    jugar->addSeparator()->setObjectName(QStringLiteral("n"));
    guardame = jugar->addAction(QStringLiteral("&Guardar"));
    guardame->setObjectName(QStringLiteral("guardame"));
    aviso = jugar->addAction(QStringLiteral("Aviso"));
    aviso->setObjectName(QStringLiteral("aviso"));
    for (QMenu* menu : {jugar, nuevoMenu}) {
        connect(menu, &QMenu::aboutToShow, this,
                [this, menu] { log.append(QStringLiteral("show ") + menu->objectName()); });
    }
    connect(tradicional, &QAction::triggered, this,
            [this] { log.append(QStringLiteral("menu tradicional")); });
    connect(guardame, &QAction::triggered, this, [this] {
        log.append(QStringLiteral("menu guardame"));
        platform::defaultHandler().open(QStringLiteral("mailto:autor@example.org"));
    });
    connect(aviso, &QAction::triggered, this, [this] {
        platform::showMessage(this, QStringLiteral("Quenza"), QStringLiteral("Hola"),
                              [this] { log.append(QStringLiteral("aviso cerrado")); });
    });

    // Switched on in the order A, B: due together, they fire in that order.
    timerC = new platform::Timer(QStringLiteral("tcomodin3"), 400, true, this);
    timerA = new platform::Timer(QStringLiteral("Timer1"), 1000, true, this);
    timerB = new platform::Timer(QStringLiteral("segundos60"), 1000, true, this);
    for (platform::Timer* timer : {timerA, timerB, timerC}) {
        connect(timer, &platform::Timer::fired, this, [this, timer] {
            log.append(timer->objectName());
            // Whatever a handler posts runs before the next timer fires.
            QMetaObject::invokeMethod(
                this, [this, timer] { log.append(QStringLiteral("after ") + timer->objectName()); },
                Qt::QueuedConnection);
        });
    }
}

QJsonObject FakeForm::fields() const {
    QJsonArray libre{QJsonValue()};
    for (int i = 1; i <= 144; ++i) {
        libre.append(i % 2 == 0);
    }
    return {{QStringLiteral("num_palabras"), 6},
            {QStringLiteral("visor"), false},
            {QStringLiteral("vacio"), QJsonValue()},
            {QStringLiteral("direccion_seleccion"), QStringLiteral("ninguna")},
            {QStringLiteral("celda_libre"), libre}};
}

void FakeForm::closeEvent(QCloseEvent* event) {
    event->accept();
    platform::endProgram(QStringLiteral("Adiós"));
}

void FakeForm::keyPressEvent(QKeyEvent* event) {
    log.append(QStringLiteral("key ") + event->text());
}

FakeDialog::FakeDialog() {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Resultado"));
    platform::place(this, 300, 800, 4000, 3000);
}

} // namespace quenza::driver::test
