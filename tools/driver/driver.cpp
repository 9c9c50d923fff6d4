#include "driver/driver.h"

#include "driver/answer.h"
#include "driver/command_words.h"
#include "driver/comparison.h"
#include "driver/dump.h"
#include "driver/event_pump.h"
#include "driver/json_path.h"
#include "driver/object_tree.h"
#include "driver/run_services.h"
#include "driver/window_picture.h"
#include "driver/word_ends.h"
#include "platform/clock.h"
#include "platform/inspect.h"
#include "platform/sound.h"
#include "platform/system.h"
#include "platform/zoom.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <algorithm>
#include <array>
#include <utility>

namespace quenza::driver {

namespace {

// Values shown in a failed expectation are cut to stay readable.
constexpr qsizetype kShownValueLength = 300;

QString shown(const QJsonValue& value) {
    QString text = QString::fromUtf8(compactJson(value));
    if (text.size() > kShownValueLength) {
        text = text.left(kShownValueLength) + QStringLiteral("...");
    }
    return text;
}

QString usage(const QString& command) {
    static const QHash<QString, QString> forms = {
        {QStringLiteral("move"), QStringLiteral("move W.C [X Y] or move W X Y")},
        {QStringLiteral("click"), QStringLiteral("click W.C [X Y]")},
        {QStringLiteral("dblclick"), QStringLiteral("dblclick W.C [X Y]")},
        {QStringLiteral("press"), QStringLiteral("press W.C")},
        {QStringLiteral("release"), QStringLiteral("release W.C")},
        {QStringLiteral("key"), QStringLiteral("key W[.C] \"TEXT\"")},
        {QStringLiteral("keys"), QStringLiteral("keys W KEY...")},
        {QStringLiteral("text"), QStringLiteral("text W.C \"TEXT\"")},
        {QStringLiteral("menu"), QStringLiteral("menu W.ENTRY")},
        {QStringLiteral("close"), QStringLiteral("close W")},
        {QStringLiteral("wait"), QStringLiteral("wait MS")},
        {QStringLiteral("clickword"), QStringLiteral("clickword N... [reverse]")},
        {QStringLiteral("dump"), QStringLiteral("dump [W]")},
        {QStringLiteral("get"), QStringLiteral("get PATH")},
        {QStringLiteral("expect"), QStringLiteral("expect PATH OP VALUE")},
        {QStringLiteral("shot"), QStringLiteral("shot W FILE.png [ZOOM]")},
    };
    return QStringLiteral("usage: ") + forms.value(command, command);
}

bool allBare(const Words& args) {
    return std::none_of(args.words.begin(), args.words.end(),
                        [](const Word& word) { return word.quoted; });
}

} // namespace

Driver::Driver(RunServices& services, std::function<void()> start)
    : services_(services), start_(std::move(start)) {}

QJsonObject Driver::run(const QString& line) {
    ++line_;
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(u'#')) {
        return {};
    }
    const bool endedBefore = services_.ended();
    if (endedBefore && splitHead(trimmed, 1).words.value(0) != u"quit") {
        return failureAnswer(line_, QStringLiteral("the program has ended"));
    }
    const Outcome outcome = execute(trimmed);
    processUntilIdle();
    if (!endedBefore && services_.ended()) {
        return endedAnswer(services_.endMessage());
    }
    if (!outcome.error.isEmpty()) {
        return failureAnswer(line_, outcome.error);
    }
    return outcome.value.isUndefined() ? okAnswer() : valueAnswer(outcome.value);
}

Driver::Outcome Driver::execute(const QString& line) {
    const QString command = splitHead(line, 1).words.value(0);
    if (command == u"expect") {
        return expect(line);
    }
    Words all = splitWords(line);
    if (!all.error.isEmpty()) {
        return {all.error};
    }
    Words args{all.words.mid(1), {}};
    const auto noArguments = [&](Outcome (Driver::*run)()) -> Outcome {
        if (!args.words.isEmpty()) {
            return {QStringLiteral("%1 takes no arguments").arg(command)};
        }
        return (this->*run)();
    };
    if (command == u"start") {
        return noArguments(&Driver::start);
    }
    if (command == u"move" || command == u"click" || command == u"dblclick" ||
        command == u"press" || command == u"release" || command == u"menu" || command == u"close") {
        return pointer(command, args);
    }
    if (command == u"key") {
        return keys(args);
    }
    if (command == u"keys") {
        return namedKeys(args);
    }
    if (command == u"text") {
        return replaceText(args);
    }
    if (command == u"wait") {
        return wait(args);
    }
    if (command == u"clickword") {
        return clickWord(args);
    }
    if (command == u"dump") {
        return dump(args);
    }
    if (command == u"get") {
        return get(args);
    }
    if (command == u"shot") {
        return shot(args);
    }
    if (command == u"sounds") {
        return noArguments(&Driver::sounds);
    }
    if (command == u"opened") {
        return noArguments(&Driver::opened);
    }
    if (command == u"quit") {
        quit_ = true;
        return {};
    }
    return {QStringLiteral("unknown command %1").arg(command)};
}

