#include "rankings/ranking_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace quenza {
namespace {

constexpr Date kDay{2002, 5, 17};

TraditionalEntry trad(int tiempo, int palabras, std::string nombre = "Player") {
    return {static_cast<std::int16_t>(tiempo), static_cast<std::int16_t>(palabras),
            std::move(nombre), "Tema", kDay};
}

EvolutionEntry evol(int nivel, int puntuacion, std::string nombre = "Player") {
    return {static_cast<std::int16_t>(nivel), static_cast<std::int16_t>(puntuacion), 90,
            std::move(nombre), kDay};
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList utf8Lines(std::initializer_list<const char*> lines) {
    QStringList out;
    for (const char* line : lines) {
        out.append(QString::fromUtf8(line));
    }
    return out;
}

// 15 traditional lines, 10 s to 150 s, CR LF.
QByteArray fullTraditional() {
    QByteArray bytes;
    for (int i = 1; i <= 15; ++i) {
        bytes += QByteArray::fromStdString(formatLine(trad(10 * i, 8, "P" + std::to_string(i))));
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

class RankingStoreTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString ranking_;
    QString scratch_;
    RankingStore store() const { return RankingStore(ranking_, scratch_); }

private Q_SLOTS:
    void init() {
        QVERIFY(dir_.isValid());
        QDir(dir_.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir_.path()));
        ranking_ = dir_.filePath(QStringLiteral("file05.sop"));
        scratch_ = dir_.filePath(QStringLiteral("file06.sop"));
    }

    void missingFileIsCreatedEmpty() {
        QVERIFY(!QFile::exists(ranking_));
        QVERIFY(!store().hasEntries());
        QVERIFY(!QFile::exists(ranking_));

        const auto outcome = store().qualify(trad(95, 8));
        QVERIFY(QFile::exists(ranking_));
        QCOMPARE(outcome.posicion_nueva, kNoPlace);
        QVERIFY(outcome.qualifies);
        QCOMPARE(store().lineCount(), 0);
        QVERIFY(!store().hasEntries()); // 0 bytes
    }

    void firstEntryIsOneExactLine() {
        QVERIFY(store().insert(trad(95, 8)));
        QCOMPARE(bytesOf(ranking_), QByteArray("95,8,\"Player\",\"Tema\",#2002-05-17#\r\n"));
        QVERIFY(!QFile::exists(scratch_));
        QVERIFY(store().hasEntries());
    }

    void entriesAreStoredBestFirst() {
        const RankingStore evolution(dir_.filePath(QStringLiteral("file04.sop")), scratch_);
        QVERIFY(evolution.insert(evol(5, 200, "B")));
        QVERIFY(evolution.insert(evol(5, 300, "A")));
        QVERIFY(evolution.insert(evol(5, 200, "C")));
        QVERIFY(evolution.insert(evol(2, -40, "D")));
        QVERIFY(evolution.insert(evol(6, -5, "E")));
        QCOMPARE(evolution.lines(), utf8Lines({
                                        "6,-5,90,\"E\",#2002-05-17#",
                                        "5,300,90,\"A\",#2002-05-17#",
                                        "5,200,90,\"B\",#2002-05-17#",
                                        "5,200,90,\"C\",#2002-05-17#",
                                        "2,-40,90,\"D\",#2002-05-17#",
                                    }));
        QCOMPARE(evolution.qualify(evol(5, 250)).posicion_nueva, 3);
        QVERIFY(!QFile::exists(scratch_));
    }

    void namesWithQuotesCommasAndAccentsSurviveTheFile() {
        const std::string name = "José \"Pepe\", el ñu";
        QVERIFY(store().insert(trad(30, 4, name)));
        QVERIFY(store().insert(trad(20, 4, "Ana, María")));
        const auto top =
            topTraditional({store().lines()[0].toStdString(), store().lines()[1].toStdString()});
        QCOMPARE(top.size(), std::size_t{2});
        QCOMPARE(top[0].nombre, std::string("Ana, María"));
        QCOMPARE(top[1].nombre, name);
        QVERIFY(bytesOf(ranking_).contains("\"Jos\xC3\xA9 \"\"Pepe\"\", el \xC3\xB1u\""));
    }

    void fullRankingAdmitsPlaceFourteenOnly() {
        writeBytes(ranking_, fullTraditional());
        const auto fifteen = store().qualify(trad(145, 8));
        QCOMPARE(fifteen.posicion_nueva, 15);
        QVERIFY(!fifteen.qualifies);

        const auto fourteen = store().qualify(trad(135, 8, "Nuevo"));
        QCOMPARE(fourteen.posicion_nueva, 14);
        QVERIFY(fourteen.qualifies);
        QVERIFY(store().insert(trad(135, 8, "Nuevo")));
        const QStringList lines = store().lines();
        QCOMPARE(store().lineCount(), 16);
        QCOMPARE(lines[13], QStringLiteral("135,8,\"Nuevo\",\"Tema\",#2002-05-17#"));
        QCOMPARE(lines[14], QStringLiteral("140,8,\"P14\",\"Tema\",#2002-05-17#"));
        QCOMPARE(lines[15], QStringLiteral("150,8,\"P15\",\"Tema\",#2002-05-17#"));
    }

    void fourteenLinesAdmitTheWorstAsLineFifteen() {
        QByteArray bytes = fullTraditional();
        bytes.chop(bytes.size() - bytes.lastIndexOf("150,"));
        writeBytes(ranking_, bytes);
        QCOMPARE(store().lineCount(), 14);
        const auto outcome = store().qualify(trad(999, 1));
        QCOMPARE(outcome.posicion_nueva, kNoPlace);
        QVERIFY(outcome.qualifies);
        QVERIFY(store().insert(trad(999, 1)));
        QCOMPARE(store().lineCount(), 15);
        QCOMPARE(store().lines().last(), QStringLiteral("999,1,\"Player\",\"Tema\",#2002-05-17#"));
    }

    void lineFeedFilesAreReadAndRewrittenWithCrLf() {
        writeBytes(ranking_, "60,8,\"A\",\"T\",#2002-05-17#\n120,8,\"B\",\"T\",#2002-05-17#\n");
        QCOMPARE(store().qualify(trad(90, 8)).posicion_nueva, 2);
        QVERIFY(store().insert(trad(90, 8, "C")));
        QCOMPARE(bytesOf(ranking_), QByteArray("60,8,\"A\",\"T\",#2002-05-17#\r\n"
                                               "90,8,\"C\",\"Tema\",#2002-05-17#\r\n"
                                               "120,8,\"B\",\"T\",#2002-05-17#\r\n"));
    }

    void malformedLinesAreKeptWhereTheyWere() {
        writeBytes(ranking_, "basura\r\n"
                             "60,8,\"A\",\"T\",#2002-05-17#\r\n"
                             "70000,8,\"X\",\"T\",#2002-05-17#\r\n"
                             "120,8,\"B\",\"T\",#2002-05-17#\r\n"
                             "1,2,3\r\n");
        QCOMPARE(store().qualify(trad(10, 8)).posicion_nueva, 2);
        QVERIFY(store().insert(trad(10, 8, "C")));
        QVERIFY(store().insert(trad(500, 8, "D")));
        QCOMPARE(store().lines(), utf8Lines({
                                      "basura",
                                      "10,8,\"C\",\"Tema\",#2002-05-17#",
                                      "60,8,\"A\",\"T\",#2002-05-17#",
                                      "70000,8,\"X\",\"T\",#2002-05-17#",
                                      "120,8,\"B\",\"T\",#2002-05-17#",
                                      "1,2,3",
                                      "500,8,\"D\",\"Tema\",#2002-05-17#",
                                  }));
    }

    void leftoverScratchFileIsDiscarded() {
        writeBytes(scratch_, "restos de una escritura cortada\r\n");
        QVERIFY(store().insert(trad(95, 8)));
        QCOMPARE(bytesOf(ranking_), QByteArray("95,8,\"Player\",\"Tema\",#2002-05-17#\r\n"));
        QVERIFY(!QFile::exists(scratch_));
    }

    void failedRewriteKeepsTheOldRanking() {
        const QByteArray before = fullTraditional();
        writeBytes(ranking_, before);
        QVERIFY(QDir().mkpath(scratch_)); // the scratch file cannot be written
        QVERIFY(!store().insert(trad(1, 8)));
        QCOMPARE(bytesOf(ranking_), before);
    }

    void unusableFolderFailsQuietly() {
        const QString notAFolder = dir_.filePath(QStringLiteral("datos"));
        writeBytes(notAFolder, "x");
        const RankingStore broken(notAFolder + QStringLiteral("/file05.sop"),
                                  notAFolder + QStringLiteral("/file06.sop"));
        QCOMPARE(broken.lineCount(), 0);
        QVERIFY(broken.lines().isEmpty());
        QVERIFY(broken.qualify(trad(1, 1)).qualifies);
        QVERIFY(!broken.insert(trad(1, 1)));
        QVERIFY(!broken.hasEntries());
        broken.reset();
        QCOMPARE(bytesOf(notAFolder), QByteArray("x"));
    }

    void resetRemovesAndToleratesAMissingFile() {
        QVERIFY(store().insert(trad(95, 8)));
        store().reset();
        QVERIFY(!QFile::exists(ranking_));
        QVERIFY(!store().hasEntries());
        store().reset();
        QVERIFY(!QFile::exists(ranking_));
        QCOMPARE(store().lineCount(), 0);
        QVERIFY(QFile::exists(ranking_));
    }
};

} // namespace quenza

QTEST_GUILESS_MAIN(quenza::RankingStoreTest)
#include "ranking_store_test.moc"
