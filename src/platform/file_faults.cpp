#include "platform/file_faults.h"

#include <algorithm>

namespace quenza::platform {

namespace {

std::unique_ptr<FileFaults> installedFaults;

} // namespace

const char* nameOf(WriteStep step) {
    switch (step) {
    case WriteStep::CreateFolder:
        return "create folder";
    case WriteStep::Open:
        return "open";
    case WriteStep::Append:
        return "append";
    case WriteStep::Write:
        return "write";
    case WriteStep::Flush:
        return "flush";
    case WriteStep::Commit:
        return "commit";
    case WriteStep::Remove:
        return "remove";
    }
    return "?";
}

void installFileFaults(std::unique_ptr<FileFaults> faults) {
    installedFaults = std::move(faults);
}

bool diskAllows(WriteStep step, const QString& path) {
    return installedFaults == nullptr || installedFaults->allows(step, path);
}

qint64 diskRoom(const QString& path, qint64 size) {
    return installedFaults == nullptr ? size : installedFaults->room(path, size);
}

bool ScriptedDisk::allows(WriteStep step, const QString&) {
    steps.append(step);
    return !readOnly && steps.size() != failingStep;
}

qint64 ScriptedDisk::room(const QString&, qint64 size) {
    if (freeBytes < 0) {
        return size;
    }
    const qint64 fits = std::min(size, freeBytes);
    freeBytes -= fits;
    return fits;
}

ScriptedDisk& installScriptedDisk() {
    auto disk = std::make_unique<ScriptedDisk>();
    ScriptedDisk& installed = *disk;
    installFileFaults(std::move(disk));
    return installed;
}

} // namespace quenza::platform
