#include "desktop_check.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace quenza::app {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler passOn = nullptr;

std::vector<HeldMessage>& held() {
    static std::vector<HeldMessage> messages;
    return messages;
}

void holdWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt gives up only when no platform of its list could start.
        std::fputs("quenza: el juego necesita un escritorio gráfico y no ha encontrado ninguno.\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(kNoDesktop);
    }
    held().push_back({type, QByteArray(context.category), text});
}

} // namespace

DesktopCheck::DesktopCheck() {
    passOn = qInstallMessageHandler(holdWhileStarting);
}

DesktopCheck::~DesktopCheck() {
    qInstallMessageHandler(passOn);
    for (const HeldMessage& message : held()) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    held().clear();
}

} // namespace quenza::app
