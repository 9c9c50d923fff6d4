// The driver's own pieces that need no window: splitting command lines,
// naming targets, value paths, the expect operators and the answer lines.
#include "driver/answer.h"
#include "driver/command_words.h"
#include "driver/comparison.h"
#include "driver/dump.h"
#include "driver/json_path.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

using namespace quenza::driver;
using namespace Qt::StringLiterals;

namespace {

QJsonValue json(const QString& literal) {
    return QJsonDocument::fromJson((u'[' + literal + u']').toUtf8()).array().at(0);
}

} // namespace

class CommandPartsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void splitsWordsAndDecodesQuotes_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QList<bool>>("quoted");
        QTest::newRow("bare") << QStringLiteral("  click  Form1.Label1(3)\t10 20 ")
                              << QStringList{u"click"_s, u"Form1.Label1(3)"_s, u"10"_s, u"20"_s}
                              << QList<bool>{false, false, false, false};
        QTest::newRow("spaces inside quotes")
            << QStringLiteral("key Inicio \"a  b\"")
            << QStringList{u"key"_s, u"Inicio"_s, u"a  b"_s} << QList<bool>{false, false, true};
        QTest::newRow("escapes") << QStringLiteral("text W.C \"x\\ny\\\"z\\\\w\\tñ\"")
                                 << QStringList{u"text"_s, u"W.C"_s, u"x\ny\"z\\w\tñ"_s}
                                 << QList<bool>{false, false, true};
        QTest::newRow("empty quotes")
            << QStringLiteral("text W.C \"\"") << QStringList{u"text"_s, u"W.C"_s, QString()}
            << QList<bool>{false, false, true};
    }
    void splitsWordsAndDecodesQuotes() {
        QFETCH(QString, line);
        QFETCH(QStringList, words);
        QFETCH(QList<bool>, quoted);
        const Words split = splitWords(line);
        QVERIFY2(split.error.isEmpty(), qPrintable(split.error));
        QStringList texts;
        QList<bool> flags;
        for (const Word& word : split.words) {
            texts.append(word.text);
            flags.append(word.quoted);
        }
        QCOMPARE(texts, words);
        QCOMPARE(flags, quoted);
    }

    void rejectsBrokenQuoting_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("error");
        QTest::newRow("unterminated") << QStringLiteral("key Inicio \"abc")
                                      << QStringLiteral("quoted text without its closing quote");
        QTest::newRow("backslash at the end")
            << QStringLiteral("key Inicio \"abc\\")
            << QStringLiteral("quoted text without its closing quote");
        QTest::newRow("unknown escape") << QStringLiteral("key Inicio \"a\\qb\"")
                                        << QStringLiteral("unknown escape \\q in quoted text");
        QTest::newRow("glued after quote")
            << QStringLiteral("key Inicio \"ab\"cd")
            << QStringLiteral("a space must follow the closing quote");
        QTest::newRow("quote inside a word") << QStringLiteral("key Inicio ab\"cd\"")
                                             << QStringLiteral("a quote inside the word ab\"cd\"");
    }
    void rejectsBrokenQuoting() {
        QFETCH(QString, line);
        QFETCH(QString, error);
        const Words split = splitWords(line);
        QCOMPARE(split.error, error);
        QVERIFY(split.words.isEmpty());
    }

    void keepsTheRestOfAnExpectAsWritten() {
        const Head head = splitHead(QStringLiteral("expect  Form1.x  ~  \"a  \\u00f1\"  "), 3);
        QCOMPARE(head.words, (QStringList{u"expect"_s, u"Form1.x"_s, u"~"_s}));
        QCOMPARE(head.rest, QStringLiteral("\"a  \\u00f1\""));
        QCOMPARE(splitHead(QStringLiteral("expect x"), 3).words.size(), 2);
    }

    void namesWindowsAndControls() {
        const auto window = parseTarget(QStringLiteral("Form1"));
        QVERIFY(window);
        QCOMPARE(window->window, QStringLiteral("Form1"));
        QVERIFY(window->control.isEmpty());
        const auto control = parseTarget(QStringLiteral("Form4.Check1(5)"));
        QVERIFY(control);
        QCOMPARE(control->window, QStringLiteral("Form4"));
        QCOMPARE(control->control, QStringLiteral("Check1(5)"));
        QCOMPARE(control->text(), QStringLiteral("Form4.Check1(5)"));
        for (const char16_t* bad : {u"Form1.", u".Label1", u"Form1.a.b"}) {
            QVERIFY2(!parseTarget(QString::fromUtf16(bad)), qPrintable(QString::fromUtf16(bad)));
        }
    }

    void parsesValuePaths() {
        const Path path = parsePath(QStringLiteral("state.celdas_palabra(2, 10)"));
        QVERIFY(path.error.isEmpty());
        QCOMPARE(path.steps.size(), 2);
        QCOMPARE(path.steps.at(0).name, QStringLiteral("state"));
        QCOMPARE(path.steps.at(1).name, QStringLiteral("celdas_palabra"));
        QCOMPARE(path.steps.at(1).indices, (QList<int>{2, 10}));
        QCOMPARE(path.steps.at(1).text(), QStringLiteral("celdas_palabra(2,10)"));
        for (const char16_t* bad :
             {u"", u"Form1..x", u"Form1.a(", u"Form1.a(x)", u"Form1.a(-1)", u"Form1.a b"}) {
            QVERIFY2(!parsePath(QString::fromUtf16(bad)).error.isEmpty(),
                     qPrintable(QString::fromUtf16(bad)));
        }
    }

    void findsControlsBeforeFieldsInAWindow() {
        const QJsonObject window{
            {u"loaded"_s, true},
            {u"caption"_s, u"Quenza"_s},
            {u"controls"_s, QJsonObject{{u"Label1(2)"_s, QJsonObject{{u"text"_s, u"B"_s}}}}},
            {u"fields"_s, QJsonObject{{u"Label1"_s, QJsonArray{1, 2, 3}},
                                      {u"celda_libre"_s, QJsonArray{QJsonValue(), true}}}}};
        const auto at = [&](const QString& text) {
            return followInWindow(window, u"Form1"_s, parsePath(text).steps, 1);
        };
        QCOMPARE(at(u"Form1.caption"_s).value, QJsonValue(u"Quenza"_s));
        QCOMPARE(at(u"Form1.Label1(2).text"_s).value, QJsonValue(u"B"_s));
        QCOMPARE(at(u"Form1.Label1(1)"_s).value, QJsonValue(2));
        QCOMPARE(at(u"Form1.celda_libre(0)"_s).value, QJsonValue());
        QCOMPARE(at(u"Form1"_s).value, QJsonValue(window));
        QCOMPARE(at(u"Form1.celda_libre(2)"_s).error, u"Form1.celda_libre has no index 2 (0..1)"_s);
        QCOMPARE(at(u"Form1.caption(1)"_s).error, u"Form1.caption is not an array"_s);
        QCOMPARE(at(u"Form1.Label1(2).color"_s).error, u"Form1.Label1(2) has no color"_s);
        QCOMPARE(at(u"Form1.nada"_s).error, u"Form1 has no control or field nada"_s);
        const QJsonObject unloaded{{u"loaded"_s, false}, {u"fields"_s, QJsonObject()}};
        QCOMPARE(followInWindow(unloaded, u"Form3"_s, parsePath(u"Form3.caption"_s).steps, 1).error,
                 u"Form3 is not loaded"_s);
    }

    void comparesAsExpectDoes_data() {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("holds");
        const auto row = [](const char* actual, const char* op, const char* expected, bool holds) {
            QTest::addRow("%s %s %s", actual, op, expected)
                << QString::fromUtf8(actual) << QString::fromUtf8(op) << QString::fromUtf8(expected)
                << holds;
        };
        row("6", "=", "6", true);
        row("6", "=", "6.0", true);
        row("6", "=", "7", false);
        row("6", "=", "\"6\"", false);
        row("6", "!=", "7", true);
        row("6", "!=", "6", false);
        row("6", "<", "7", true);
        row("7", "<", "7", false);
        row("7", "<=", "7", true);
        row("8", "<=", "7", false);
        row("-1", ">", "-2", true);
        row("-2", ">", "-2", false);
        row("-2", ">=", "-2", true);
        row("-3", ">=", "-2", false);
        row("\"Quedan\"", "=", "\"Quedan\"", true);
        row("\"Quedan\"", "=", "\"quedan\"", false);
        row("\"05\"", "<", "\"10\"", true);
        row("\"b\"", ">", "\"a\"", true);
        row("\"b\"", "<=", "\"a\"", false);
        row("\"Quedan 3\"", "~", "\"dan\"", true);
        row("\"Quedan 3\"", "~", "\"Dan\"", false);
        row("[1, 2, 3]", "~", "2", true);
        row("[1, 2, 3]", "~", "4", false);
        row("true", "=", "true", true);
        row("false", "=", "true", false);
        row("false", "!=", "true", true);
        row("null", "=", "null", true);
        row("null", "!=", "null", false);
        row("null", "=", "0", false);
        row("{\"a\": 1}", "=", "{\"a\": 1}", true);
    }
    void comparesAsExpectDoes() {
        QFETCH(QString, actual);
        QFETCH(QString, op);
        QFETCH(QString, expected);
        QFETCH(bool, holds);
        const std::optional<Op> parsed = parseOp(op);
        QVERIFY(parsed);
        QCOMPARE(opText(*parsed), op);
        const Verdict verdict = compare(json(actual), *parsed, json(expected));
        QVERIFY2(verdict.error.isEmpty(), qPrintable(verdict.error));
        QCOMPARE(verdict.holds, holds);
    }

    void refusesComparisonsThatMeanNothing_data() {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("expected");
        QTest::newRow("order of truth values") << u"true"_s << u"<"_s << u"false"_s;
        QTest::newRow("order of null") << u"null"_s << u">="_s << u"0"_s;
        QTest::newRow("number against text") << u"3"_s << u">"_s << u"\"2\""_s;
        QTest::newRow("contains in a number") << u"36"_s << u"~"_s << u"3"_s;
        QTest::newRow("contains a number in text") << u"\"36\""_s << u"~"_s << u"3"_s;
    }
    void refusesComparisonsThatMeanNothing() {
        QFETCH(QString, actual);
        QFETCH(QString, op);
        QFETCH(QString, expected);
        const Verdict verdict = compare(json(actual), *parseOp(op), json(expected));
        QVERIFY(!verdict.error.isEmpty());
        QVERIFY(!verdict.holds);
    }

    void knowsOnlyTheSevenOperators() {
        for (const char16_t* bad : {u"==", u"=>", u"<>", u"contains", u""}) {
            QVERIFY(!parseOp(QString::fromUtf16(bad)));
        }
    }

    void writesAnswersOnOneLineInTheContractOrder() {
        QCOMPARE(answerLine(okAnswer()), QByteArray("{\"ok\":true}"));
        QCOMPARE(answerLine(failureAnswer(3, u"Form1 is disabled"_s)),
                 QByteArray("{\"ok\":false,\"line\":3,\"error\":\"Form1 is disabled\"}"));
        QCOMPARE(answerLine(endedAnswer(u"Adiós\n"_s)),
                 QByteArray("{\"ok\":true,\"ended\":true,\"message\":\"Adiós\\n\"}"));
        QCOMPARE(answerLine(valueAnswer(QJsonObject{{u"b"_s, 1}, {u"a"_s, QJsonArray{true}}})),
                 QByteArray("{\"ok\":true,\"value\":{\"a\":[true],\"b\":1}}"));
        QCOMPARE(answerLine(valueAnswer(u"x"_s)), QByteArray("{\"ok\":true,\"value\":\"x\"}"));
        QCOMPARE(answerLine(valueAnswer(QJsonValue())), QByteArray("{\"ok\":true,\"value\":null}"));
    }

    void writesColoursAsSixUpperCaseDigits() {
        QCOMPARE(colourText(0xFFC0C0), u"0xFFC0C0"_s);
        QCOMPARE(colourText(0x0080ff), u"0x0080FF"_s);
        QCOMPARE(colourText(0), u"0x000000"_s);
    }
};

QTEST_APPLESS_MAIN(CommandPartsTest)
#include "command_parts_test.moc"
