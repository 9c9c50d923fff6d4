#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace quenza::platform {

// Whole text files. Every step that changes the disk asks the installed file
// faults first (file_faults.h); a refused step fails the call. Reading accepts CR LF and LF and
// decodes line by line: a line that is valid UTF-8 is read as UTF-8, any other line as
// Windows-1252. Writing uses UTF-8 and CR LF after every line, so a rewrite keeps a UTF-8 line byte
// for byte and turns a Windows-1252 line into the same text in UTF-8.
bool fileExists(const QString& path);
qint64 fileSize(const QString& path); // -1 when missing
// std::nullopt when the file is missing or unreadable.
std::optional<QStringList> readLines(const QString& path);
// Lines of a file; a missing or unreadable file has none.
QStringList readLinesOrEmpty(const QString& path);
int countLines(const QString& path);

// Creates an empty file when missing; an existing one is left as it is.
bool ensureFile(const QString& path);
// Ends an unterminated last line first, so `line` always starts a line of its
// own. A line that cannot be written whole is taken back out.
bool appendLine(const QString& path, const QString& line);
bool truncateFile(const QString& path);
bool removeFile(const QString& path); // true when no file is left (a missing one too)

// Replaces `path` with `lines` atomically: the old content stays whole when
// the new one cannot be written, and no temporary file is left behind.
bool replaceLines(const QString& path, const QStringList& lines);
// The same through a scratch file of a known name (same folder): `lines` are
// written to `scratch`, which is then renamed onto `path`. Whatever an earlier
// rewrite left in `scratch` is overwritten, never appended to; on failure the
// scratch file this call made is removed.
bool replaceLinesThrough(const QString& path, const QString& scratch, const QStringList& lines);

} // namespace quenza::platform
