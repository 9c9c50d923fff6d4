#include "driver/quiet_notes.h"

#include <QString>
#include <QtGlobal>

namespace quenza::driver {

namespace {

QtMessageHandler standardHandler = nullptr;

void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && (text.startsWith(u"This plugin does not support") ||
                                 text.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set"))) {
        return;
    }
    standardHandler(type, context, text);
}

} // namespace

void quietenOffscreenNotes() {
    standardHandler = qInstallMessageHandler(quietOffscreenNotes);
}

} // namespace quenza::driver
