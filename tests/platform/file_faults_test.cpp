#include "platform/file_faults.h"
#include "platform/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace quenza::platform;
using namespace Qt::StringLiterals;

namespace {

// Each case works in a fresh folder on a disk whose faults it scripts.
class FileFaultsTest : public ::testing::Test {
protected:
    ~FileFaultsTest() override { installFileFaults(nullptr); }

    QString path(const QString& name) const { return dir_.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray bytesOf(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // Hidden files too: a temporary file may start with a dot.
    QStringList folder() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir_;
};

const QByteArray kOld = "60,8,\"Peña\",\"Tema\",#2002-05-17#\r\n";
const QStringList kNew = {u"30,8,\"Ana\",\"Tema\",#2002-05-18#"_s,
                          u"60,8,\"Peña\",\"Tema\",#2002-05-17#"_s};

// Both rewrites of a whole file: the saved game's and the rankings' (through
// their scratch file).
const struct Rewrite {
    const char* name;
    std::function<bool(const QString& folder)> run;
} kRewrites[] = {
    {"saved game", [](const QString& d) { return replaceLines(d + u"/file04.sop"_s, kNew); }},
    {"ranking",
     [](const QString& d) {
         return replaceLinesThrough(d + u"/file04.sop"_s, d + u"/file06.sop"_s, kNew);
     }},
};

TEST_F(FileFaultsTest, ARewriteFailedAtAnyStepLeavesTheOldFileWholeAndNoScratch) {
    for (const Rewrite& rewrite : kRewrites) {
        SCOPED_TRACE(rewrite.name);
        write(u"file04.sop"_s, kOld);
        ScriptedDisk& recorder = installScriptedDisk();
        ASSERT_TRUE(rewrite.run(dir_.path()));
        const QList<WriteStep> steps = recorder.steps;
        for (WriteStep needed :
             {WriteStep::Open, WriteStep::Write, WriteStep::Flush, WriteStep::Commit}) {
            EXPECT_TRUE(steps.contains(needed)) << nameOf(needed);
        }

        for (int failing = 1; failing <= steps.size(); ++failing) {
            SCOPED_TRACE(nameOf(steps[failing - 1]));
            write(u"file04.sop"_s, kOld);
            installScriptedDisk().failingStep = failing;
            EXPECT_FALSE(rewrite.run(dir_.path()));
            EXPECT_EQ(bytesOf(u"file04.sop"_s), kOld);
            EXPECT_EQ(folder(), QStringList{u"file04.sop"_s});
        }
        installFileFaults(nullptr);
    }
}

TEST_F(FileFaultsTest, AFullDiskKeepsEveryFileAsItWas) {
    for (const qint64 room : {0, 1, 7}) {
        SCOPED_TRACE(room);
        for (const Rewrite& rewrite : kRewrites) {
            write(u"file04.sop"_s, kOld);
            installScriptedDisk().freeBytes = room;
            EXPECT_FALSE(rewrite.run(dir_.path())) << rewrite.name;
            EXPECT_EQ(bytesOf(u"file04.sop"_s), kOld);
        }
        // The log a line is appended to (8 bytes with the ending its
        // unterminated last line needs).
        write(u"file01.sop"_s, "3");
        installScriptedDisk().freeBytes = room;
        EXPECT_FALSE(appendLine(path(u"file01.sop"_s), u"1234"_s));
        EXPECT_EQ(bytesOf(u"file01.sop"_s), QByteArray("3"));
        QFile::remove(path(u"file01.sop"_s));
        EXPECT_EQ(folder(), QStringList{u"file04.sop"_s});
    }
    ScriptedDisk& disk = installScriptedDisk();
    disk.freeBytes = 8;
    ASSERT_TRUE(appendLine(path(u"file01.sop"_s), u"12"_s));
    EXPECT_EQ(disk.freeBytes, 4);
    EXPECT_TRUE(replaceLines(path(u"file03.sop"_s), {u"1"_s}));
    EXPECT_EQ(disk.freeBytes, 1);
}

TEST_F(FileFaultsTest, AReadOnlyFolderRefusesEveryChangeButStillReads) {
    write(u"file01.sop"_s, "3\r\n");
    installScriptedDisk().readOnly = true;
    const QString log = path(u"file01.sop"_s);
    EXPECT_FALSE(ensureFile(path(u"file05.sop"_s)));
    EXPECT_FALSE(appendLine(log, u"4"_s));
    EXPECT_FALSE(truncateFile(log));
    EXPECT_FALSE(removeFile(log));
    EXPECT_TRUE(ensureFile(log)); // already there: nothing to write
    EXPECT_TRUE(removeFile(path(u"file03.sop"_s)));
    EXPECT_EQ(readLines(log), QStringList{u"3"_s});
    EXPECT_EQ(folder(), QStringList{u"file01.sop"_s});
}

} // namespace
