#include "x_game.h"

#include <QHash>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>

namespace quenza::display {

namespace {

// Generous: an AddressSanitizer build on a busy machine answers slowly.
constexpr int kAnswerMs = 60000;

QJsonObject failure(const QString& why) {
    return {{QStringLiteral("ok"), false}, {QStringLiteral("error"), why}};
}

constexpr int kToolMs = 30000;

const QString kPointer = QStringLiteral("xdotool");
const QString kWindowInfo = QStringLiteral("xwininfo");
const QString kScreenshot = QStringLiteral("import");

constexpr int kTwipsPerPixel = 15;
constexpr qsizetype kDirectionEntry = 10;

int pixels(int twips) {
    return qRound(double(twips) / kTwipsPerPixel);
}

} // namespace

QString DriverProcess::start(const QString& program, const QStringList& arguments,
                             const QProcessEnvironment& environment) {
    process_.setProcessEnvironment(environment);
    process_.start(program, arguments);
    if (!process_.waitForStarted(kAnswerMs)) {
        return QStringLiteral("%1 did not start: %2").arg(program, process_.errorString());
    }
    return {};
}

QJsonObject DriverProcess::send(const QString& command) {
    if (process_.state() != QProcess::Running) {
        return failure(QStringLiteral("the driver is not running (%1)").arg(command));
    }
    process_.write(command.toUtf8() + '\n');
    const QDeadlineTimer deadline(kAnswerMs);
    while (!process_.canReadLine()) {
        if (deadline.hasExpired() || process_.state() != QProcess::Running) {
            return failure(QStringLiteral("no answer to \"%1\"; driver errors: %2")
                               .arg(command, errorOutput()));
        }
        process_.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    }
    const QByteArray line = process_.readLine().trimmed();
    QJsonParseError parseError;
    const QJsonDocument answer = QJsonDocument::fromJson(line, &parseError);
    if (parseError.error != QJsonParseError::NoError || !answer.isObject()) {
        return failure(
            QStringLiteral("\"%1\" was answered with %2").arg(command, QString::fromUtf8(line)));
    }
    return answer.object();
}

QJsonValue DriverProcess::get(const QString& path) {
    const QJsonObject answer = send(QStringLiteral("get ") + path);
    return answer.value(QStringLiteral("ok")).toBool() ? answer.value(QStringLiteral("value"))
                                                       : QJsonValue(QJsonValue::Undefined);
}

int DriverProcess::quit() {
    send(QStringLiteral("quit"));
    process_.closeWriteChannel();
    if (!process_.waitForFinished(kAnswerMs)) {
        return -1;
    }
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

QString DriverProcess::errorOutput() {
    errors_ += process_.readAllStandardError();
    return QString::fromUtf8(errors_);
}

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
    static const QRegularExpression corner(
        QStringLiteral("Absolute upper-left X:\\s*(-?\\d+)\\s*Absolute upper-left Y:\\s*(-?\\d+)"));
    const QRegularExpressionMatch match = corner.match(text);
    if (!match.hasMatch()) {
        problem_ = QStringLiteral("xwininfo gave no position: ") + text;
        return std::nullopt;
    }
    return QPoint(match.captured(1).toInt(), match.captured(2).toInt());
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

QString cellName(int cell) {
    return QStringLiteral("Label1(%1)").arg(cell);
}

std::optional<PlacedWord> placedWord(const QJsonArray& slot) {
    if (slot.size() <= kDirectionEntry) {
        return std::nullopt;
    }
    PlacedWord word;
    for (qsizetype entry = 0; entry < kDirectionEntry; ++entry) {
        if (const int cell = slot.at(entry).toInt(); cell != 0) {
            word.cells.append(cell);
        }
    }
    const int direction = slot.at(kDirectionEntry).toInt();
    if (word.cells.isEmpty() || direction < 1 || direction > 8) {
        return std::nullopt;
    }
    const auto [lowest, highest] = std::minmax_element(word.cells.begin(), word.cells.end());
    // Odd directions read in ascending cell order, even ones backwards.
    const bool forward = direction % 2 == 1;
    word.first = forward ? *lowest : *highest;
    word.last = forward ? *highest : *lowest;
    return word;
}

QRect twipsOf(const QJsonObject& control) {
    return {control.value(QStringLiteral("left")).toInt(),
            control.value(QStringLiteral("top")).toInt(),
            control.value(QStringLiteral("width")).toInt(),
            control.value(QStringLiteral("height")).toInt()};
}

QRect pixelsOf(const QJsonObject& control) {
    const QRect twips = twipsOf(control);
    return {pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())};
}

int cellCentredOn(const QJsonObject& controls, const QRect& twips) {
    for (int cell = 1; cell <= kCells; ++cell) {
        const QRect box = twipsOf(controls.value(cellName(cell)).toObject());
        if (!box.isEmpty() && box.center() == twips.center()) {
            return cell;
        }
    }
    return 0;
}

QStringList arrowsBetween(int from, int to) {
    QStringList keys;
    const int down = (to - 1) / kColumns - (from - 1) / kColumns;
    const int right = (to - 1) % kColumns - (from - 1) % kColumns;
    for (int step = 0; step < std::abs(down); ++step) {
        keys.append(down > 0 ? QStringLiteral("Down") : QStringLiteral("Up"));
    }
    for (int step = 0; step < std::abs(right); ++step) {
        keys.append(right > 0 ? QStringLiteral("Right") : QStringLiteral("Left"));
    }
    return keys;
}

QColor colourOf(const QString& text) {
    bool ok = false;
    const uint bgr = text.mid(2).toUInt(&ok, 16);
    if (!text.startsWith(u"0x") || !ok) {
        return {};
    }
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QColor mostCommonColour(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            ++counts[image.pixel(x, y) | 0xFF000000u];
        }
    }
    QRgb common = 0;
    int most = 0;
    for (auto count = counts.cbegin(); count != counts.cend(); ++count) {
        if (count.value() > most) {
            most = count.value();
            common = count.key();
        }
    }
    return most == 0 ? QColor() : QColor::fromRgb(common);
}

} // namespace quenza::display
