#include "fuzz_target.h"
#include "platform/text_file.h"

#include <QTemporaryFile>

namespace quenza::fuzz {

// The bytes go to a scratch file on disk, read back by the game's reader; one
// scratch file serves every input of the run.
std::vector<std::string> linesAsTheGameReads(std::string_view bytes) {
    static QTemporaryFile file;
    require(file.isOpen() || file.open(), "a scratch file can be made");
    const auto size = static_cast<qint64>(bytes.size());
    require(file.resize(0) && file.seek(0) && file.write(bytes.data(), size) == size &&
                file.flush(),
            "the scratch file takes the input");
    std::vector<std::string> lines;
    for (const QString& line : platform::readLinesOrEmpty(file.fileName())) {
        lines.push_back(line.toStdString());
    }
    return lines;
}

} // namespace quenza::fuzz
