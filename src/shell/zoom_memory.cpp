#include "zoom_memory.h"

#include "application.h"
#include "puzzle/zoom_steps.h"

#include <QSettings>

namespace quenza {

namespace {
const QString kZoomKey = QStringLiteral("zoom");
} // namespace

int startingZoom(const QSettings& settings, std::optional<int> asked) {
    if (asked) {
        return *asked;
    }
    // A value edited by hand into something the keys cannot reach is ignored.
    const std::optional<int> kept = parseZoom(settings.value(kZoomKey).toString().toStdString());
    return kept.value_or(kNormalZoom);
}

void rememberZoomChoices(Application& game, QSettings& settings) {
    QObject::connect(&game, &Application::zoomChosen, &game, [&settings](int percent) {
        settings.setValue(kZoomKey, percent);
        settings.sync();
    });
}

} // namespace quenza
