#include "platform/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

using namespace quenza::platform;
using namespace Qt::StringLiterals;

// Readable failures for texts and lists of lines.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

class TextFileTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) const {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    static QByteArray bytesOf(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }

    QTemporaryDir dir_;
};

TEST_F(TextFileTest, WritesUtf8WithCrLfAfterEveryLine) {
    const QString file = dir_.filePath(u"file05.sop"_s);
    ASSERT_TRUE(replaceLines(file, {u"\"Año\",12"_s, QString()}));
    ASSERT_TRUE(appendLine(file, u"#TRUE#"_s));
    EXPECT_EQ(bytesOf(file), QByteArray("\"A\xc3\xb1o\",12\r\n\r\n#TRUE#\r\n"));
}

TEST_F(TextFileTest, ReadsEitherLineEndingAndEachLineInItsOwnEncoding) {
    const struct {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"\r\n", {QString()}},
        {"uno\ndos\r\ntres", {u"uno"_s, u"dos"_s, u"tres"_s}},
        {"uno\r\n\r\n", {u"uno"_s, u""_s}},
        {"uno\n\ndos\n", {u"uno"_s, u""_s, u"dos"_s}},
        {"a\rb\r\n", {u"a\rb"_s}},
        // The byte order mark starts the file, not a line; elsewhere it is text.
        {"\xef\xbb\xbf\xc3\xa9l\r\n\xef\xbb\xbfx", {u"él"_s, u"\ufeffx"_s}},
        {"\xef\xbb\xbf\xe9l\r\n", {u"él"_s}},
        {"caf\xe9,a\xf1o,\x80,\x93x\x94\r\n", {u"café,año,€,“x”"_s}},
        // A stray byte only sends its own line to Windows-1252.
        {"ni\xc3\xb1o\nni\xf1o\n", {u"niño"_s, u"niño"_s}},
        {"ni\xf1o\r\nni\xc3\xb1o\r\n", {u"niño"_s, u"niño"_s}},
        {"ma\xc3", {u"maÃ"_s}},
        {"\xc0\xac\n\xed\xa0\x80\n", {u"À¬"_s, u"í\u00a0€"_s}}, // overlong, surrogate
    };
    for (const auto& c : cases) {
        const QString file = write(u"lines.txt"_s, c.bytes);
        EXPECT_EQ(readLines(file), c.lines) << c.bytes.toStdString();
        EXPECT_EQ(countLines(file), c.lines.size()) << c.bytes.toStdString();
    }
}

TEST_F(TextFileTest, ARewriteKeepsUtf8LinesByteForByteBesideWindows1252Ones) {
    // A mark-like U+FEFF and a noncharacter start the last two UTF-8 lines.
    const QByteArray utf8Lines = "60,8,\"Peña\",\"Otoño €\",#2002-05-17#\r\n"
                                 "\xEF\xBB\xBFx\r\n"
                                 "\xEF\xBF\xBEy\r\n";
    const QString file = write(u"file05.sop"_s, utf8Lines + "90,8,\"Mu\xF1oz\",\"T\"\r\n");
    const auto lines = readLines(file);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, QStringList({u"60,8,\"Peña\",\"Otoño €\",#2002-05-17#"_s, u"\ufeffx"_s,
                                   u"\ufffey"_s, u"90,8,\"Muñoz\",\"T\""_s}));

    // The Windows-1252 line is written back as the same text in UTF-8.
    ASSERT_TRUE(replaceLines(file, *lines));
    EXPECT_EQ(bytesOf(file), utf8Lines + "90,8,\"Muñoz\",\"T\"\r\n");
    EXPECT_EQ(readLines(file), lines);
}

TEST_F(TextFileTest, AppendingEndsAnUnterminatedLastLineFirst) {
    const struct {
        QByteArray before;
        QByteArray after;
    } cases[] = {
        {"", "25\r\n"},       {"3", "3\r\n25\r\n"},     {"3\r", "3\r\n25\r\n"},
        {"3\n", "3\n25\r\n"}, {"3\r\n", "3\r\n25\r\n"},
    };
    for (const auto& c : cases) {
        const QString file = write(u"file01.sop"_s, c.before);
        ASSERT_TRUE(appendLine(file, u"25"_s));
        EXPECT_EQ(bytesOf(file), c.after) << c.before.toStdString();
    }
    const QString missing = dir_.filePath(u"new.sop"_s);
    ASSERT_TRUE(appendLine(missing, u"7"_s));
    EXPECT_EQ(bytesOf(missing), QByteArray("7\r\n"));
}

TEST_F(TextFileTest, MissingEnsuredTruncatedAndRemovedFiles) {
    const QString file = dir_.filePath(u"file04.sop"_s);
    EXPECT_FALSE(fileExists(file));
    EXPECT_EQ(fileSize(file), -1);
    EXPECT_EQ(readLines(file), std::nullopt);
    EXPECT_EQ(countLines(file), 0);
    EXPECT_FALSE(fileExists(dir_.path()));

    ASSERT_TRUE(ensureFile(file));
    EXPECT_EQ(fileSize(file), 0);
    write(u"file04.sop"_s, "1,2\r\n");
    ASSERT_TRUE(ensureFile(file));
    EXPECT_EQ(bytesOf(file), QByteArray("1,2\r\n"));

    ASSERT_TRUE(truncateFile(file));
    EXPECT_EQ(fileSize(file), 0);
    ASSERT_TRUE(removeFile(file));
    EXPECT_FALSE(fileExists(file));
    EXPECT_TRUE(removeFile(file));
}

TEST_F(TextFileTest, AnUnusableFolderFailsQuietly) {
    // A regular file where the folder should be: nothing below it can be created.
    const QString folder = write(u"notafolder"_s, "x");
    const QString file = folder + u"/file05.sop"_s;
    EXPECT_FALSE(ensureFile(file) || appendLine(file, u"a"_s) || truncateFile(file) ||
                 replaceLines(file, {u"a"_s}) || readLines(file));
    EXPECT_EQ(bytesOf(folder), QByteArray("x"));

    // A folder where the file should be.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(u"file06.sop"_s));
    EXPECT_FALSE(replaceLines(dir_.filePath(u"file06.sop"_s), {u"a"_s}));
    EXPECT_FALSE(removeFile(dir_.filePath(u"file06.sop"_s)));
}

} // namespace
