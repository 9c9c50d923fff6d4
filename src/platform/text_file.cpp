#include "platform/text_file.h"

#include "platform/file_faults.h"
#include "puzzle/text.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace quenza::platform {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unassigned
// codes keep their own value, as Windows itself decodes them.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte <= 0x9F) ? QChar(kCp1252High[byte - 0x80])
                                                : QChar(char16_t{byte});
    }
    return text;
}

// Each line is decoded on its own, so one stray byte only affects its line
// and a line that is valid UTF-8 always reads (and is written back) unchanged.
QString decodeLine(QByteArrayView bytes) {
    if (isValidUtf8(std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())))) {
        // A U+FEFF that starts a line is text, not a mark to drop.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return utf8.decode(bytes);
    }
    return fromWindows1252(bytes);
}

// A byte order mark says the file is UTF-8; it is not part of the first line.
QByteArrayView withoutByteOrderMark(QByteArrayView bytes) {
    const QByteArrayView mark("\xEF\xBB\xBF");
    return bytes.startsWith(mark) ? bytes.sliced(mark.size()) : bytes;
}

// A line feed byte is never part of a multi-byte character in either
// encoding, so the bytes are split before anything is decoded.
QStringList splitLines(QByteArrayView bytes) {
    bytes = withoutByteOrderMark(bytes);
    QStringList lines;
    while (!bytes.isEmpty()) {
        const qsizetype feed = bytes.indexOf('\n');
        // The terminator of the last line does not start another one.
        QByteArrayView line = feed < 0 ? bytes : bytes.first(feed);
        bytes = feed < 0 ? QByteArrayView() : bytes.sliced(feed + 1);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        lines.append(decodeLine(line));
    }
    return lines;
}

QByteArray encodeLine(const QString& line) {
    return line.toUtf8() + "\r\n";
}

QByteArray encodeLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encodeLine(line);
    }
    return bytes;
}

// As many of `bytes` as the disk has room for are written, as a full disk
// does; true only when all of them went.
bool writeBytes(QFileDevice& file, const QByteArray& bytes) {
    if (!diskAllows(WriteStep::Write, file.fileName())) {
        return false;
    }
    const qint64 fits = diskRoom(file.fileName(), bytes.size());
    return file.write(bytes.constData(), fits) == bytes.size();
}

bool flushBytes(QFileDevice& file) {
    return diskAllows(WriteStep::Flush, file.fileName()) && file.flush();
}

// QFile::rename refuses to overwrite, and removing the target first would
// leave a moment with neither file; the standard rename replaces the target
// in one step (same folder, same file system).
bool renameOnto(const QString& from, const QString& to) {
    if (!diskAllows(WriteStep::Commit, to)) {
        return false;
    }
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()),
                            std::filesystem::path(to.toStdU16String()), error);
    return !error;
}

// What the file's last line still needs so that an appended line starts a
// line of its own: "3" followed by 25 must read back as 3 and 25, not 325.
QByteArray unterminatedEnding(QFile& file) {
    const qint64 size = file.size();
    char last = '\n';
    if (size == 0 || !file.seek(size - 1) || !file.getChar(&last) || last == '\n') {
        return {};
    }
    return last == '\r' ? QByteArray("\n") : QByteArray("\r\n");
}

} // namespace

bool fileExists(const QString& path) {
    return QFileInfo(path).isFile();
}

qint64 fileSize(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() ? info.size() : -1;
}

std::optional<QStringList> readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return splitLines(bytes);
}

QStringList readLinesOrEmpty(const QString& path) {
    return readLines(path).value_or(QStringList{});
}

int countLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray all = file.readAll();
    const QByteArrayView bytes = withoutByteOrderMark(all);
    const auto feeds = static_cast<int>(bytes.count('\n'));
    return (bytes.isEmpty() || bytes.endsWith('\n')) ? feeds : feeds + 1;
}

bool ensureFile(const QString& path) {
    if (fileExists(path)) {
        return true;
    }
    QFile file(path);
    return diskAllows(WriteStep::Open, path) && file.open(QIODevice::WriteOnly | QIODevice::Append);
}

bool appendLine(const QString& path, const QString& line) {
    QFile file(path);
    if (!diskAllows(WriteStep::Append, path) ||
        !file.open(QIODevice::ReadWrite | QIODevice::Append)) {
        return false;
    }
    const qint64 before = file.size();
    const QByteArray bytes = unterminatedEnding(file) + encodeLine(line);
    const bool written = writeBytes(file, bytes) && flushBytes(file);
    file.close();
    if (written && file.error() == QFileDevice::NoError) {
        return true;
    }
    // Half a line would run into the next one appended: the file goes back to
    // what it held.
    QFile::resize(path, before);
    return false;
}

bool truncateFile(const QString& path) {
    QFile file(path);
    return diskAllows(WriteStep::Open, path) &&
           file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

bool removeFile(const QString& path) {
    return !QFileInfo::exists(path) || (diskAllows(WriteStep::Remove, path) && QFile::remove(path));
}

bool replaceLines(const QString& path, const QStringList& lines) {
    QSaveFile file(path);
    if (!diskAllows(WriteStep::Open, path) || !file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (!writeBytes(file, encodeLines(lines)) || !flushBytes(file) ||
        !diskAllows(WriteStep::Commit, path)) {
        // commit() then throws the temporary file away.
        file.cancelWriting();
    }
    return file.commit();
}

bool replaceLinesThrough(const QString& path, const QString& scratch, const QStringList& lines) {
    QFile file(scratch);
    if (!diskAllows(WriteStep::Open, scratch) ||
        !file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const bool written = writeBytes(file, encodeLines(lines)) && flushBytes(file);
    file.close();
    if (written && file.error() == QFileDevice::NoError && renameOnto(scratch, path)) {
        return true;
    }
    QFile::remove(scratch);
    return false;
}

} // namespace quenza::platform
