#pragma once

#include <QColor>
#include <QDeadlineTimer>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

// What the real-display test plays the game with: quenza-driver run
// interactively, the command-line X clients, and the grid's cells.
namespace quenza::display {

// quenza-driver played interactively: one command in, one JSON answer out.
class DriverProcess {
public:
    // Empty when the driver runs, otherwise why it does not.
    QString start(const QString& program, const QStringList& arguments,
                  const QProcessEnvironment& environment);

    // The answer to one command; a driver that does not answer in time, or
    // has gone, gives an answer with "ok": false saying so.
    QJsonObject send(const QString& command);
    // The value a `get` answers; undefined when the command failed.
    QJsonValue get(const QString& path);
    // Quits the driver and answers its exit status (-1 if it would not end).
    int quit();
    QString errorOutput();

private:
    QProcess process_;
    QByteArray errors_;
};

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

inline constexpr int kColumns = 12;
inline constexpr int kCells = 144;

QString cellName(int cell);

// A hidden word as the game's word slots hold it: its cells, and the ends a
// player reads it from and to.
struct PlacedWord {
    QList<int> cells;
    int first = 0;
    int last = 0;
};
std::optional<PlacedWord> placedWord(const QJsonArray& slot);

// A control's twips from the dump, and the pixels they cover at 100 %.
QRect twipsOf(const QJsonObject& control);
QRect pixelsOf(const QJsonObject& control);

// The grid cell whose centre is the centre of `twips`; 0 when none is.
int cellCentredOn(const QJsonObject& controls, const QRect& twips);

// The arrow keys that walk the grid cursor from one cell to another, when no
// found word's hidden letters lie in between.
QStringList arrowsBetween(int from, int to);

// A "0xBBGGRR" colour.
QColor colourOf(const QString& text);
// The colour of most of the area's pixels: a cell's background, whatever
// part of it the letter covers.
QColor mostCommonColour(const QImage& image, const QRect& area);

} // namespace quenza::display
