// The driver's own pieces that need no window: splitting command lines,
// naming targets and paths, and the expect operators, which must never let a
// scenario pass that should fail. Keys and answers are played by the scenarios.
#include "driver/answer.h"
#include "driver/command_words.h"
#include "driver/comparison.h"
#include "driver/json_path.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

using namespace quenza::driver;
using namespace Qt::StringLiterals;

class CommandPartsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Quoted words are shown back in quotes; a broken line gives no words.
    void splitsWords_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("error");
        const auto row = [](const char* line, QStringList words, const char* error = "") {
            QTest::newRow(line) << QString::fromUtf8(line) << words << QString::fromUtf8(error);
        };
        row(" click  Form1.Label1(3)\t10 ", {u"click"_s, u"Form1.Label1(3)"_s, u"10"_s});
        row("key Inicio \"a  b\"", {u"key"_s, u"Inicio"_s, u"\"a  b\""_s});
        row("text W.C \"x\\ny\\\"z\\\\w\\tñ\" \"\"",
            {u"text"_s, u"W.C"_s, u"\"x\ny\"z\\w\tñ\""_s, u"\"\""_s});
        row("key Inicio \"abc", {}, "quoted text without its closing quote");
        row("key Inicio \"abc\\", {}, "quoted text without its closing quote");
        row("key Inicio \"a\\qb\"", {}, "unknown escape \\q in quoted text");
        row("key Inicio \"ab\"cd", {}, "a space must follow the closing quote");
        row("key Inicio ab\"cd\"", {}, "a quote inside the word ab\"cd\"");
    }
    void splitsWords() {
        QFETCH(QString, line);
        QFETCH(QStringList, words);
        QFETCH(QString, error);
        const Words split = splitWords(line);
        QStringList shown;
        for (const Word& word : split.words) {
            shown.append(word.quoted ? u'"' + word.text + u'"' : word.text);
        }
        QCOMPARE(shown, words);
        QCOMPARE(split.error, error);
    }

    void namesTargetsAndPaths() {
        const Head head = splitHead(u"expect  Form1.x  ~  \"a  \\u00f1\"  "_s, 3);
        QCOMPARE(head.words, (QStringList{u"expect"_s, u"Form1.x"_s, u"~"_s}));
        QCOMPARE(head.rest, u"\"a  \\u00f1\""_s);
        QCOMPARE(parseTarget(u"Form4.Check1(5)"_s).value().control, u"Check1(5)"_s);
        QVERIFY(parseTarget(u"Form1"_s).value().control.isEmpty());
        for (const QString& bad : {u"Form1."_s, u".Label1"_s, u"Form1.a.b"_s}) {
            QVERIFY2(!parseTarget(bad), qPrintable(bad));
        }
        const Path path = parsePath(u"state.celdas_palabra(2, 10)"_s);
        QCOMPARE(path.steps.at(1).text(), u"celdas_palabra(2,10)"_s);
        for (const QString& bad :
             {u""_s, u"F..x"_s, u"F.a("_s, u"F.a(x)"_s, u"F.a(-1)"_s, u"F.a b"_s}) {
            QVERIFY2(!parsePath(bad).error.isEmpty(), qPrintable(bad));
        }
    }

    // "ACTUAL OP EXPECTED": whether expect holds, fails, or refuses to compare.
    void comparesAsExpectDoes_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("verdict");
        for (const char* line :
             {"6 = 6.0", R"({"a":[1]} = {"a": [1]})", "6 != 7", "6 < 7", R"("05" < "10")", "7 <= 7",
              "-1 > -2", "-2 >= -2", R"("Quedan_3" ~ "dan")", "[1,2,3] ~ 2"}) {
            QTest::newRow(line) << QString::fromUtf8(line) << u"holds"_s;
        }
        for (const char* line :
             {R"(6 = "6")", R"("Quedan" = "quedan")", "null = 0", "null != null", "7 < 7", "8 <= 7",
              R"("a" > "a")", "-3 >= -2", R"("Quedan" ~ "Dan")", "[1,2,3] ~ 4"}) {
            QTest::newRow(line) << QString::fromUtf8(line) << u"fails"_s;
        }
        for (const char* line : {"true < false", "null >= 0", R"(3 > "2")", "36 ~ 3", R"("36" ~ 3)",
                                 "6 == 6", "6 => 6", "6 <> 6", "6 contains 6"}) {
            QTest::newRow(line) << QString::fromUtf8(line) << u"refused"_s;
        }
    }
    void comparesAsExpectDoes() {
        QFETCH(QString, line);
        QFETCH(QString, verdict);
        const Head parts = splitHead(line, 2);
        const auto json = [](const QString& literal) {
            return QJsonDocument::fromJson((u'[' + literal + u']').toUtf8()).array().at(0);
        };
        QString got = u"refused"_s;
        if (const std::optional<Op> op = parseOp(parts.words.at(1))) {
            QCOMPARE(opText(*op), parts.words.at(1));
            const Verdict result = compare(json(parts.words.at(0)), *op, json(parts.rest));
            if (result.error.isEmpty()) {
                got = result.holds ? u"holds"_s : u"fails"_s;
            }
        }
        QCOMPARE(got, verdict);
    }
};

QTEST_APPLESS_MAIN(CommandPartsTest)
#include "command_parts_test.moc"
