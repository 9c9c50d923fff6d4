#include "fuzz_target.h"
#include "platform/text_file.h"

#include <QTemporaryFile>

using quenza::fuzz::require;

// The bytes go to a scratch file on disk, read back by the game's reader; one
// scratch file serves every input of the run.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryFile file;
    require(file.isOpen() || file.open(), "a scratch file can be made");
    const auto length = static_cast<qint64>(size);
    require(file.resize(0) && file.seek(0) &&
                file.write(reinterpret_cast<const char*>(data), length) == length && file.flush(),
            "the scratch file takes the input");
    quenza::fuzz::Input input{
        {reinterpret_cast<const char*>(data), size}, {}, 0xcbf29ce484222325ull};
    for (const QString& line : quenza::platform::readLinesOrEmpty(file.fileName())) {
        input.lines.push_back(line.toStdString());
    }
    for (const char c : input.bytes) {
        input.seed = (input.seed ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
    }
    quenza::fuzz::check(input);
    return 0;
}
