#pragma once

#include <optional>

namespace quenza::soak {

// The process's resident memory (VmRSS) in kB, as /proc/self/status has it;
// nullopt where there is no such file.
std::optional<long> residentKilobytes();

} // namespace quenza::soak
