#include "byte_files.h"
#include "rankings/ranking_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace quenza {
namespace {

using testing::bytesOf;
using testing::writeBytes;

TraditionalEntry trad(int tiempo, std::string nombre = "Player") {
    return {static_cast<std::int16_t>(tiempo), 8, std::move(nombre), "Tema", Date{2002, 5, 17}};
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
        QVERIFY(writeBytes(
            ranking_, "basura\n60,8,\"A\",\"T\",#2002-05-17#\n120,8,\"B\",\"T\",#2002-05-17#"));
        QCOMPARE(store().qualify(trad(90)).posicion_nueva, 2); // the damaged line has no place
        QVERIFY(store().insert(trad(90, "José \"Pepe\", el ñu")));
        QCOMPARE(bytesOf(ranking_), QByteArray("basura\r\n"
                                               "60,8,\"A\",\"T\",#2002-05-17#\r\n"
                                               "90,8,\"Jos\xC3\xA9 \"\"Pepe\"\", el \xC3\xB1u\","
                                               "\"Tema\",#2002-05-17#\r\n"
                                               "120,8,\"B\",\"T\",#2002-05-17#\r\n"));
    }

    void aMissingOrResetRankingIsCreatedEmptyOnlyWhenRead() {
        QVERIFY(writeBytes(scratch_, "restos de una escritura cortada\r\n"));
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
