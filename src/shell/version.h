#pragma once

namespace quenza {
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 7;
} // namespace quenza
