#pragma once

#include <QImage>
#include <QPoint>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <optional>

namespace quenza::display {

// The command-line X clients the test works the screen with: xdotool for the
// pointer and for finding windows, xwininfo for where a window is, and
// ImageMagick's import for screenshots. Each call waits for the tool to end.
class XTools {
public:
    explicit XTools(const QString& display);

    // Names of the tools that are not installed.
    static QStringList missing();
    const QProcessEnvironment& environment() const { return environment_; }

    // The client area's top-left corner on the screen of the shown window
    // whose title is exactly `title`; nullopt while there is none.
    std::optional<QPoint> clientOrigin(const QString& title);
    // The title of the window holding the X input focus, which is where keys
    // go; empty when that is no window of a client (the root, or the window
    // manager's own).
    QString focusedWindowTitle();
    bool movePointer(const QPoint& screen);
    bool clickLeftButton();
    // The whole screen; a null image when it could not be taken.
    QImage screenshot();

    // What went wrong in the last call that failed.
    const QString& problem() const { return problem_; }

private:
    std::optional<QByteArray> run(const QString& tool, const QStringList& arguments);

    QProcessEnvironment environment_;
    QString problem_;
};

} // namespace quenza::display
