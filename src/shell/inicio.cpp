#include "inicio.h"

#include "artwork/artwork.h"
#include "platform/accessible.h"
#include "platform/controls.h"
#include "platform/look.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "version.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace quenza {

namespace {

// A frame that takes clicks on its free area; the controls inside it keep
// their own clicks, so a click on the name or the logo does nothing.
class ClickFrame final : public QGroupBox {
public:
    explicit ClickFrame(QWidget* parent, std::function<void()> onClick)
        : QGroupBox(parent), onClick_(std::move(onClick)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        pressed_ = event->button() == Qt::LeftButton;
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        const bool click = pressed_ && event->button() == Qt::LeftButton &&
                           rect().contains(event->position().toPoint());
        pressed_ = false;
        event->accept();
        if (click) {
            onClick_();
        }
    }

private:
    std::function<void()> onClick_;
    bool pressed_ = false;
};

} // namespace

Inicio::Inicio(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Inicio"));
    setWindowTitle(QStringLiteral("Quenza"));
    setWindowFlag(Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);
    platform::place(this, 0, 0, 6600, 4200);

    auto* frame = new ClickFrame(this, [this] { leaveSplash(); });
    frame->setObjectName(QStringLiteral("Frame1"));
    platform::setKind(frame, platform::Kind::Frame);
    platform::place(frame, 150, 60, 6300, 3990);

    auto* logo = platform::makePicture(frame, QStringLiteral("imgLogo"), {360, 480, 2400, 2400});
    logo->setPixmap(quenzaLogo(QSize(160, 160)));
    platform::setKind(logo, platform::Kind::Image);
    platform::setPictureId(logo, QStringLiteral("logo"));

    auto* name = platform::makeLabel(frame, QStringLiteral("lblProductName"),
                                     QStringLiteral("Quenza"), {3000, 1080, 3000, 900});
    platform::setControlFont(name, QStringLiteral("Arial"), 32, true);
    platform::setForeColor(name, 0x804000);

    auto* version = platform::makeLabel(frame, QStringLiteral("lblVersion"),
                                        QStringLiteral("Versión"), {3000, 2160, 3000, 360});
    platform::setControlFont(version, QStringLiteral("Arial"), 12, true);
    version->setText(QStringLiteral("Versión %1.%2.%3")
                         .arg(kVersionMajor)
                         .arg(kVersionMinor)
                         .arg(kVersionRevision));
    for (QLabel* label : {static_cast<QLabel*>(name), static_cast<QLabel*>(version)}) {
        platform::setAlignment(label, QStringLiteral("left"));
    }

    platform::describeControl(
        this, QStringLiteral("Pantalla de inicio: pulse una tecla o haga clic para empezar"));
    platform::setAccessibleText(frame, QStringLiteral("Quenza"),
                                QStringLiteral("Haga clic para empezar"));
    platform::setAccessibleText(logo, QStringLiteral("Logotipo de Quenza"),
                                QStringLiteral("Imagen del juego"));
    platform::describeControl(name, QStringLiteral("Nombre del juego"));
    platform::describeControl(version, QStringLiteral("Versión del juego"));
}

void Inicio::keyPressEvent(QKeyEvent* event) {
    if (!event->text().isEmpty()) {
        leaveSplash();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Inicio::leaveSplash() {
    if (done_) {
        return;
    }
    done_ = true;
    close();
    deleteLater();
    Q_EMIT continued();
}

} // namespace quenza
