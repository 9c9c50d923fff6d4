#include "x_tools.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace quenza::display {

namespace {

constexpr int kToolMs = 30000;

const QString kPointer = QStringLiteral("xdotool");
const QString kWindowInfo = QStringLiteral("xwininfo");
const QString kScreenshot = QStringLiteral("import");

std::optional<int> numberAfter(const QString& text, const QString& label) {
    const QRegularExpression pattern(QRegularExpression::escape(label) +
                                     QStringLiteral(":\\s*(-?\\d+)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return match.captured(1).toInt();
}

} // namespace

XTools::XTools(const QString& display) : environment_(QProcessEnvironment::systemEnvironment()) {
    environment_.insert(QStringLiteral("DISPLAY"), display);
}

QStringList XTools::missing() {
    QStringList absent;
    for (const QString& tool : {kPointer, kWindowInfo, kScreenshot}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            absent.append(tool);
        }
    }
    return absent;
}

std::optional<QByteArray> XTools::run(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(environment_);
    process.start(tool, arguments);
    if (!process.waitForFinished(kToolMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        problem_ = QStringLiteral("%1 %2 failed: %3 %4")
                       .arg(tool, arguments.join(u' '), process.errorString(),
                            QString::fromLocal8Bit(process.readAllStandardError()));
        process.kill();
        process.waitForFinished(kToolMs);
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

QString XTools::focusedWindowTitle() {
    const std::optional<QByteArray> title =
        run(kPointer, {QStringLiteral("getwindowfocus"), QStringLiteral("getwindowname")});
    return title ? QString::fromUtf8(title->trimmed()) : QString();
}

std::optional<QPoint> XTools::clientOrigin(const QString& title) {
    // xdotool answers "no window" with a failure, which here only means "not yet".
    const std::optional<QByteArray> found =
        run(kPointer,
            {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
             QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$')});
    if (!found) {
        return std::nullopt;
    }
    const QList<QByteArray> windows = found->trimmed().split('\n');
    if (windows.size() != 1) {
        problem_ = QStringLiteral("%1 windows are called %2").arg(windows.size()).arg(title);
        return std::nullopt;
    }
    // xwininfo, not xdotool's geometry: under a reparenting window manager
    // xdotool counts the client's offset inside the frame once too often.
    const std::optional<QByteArray> info =
        run(kWindowInfo, {QStringLiteral("-id"), QString::fromLatin1(windows.first())});
    if (!info) {
        return std::nullopt;
    }
    const QString text = QString::fromLocal8Bit(*info);
    const std::optional<int> x = numberAfter(text, QStringLiteral("Absolute upper-left X"));
    const std::optional<int> y = numberAfter(text, QStringLiteral("Absolute upper-left Y"));
    if (!x || !y) {
        problem_ = QStringLiteral("xwininfo gave no position: ") + text;
        return std::nullopt;
    }
    return QPoint(*x, *y);
}

bool XTools::movePointer(const QPoint& screen) {
    return run(kPointer, {QStringLiteral("mousemove"), QStringLiteral("--sync"),
                          QString::number(screen.x()), QString::number(screen.y())})
        .has_value();
}

bool XTools::clickLeftButton() {
    return run(kPointer, {QStringLiteral("click"), QStringLiteral("1")}).has_value();
}

QImage XTools::screenshot() {
    const std::optional<QByteArray> png =
        run(kScreenshot, {QStringLiteral("-silent"), QStringLiteral("-window"),
                          QStringLiteral("root"), QStringLiteral("png:-")});
    if (!png) {
        return {};
    }
    QImage image = QImage::fromData(*png, "PNG");
    if (image.isNull()) {
        problem_ = QStringLiteral("import gave no PNG image");
    }
    return image;
}

} // namespace quenza::display