Driver::Outcome Driver::start() {
    if (started_) {
        return {QStringLiteral("the program is already running")};
    }
    started_ = true;
    start_();
    return {};
}

Driver::Outcome Driver::pointer(const QString& command, const Words& args) {
    const bool takesPosition = command == u"move" || command == u"click" || command == u"dblclick";
    const qsizetype count = args.words.size();
    if (!allBare(args) || count == 0 || count == 2 || count > (takesPosition ? 3 : 1)) {
        return {usage(command)};
    }
    const std::optional<Target> target = parseTarget(args.words.at(0).text);
    if (!target) {
        return {QStringLiteral("%1 is not a window or control").arg(args.words.at(0).text)};
    }
    std::optional<QPoint> twips;
    if (count == 3) {
        const std::optional<qint64> x = parseInteger(args.words.at(1).text);
        const std::optional<qint64> y = parseInteger(args.words.at(2).text);
        if (!x || !y) {
            return {usage(command)};
        }
        twips = QPoint(int(*x), int(*y));
    }
    if (command == u"move") {
        return {input_.move(*target, twips)};
    }
    if (command == u"click") {
        return {input_.click(*target, twips)};
    }
    if (command == u"dblclick") {
        return {input_.doubleClick(*target, twips)};
    }
    if (command == u"press") {
        return {input_.press(*target)};
    }
    if (command == u"release") {
        return {input_.release(*target)};
    }
    if (command == u"menu") {
        return {input_.chooseMenu(*target)};
    }
    return {input_.close(*target)};
}

Driver::Outcome Driver::keys(const Words& args) {
    if (args.words.size() != 2 || args.words.at(0).quoted) {
        return {usage(QStringLiteral("key"))};
    }
    const std::optional<Target> target = parseTarget(args.words.at(0).text);
    if (!target) {
        return {QStringLiteral("%1 is not a window or control").arg(args.words.at(0).text)};
    }
    return {input_.key(*target, args.words.at(1).text)};
}

Driver::Outcome Driver::namedKeys(const Words& args) {
    if (args.words.size() < 2 || !allBare(args)) {
        return {usage(QStringLiteral("keys"))};
    }
    const std::optional<Target> target = parseTarget(args.words.at(0).text);
    if (!target) {
        return {QStringLiteral("%1 is not a window").arg(args.words.at(0).text)};
    }
    // Every name is checked before the first key goes down.
    QList<QKeyCombination> pressed;
    for (const Word& name : args.words.mid(1)) {
        const std::optional<QKeyCombination> key = parseKeyName(name.text);
        if (!key) {
            return {QStringLiteral("%1 is not a key name").arg(name.text)};
        }
        pressed.append(*key);
    }
    return {input_.keys(*target, pressed)};
}

Driver::Outcome Driver::replaceText(const Words& args) {
    if (args.words.size() != 2 || args.words.at(0).quoted) {
        return {usage(QStringLiteral("text"))};
    }
    const std::optional<Target> target = parseTarget(args.words.at(0).text);
    if (!target) {
        return {QStringLiteral("%1 is not a control").arg(args.words.at(0).text)};
    }
    return {input_.replaceText(*target, args.words.at(1).text)};
}

Driver::Outcome Driver::wait(const Words& args) {
    const std::optional<qint64> ms = args.words.size() == 1 && allBare(args)
                                         ? parseInteger(args.words.at(0).text)
                                         : std::nullopt;
    if (!ms || *ms < 0) {
        return {usage(QStringLiteral("wait"))};
    }
    services_.clock().advance(*ms, [] { processUntilIdle(); });
    return {};
}

Driver::Outcome Driver::clickWord(const Words& args) {
    const bool reverse = !args.words.isEmpty() && args.words.last().text == u"reverse";
    QList<qint64> wordSlots;
    for (qsizetype k = 0; k < args.words.size() - (reverse ? 1 : 0); ++k) {
        const std::optional<qint64> slot = parseInteger(args.words.at(k).text);
        if (!slot) {
            return {usage(QStringLiteral("clickword"))};
        }
        wordSlots.append(*slot);
    }
    if (wordSlots.isEmpty() || !allBare(args)) {
        return {usage(QStringLiteral("clickword"))};
    }
    for (const qint64 slot : wordSlots) {
        const WordEnds ends = wordEnds(
            platform::processState().value(QStringLiteral("celdas_palabra")).toArray(), slot);
        if (!ends.error.isEmpty()) {
            return {ends.error};
        }
        for (const int cell :
             reverse ? std::array{ends.last, ends.first} : std::array{ends.first, ends.last}) {
            const Target target{QStringLiteral("Form1"), QStringLiteral("Label1(%1)").arg(cell)};
            if (QString refused = input_.click(target, std::nullopt); !refused.isEmpty()) {
                return {refused};
            }
            if (services_.ended()) {
                return {};
            }
        }
    }
    return {};
}

