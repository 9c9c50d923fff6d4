// The examples of docs/driver.md run as written, and the screenshots' script
// plays to its end: a page or a picture script that drifts from the program
// fails here.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace quenza::docs {

namespace {

constexpr int kDriverMs = 120000;

// A ```drv block of a page: a script of its own, the line of the page where
// it starts, and its commands each with the answer shown for it in a
// "# → ANSWER" comment below it (empty when none is shown).
struct Example {
    int pageLine = 0;
    QString script;
    QList<std::pair<QString, QString>> answers;
};

QList<Example> driverExamples(const QString& page) {
    const QString shown = QStringLiteral("# → ");
    QList<Example> examples;
    Example* open = nullptr;
    const QStringList lines = page.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (open == nullptr) {
            if (line == QLatin1String("```drv")) {
                examples.append({int(i) + 1, {}, {}});
                open = &examples.last();
            }
        } else if (line == QLatin1String("```")) {
            open = nullptr;
        } else {
            open->script += line + u'\n';
            if (line.startsWith(shown) && !open->answers.isEmpty()) {
                open->answers.last().second = line.mid(shown.size());
            } else if (!line.isEmpty() && !line.startsWith(u'#')) {
                open->answers.append({line, {}});
            }
        }
    }
    return examples;
}

QString sourceFile(const char* path) {
    return QStringLiteral(QUENZA_SOURCE_DIR "/") + QLatin1String(path);
}

QString readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qFatal("cannot read %s", qPrintable(path));
    }
    return QString::fromUtf8(file.readAll());
}

struct Run {
    int status = -1;
    QStringList answers;
    QString errors;
};

// Plays `script` on the driver's standard input from `folder`, where the
// files it names land; the driver's own defaults otherwise (the shipped
// themes, a fresh data folder).
Run play(const QString& script, const QString& folder, const QStringList& options) {
    QProcess driver;
    driver.setWorkingDirectory(folder);
    driver.start(QStringLiteral(QUENZA_DRIVER), options);
    driver.write(script.toUtf8());
    driver.closeWriteChannel();
    Run run;
    if (!driver.waitForFinished(kDriverMs)) {
        driver.kill();
        driver.waitForFinished();
        run.errors = QStringLiteral("the driver did not finish");
        return run;
    }
    run.status = driver.exitCode();
    run.answers =
        QString::fromUtf8(driver.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    run.errors = QString::fromUtf8(driver.readAllStandardError());
    return run;
}

} // namespace

class DocsExamplesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each ```drv block of the driver's page is a script of its own, played
    // with the options the page says; every command succeeds and prints the
    // answer the page shows.
    void driverPageExamples() {
        const QList<Example> examples = driverExamples(readAll(sourceFile("docs/driver.md")));
        QVERIFY2(examples.size() >= 10, "the page has lost its examples");
        for (const Example& example : examples) {
            QTemporaryDir folder;
            const Run run = play(example.script, folder.path(),
                                 {QStringLiteral("--seed"), QStringLiteral("1"),
                                  QStringLiteral("--date"), QStringLiteral("2002-03-05")});
            const QString where = QStringLiteral("docs/driver.md:%1").arg(example.pageLine);
            QVERIFY2(run.status == 0, qPrintable(QStringLiteral("%1: %2").arg(where, run.errors)));
            QCOMPARE(run.answers.size(), example.answers.size());
            for (qsizetype i = 0; i < run.answers.size(); ++i) {
                const auto& [command, shown] = example.answers.at(i);
                QVERIFY2(shown.isEmpty() || run.answers.at(i) == shown,
                         qPrintable(QStringLiteral("%1: %2 answers %3, the page shows %4")
                                        .arg(where, command, run.answers.at(i), shown)));
            }
        }
    }

    // The pictures' script, with the options and rankings scripts/screenshots.sh
    // gives it, draws every window it names.
    void screenshotsScriptPlays() {
        QTemporaryDir folder;
        const QString data = folder.filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(data));
        const QDir rankings(sourceFile("scripts/screenshots/data"));
        for (const QString& name : rankings.entryList(QDir::Files)) {
            QVERIFY(QFile::copy(rankings.filePath(name), data + u'/' + name));
        }
        const Run run =
            play(readAll(sourceFile("scripts/screenshots/play.drv")), folder.path(),
                 {QStringLiteral("--seed"), QStringLiteral("5"), QStringLiteral("--date"),
                  QStringLiteral("2024-12-05"), QStringLiteral("--data-dir"), data});
        QVERIFY2(run.status == 0, qPrintable(run.errors));
        for (const char* picture : {"splash.png", "traditional.png", "level_complete.png",
                                    "evolution.png", "rankings.png"}) {
            const QImage image(folder.filePath(QLatin1String(picture)));
            QVERIFY2(!image.isNull(), picture);
        }
    }
};

} // namespace quenza::docs

QTEST_GUILESS_MAIN(quenza::docs::DocsExamplesTest)
#include "docs_examples_test.moc"
