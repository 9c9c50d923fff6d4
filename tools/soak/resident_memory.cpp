#include "resident_memory.h"

#include <fstream>
#include <sstream>
#include <string>

namespace quenza::soak {

std::optional<long> residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            std::istringstream fields(line.substr(6));
            long kilobytes = 0;
            if (fields >> kilobytes) {
                return kilobytes;
            }
        }
    }
    return std::nullopt;
}

} // namespace quenza::soak