Driver::Outcome Driver::dump(const Words& args) {
    if (args.words.isEmpty()) {
        return {{}, dumpAll()};
    }
    if (args.words.size() > 1 || !allBare(args)) {
        return {usage(QStringLiteral("dump"))};
    }
    const QString name = args.words.at(0).text;
    if (!windowNames().contains(name)) {
        return {QStringLiteral("there is no window %1").arg(name)};
    }
    return {{}, dumpWindow(name)};
}

Driver::Outcome Driver::get(const Words& args) {
    if (args.words.size() != 1 || !allBare(args)) {
        return {usage(QStringLiteral("get"))};
    }
    return valueAt(args.words.at(0).text);
}

Driver::Outcome Driver::expect(const QString& line) {
    const Head head = splitHead(line, 3);
    if (head.words.size() != 3 || head.rest.isEmpty()) {
        return {usage(QStringLiteral("expect"))};
    }
    const QString& path = head.words.at(1);
    const std::optional<Op> op = parseOp(head.words.at(2));
    if (!op) {
        return {
            QStringLiteral("%1 is not an operator (=, !=, <, <=, >, >=, ~)").arg(head.words.at(2))};
    }
    QJsonParseError parseError;
    const QJsonDocument literal =
        QJsonDocument::fromJson((u'[' + head.rest + u']').toUtf8(), &parseError);
    if (parseError.error != QJsonParseError::NoError || literal.array().size() != 1) {
        return {QStringLiteral("%1 is not one JSON value").arg(head.rest)};
    }
    const QJsonValue expected = literal.array().at(0);
    const Outcome actual = valueAt(path);
    if (!actual.error.isEmpty()) {
        return actual;
    }
    const Verdict verdict = compare(actual.value, *op, expected);
    if (!verdict.error.isEmpty()) {
        return {QStringLiteral("%1: %2").arg(path, verdict.error)};
    }
    if (!verdict.holds) {
        return {QStringLiteral("%1 is %2, expected %3 %4")
                    .arg(path, shown(actual.value), opText(*op), shown(expected))};
    }
    return {};
}

Driver::Outcome Driver::shot(const Words& args) {
    const qsizetype count = args.words.size();
    const std::optional<qint64> zoom =
        count == 3 ? parseInteger(args.words.at(2).text) : std::nullopt;
    if (count < 2 || count > 3 || args.words.at(0).quoted || (count == 3 && !zoom)) {
        return {usage(QStringLiteral("shot"))};
    }
    const WindowPicture picture =
        saveWindowPicture(args.words.at(0).text, args.words.at(1).text, zoom);
    // A failure's answer carries no value.
    return {picture.error, picture.size};
}

Driver::Outcome Driver::sounds() {
    QJsonArray played;
    for (const auto& sound : services_.sounds().take()) {
        played.append(QJsonObject{{QStringLiteral("name"), sound.name},
                                  {QStringLiteral("time"), sound.timeMs}});
    }
    return {{}, played};
}

Driver::Outcome Driver::opened() {
    return {{}, QJsonArray::fromStringList(services_.opened().opened)};
}

Driver::Outcome Driver::valueAt(const QString& text) const {
    const Path path = parsePath(text);
    if (!path.error.isEmpty()) {
        return {path.error};
    }
    const PathStep& first = path.steps.first();
    const bool plainName = first.indices.isEmpty();
    Lookup found;
    if (plainName && first.name == u"state") {
        found = follow(platform::processState(), first.name, path.steps, 1);
    } else if (plainName && path.steps.size() == 1 && first.name == u"time") {
        found.value = platform::clock().nowMs();
    } else if (plainName && path.steps.size() == 1 && first.name == u"date") {
        found.value = platform::today().toString(Qt::ISODate);
    } else if (plainName && path.steps.size() == 1 && first.name == u"active") {
        found.value = activeWindowName();
    } else if (plainName && path.steps.size() == 1 && first.name == u"focus") {
        found.value = focusName();
    } else if (plainName && path.steps.size() == 1 && first.name == u"zoom") {
        found.value = platform::zoomPercent();
    } else if (plainName && windowNames().contains(first.name)) {
        found = followInWindow(dumpWindow(first.name), first.name, path.steps, 1);
    } else {
        found.error = QStringLiteral("there is no window or value %1").arg(first.text());
    }
    if (!found.error.isEmpty()) {
        return {found.error};
    }
    return {{}, found.value};
}

} // namespace quenza::driver
