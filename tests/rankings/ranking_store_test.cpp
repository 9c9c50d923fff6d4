#include "rankings/ranking_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace quenza {
namespace {

TraditionalEntry trad(int tiempo, std::string nombre = "Player") {
    return {static_cast<std::int16_t>(tiempo), 8, std::move(nombre), "Tema", Date{2002, 5, 17}};
}

QByteArray lineOf(const TraditionalEntry& entry) {
    return QByteArray::fromStdString(formatLine(entry)) + "\r\n";
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class RankingStoreTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString ranking_;
    QString scratch_;
    RankingStore store() const { return RankingStore(ranking_, scratch_); }

private Q_SLOTS:
    void init() {
        QVERIFY(QDir(dir_.path()).removeRecursively() && QDir().mkpath(dir_.path()));
        ranking_ = dir_.filePath(QStringLiteral("file05.sop"));
        scratch_ = dir_.filePath(QStringLiteral("file06.sop"));
    }

    void aRewriteKeepsEveryOtherLineAsItWasWithCrLf() {
        writeBytes(ranking_,
                   "basura\n60,8,\"A\",\"T\",#2002-05-17#\n120,8,\"B\",\"T\",#2002-05-17#");
        QCOMPARE(store().qualify(trad(90)).posicion_nueva, 2); // the damaged line has no place
        QVERIFY(store().insert(trad(90, "José \"Pepe\", el ñu")));
        QCOMPARE(bytesOf(ranking_), QByteArray("basura\r\n"
                                               "60,8,\"A\",\"T\",#2002-05-17#\r\n"
                                               "90,8,\"Jos\xC3\xA9 \"\"Pepe\"\", el \xC3\xB1u\","
                                               "\"Tema\",#2002-05-17#\r\n"
                                               "120,8,\"B\",\"T\",#2002-05-17#\r\n"));
    }

    void aRewriteNeverGarblesAUtf8LineBesideAWindows1252One() {
        const QByteArray pena = "60,8,\"Peña\",\"Otoño\",#2002-05-17#\r\n";
        writeBytes(ranking_, pena + "120,8,\"Mu\xF1oz\",\"T\",#2002-05-17#\r\n");
        QVERIFY(store().insert(trad(90)));
        QVERIFY(store().insert(trad(150)));
        // The Windows-1252 line now holds the same name in UTF-8.
        QCOMPARE(bytesOf(ranking_), pena + lineOf(trad(90)) +
                                        "120,8,\"Muñoz\",\"T\",#2002-05-17#\r\n" +
                                        lineOf(trad(150)));
    }

    void damagedLinesNeitherLockTheRankingNorStayAboveARealTime() {
        QByteArray damaged;
        for (int i = 0; i < 15; ++i) {
            damaged += "roto " + QByteArray::number(i) + "\r\n";
        }
        writeBytes(ranking_, damaged);
        const auto first = store().qualify(trad(500));
        QVERIFY(first.qualifies && first.posicion_nueva == kNoPlace);
        QVERIFY(store().insert(trad(500)));
        const auto better = store().qualify(trad(100));
        QVERIFY(better.qualifies && better.posicion_nueva == 1);
        QVERIFY(store().insert(trad(100)));
        QCOMPARE(bytesOf(ranking_), damaged + lineOf(trad(100)) + lineOf(trad(500)));
    }

    void aFullRankingAdmitsPlaceFourteenOnly() {
        QByteArray full; // 10 s to 150 s
        for (int i = 1; i <= 15; ++i) {
            full += lineOf(trad(10 * i));
        }
        writeBytes(ranking_, full);
        const auto fifteen = store().qualify(trad(145));
        const auto fourteen = store().qualify(trad(135));
        QVERIFY(fifteen.posicion_nueva == 15 && !fifteen.qualifies);
        QVERIFY(fourteen.posicion_nueva == 14 && fourteen.qualifies);
    }

    void aFailedRewriteKeepsTheOldRanking() {
        const QByteArray old = "60,8,\"A\",\"T\",#2002-05-17#\r\n";
        writeBytes(ranking_, old);
        QVERIFY(QDir().mkpath(scratch_)); // the scratch file cannot be written
        QVERIFY(!store().insert(trad(1)));
        QCOMPARE(bytesOf(ranking_), old);
    }

    void anUnusableFolderFailsQuietly() {
        const QString notAFolder = dir_.filePath(QStringLiteral("datos"));
        writeBytes(notAFolder, "x");
        const RankingStore broken(notAFolder + QStringLiteral("/file05.sop"),
                                  notAFolder + QStringLiteral("/file06.sop"));
        QCOMPARE(broken.lineCount(), 0);
        QVERIFY(broken.qualify(trad(1)).qualifies);
        QVERIFY(!broken.insert(trad(1)));
        broken.reset();
        QCOMPARE(bytesOf(notAFolder), QByteArray("x"));
    }

    void aMissingOrResetRankingIsCreatedEmptyOnlyWhenRead() {
        writeBytes(scratch_, "restos de una escritura cortada\r\n");
        QVERIFY(store().insert(trad(95)));
        QCOMPARE(bytesOf(ranking_), QByteArray("95,8,\"Player\",\"Tema\",#2002-05-17#\r\n"));
        QVERIFY(!QFile::exists(scratch_));
        QVERIFY(store().hasEntries());

        store().reset();
        store().reset();
        QVERIFY(!store().hasEntries() && !QFile::exists(ranking_));
        const auto outcome = store().qualify(trad(95));
        QVERIFY(outcome.qualifies && outcome.posicion_nueva == kNoPlace);
        QVERIFY(QFile::exists(ranking_) && !store().hasEntries());
    }
};

} // namespace quenza

QTEST_GUILESS_MAIN(quenza::RankingStoreTest)
#include "ranking_store_test.moc"
