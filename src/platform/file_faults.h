#pragma once

#include <QList>
#include <QString>
#include <memory>

namespace quenza::platform {

// The steps of changing the data folder, each one a place where a real disk
// can refuse: a folder made, a file opened for writing or appending, bytes
// written and flushed, a new content committed (renamed into place), a file
// removed.
enum class WriteStep { CreateFolder, Open, Append, Write, Flush, Commit, Remove };
const char* nameOf(WriteStep step);

// What the disk lets the game do. With nothing installed every step goes to
// the real disk; a test installs faults to refuse a step or to fill the disk
// without touching the real one (root ignores a read-only folder, and a full
// disk cannot be made on demand).
class FileFaults {
public:
    virtual ~FileFaults() = default;
    // Whether `step` on `path` may go ahead.
    virtual bool allows(WriteStep step, const QString& path) = 0;
    // How many of the `size` bytes about to be written to `path` still fit.
    virtual qint64 room(const QString& path, qint64 size) = 0;
};

// Null goes back to the real disk.
void installFileFaults(std::unique_ptr<FileFaults> faults);

// Asked by the file functions before each step.
bool diskAllows(WriteStep step, const QString& path);
qint64 diskRoom(const QString& path, qint64 size);

// A disk a test scripts. It records every step it is asked about, refuses the
// one numbered `failingStep` (counted from 1 over all steps) or every step
// while `readOnly`, and is full once `freeBytes` more bytes were written.
class ScriptedDisk final : public FileFaults {
public:
    bool allows(WriteStep step, const QString& path) override;
    qint64 room(const QString& path, qint64 size) override;

    QList<WriteStep> steps;
    int failingStep = 0; // 0: none fails
    bool readOnly = false;
    qint64 freeBytes = -1; // negative: never full
};
// Installs a fresh scripted disk and returns it (owned by the platform layer).
ScriptedDisk& installScriptedDisk();

} // namespace quenza::platform
