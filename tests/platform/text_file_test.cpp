#include "platform/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/resource.h>

using namespace quenza::platform;
using namespace Qt::StringLiterals;

// Readable failures for texts and lists of lines.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

class TextFileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }

    QString write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    }

    static QByteArray bytesOf(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }

    QTemporaryDir dir_;
};

TEST_F(TextFileTest, WritesUtf8WithCrLfAfterEveryLine) {
    const QString file = path(QStringLiteral("file05.sop"));
    ASSERT_TRUE(replaceLines(file, {QStringLiteral("\"Año\",12"), QString()}));
    ASSERT_TRUE(appendLine(file, QStringLiteral("#TRUE#")));
    EXPECT_EQ(bytesOf(file), QByteArray("\"A\xc3\xb1o\",12\r\n\r\n#TRUE#\r\n"));
    EXPECT_EQ(readLines(file),
              QStringList({QStringLiteral("\"Año\",12"), QString(), QStringLiteral("#TRUE#")}));
}

TEST_F(TextFileTest, ReadsBothLineEndingsAndAFinalLineWithoutOne) {
    struct Case {
        QByteArray bytes;
        QStringList lines;
    };
    const Case cases[] = {
        {"", {}},
        {"\r\n", {QString()}},
        {"uno\ndos\r\ntres", {u"uno"_s, u"dos"_s, u"tres"_s}},
        {"uno\r\n\r\n", {u"uno"_s, u""_s}},
        {"uno\n\ndos\n", {u"uno"_s, u""_s, u"dos"_s}},
        {"a\rb\r\n", {u"a\rb"_s}},
    };
    for (const Case& c : cases) {
        const QString file = write(QStringLiteral("lines.txt"), c.bytes);
        EXPECT_EQ(readLines(file), c.lines) << c.bytes.toStdString();
        EXPECT_EQ(countLines(file), c.lines.size()) << c.bytes.toStdString();
    }
}

TEST_F(TextFileTest, ReadsOlderFilesAsWindows1252) {
    const QString file = write(QStringLiteral("temas.tem"), "caf\xe9,a\xf1o,\x80,\x93x\x94\r\n");
    EXPECT_EQ(readLines(file), QStringList({QStringLiteral("café,año,€,“x”")}));

    // One bad byte is enough to read the whole file the old way.
    const QString mixed = write(QStringLiteral("mixed.tem"), "ni\xc3\xb1o\nni\xf1o\n");
    EXPECT_EQ(readLines(mixed), QStringList({QStringLiteral("niÃ±o"), QStringLiteral("niño")}));

    const QString cut = write(QStringLiteral("cut.tem"), "ma\xc3");
    EXPECT_EQ(readLines(cut), QStringList({QStringLiteral("maÃ")}));
}

TEST_F(TextFileTest, ReadsUtf8AndSkipsAByteOrderMark) {
    const QString file = write(QStringLiteral("bom.tem"), "\xef\xbb\xbf\xc3\xa9l\r\n");
    EXPECT_EQ(readLines(file), QStringList({QStringLiteral("él")}));
}

TEST_F(TextFileTest, AMissingFileHasNoLines) {
    const QString missing = path(QStringLiteral("file03.sop"));
    EXPECT_FALSE(fileExists(missing));
    EXPECT_EQ(fileSize(missing), -1);
    EXPECT_EQ(readLines(missing), std::nullopt);
    EXPECT_TRUE(readLinesOrEmpty(missing).isEmpty());
    EXPECT_EQ(countLines(missing), 0);
    EXPECT_FALSE(fileExists(dir_.path()));
}

TEST_F(TextFileTest, EnsureFileCreatesAnEmptyFileAndKeepsAnExistingOne) {
    const QString fresh = path(QStringLiteral("file01.sop"));
    ASSERT_TRUE(ensureFile(fresh));
    EXPECT_TRUE(fileExists(fresh));
    EXPECT_EQ(fileSize(fresh), 0);

    const QString kept = write(QStringLiteral("file04.sop"), "1,2\r\n");
    ASSERT_TRUE(ensureFile(kept));
    EXPECT_EQ(bytesOf(kept), QByteArray("1,2\r\n"));
    EXPECT_EQ(fileSize(kept), 5);
}

TEST_F(TextFileTest, TruncateAndRemove) {
    const QString file = write(QStringLiteral("file05.sop"), "x\r\n");
    ASSERT_TRUE(truncateFile(file));
    EXPECT_EQ(fileSize(file), 0);
    ASSERT_TRUE(removeFile(file));
    EXPECT_FALSE(fileExists(file));
    EXPECT_TRUE(removeFile(file));
}

TEST_F(TextFileTest, AnUnusableFolderFailsQuietly) {
    // A regular file where the folder should be: nothing below it can be created.
    const QString folder = write(QStringLiteral("notafolder"), "x");
    const QString file = folder + QStringLiteral("/file05.sop");
    EXPECT_FALSE(ensureFile(file));
    EXPECT_FALSE(appendLine(file, QStringLiteral("a")));
    EXPECT_FALSE(truncateFile(file));
    EXPECT_FALSE(replaceLines(file, {QStringLiteral("a")}));
    EXPECT_EQ(readLines(file), std::nullopt);
    EXPECT_EQ(bytesOf(folder), QByteArray("x"));

    // A folder where the file should be.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("file06.sop")));
    EXPECT_FALSE(replaceLines(path(QStringLiteral("file06.sop")), {QStringLiteral("a")}));
    EXPECT_FALSE(removeFile(path(QStringLiteral("file06.sop"))));
}

TEST_F(TextFileTest, AFailedReplacementLeavesTheOldFileWhole) {
    const QString file = write(QStringLiteral("file04.sop"), "old\r\n");
    const QStringList big(2000, QString(100, u'x'));

    // A full disk, as far as this process can tell.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &original), 0);
    rlimit small = original;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool replaced = replaceLines(file, big);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &original), 0);

    EXPECT_FALSE(replaced);
    EXPECT_EQ(bytesOf(file), QByteArray("old\r\n"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files),
              QStringList({QStringLiteral("file04.sop")}));

    ASSERT_TRUE(replaceLines(file, big));
    EXPECT_EQ(countLines(file), 2000);
}

} // namespace
