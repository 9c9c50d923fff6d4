#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quenza {

// The sizes the player can scale the game's windows to, in percent.
inline constexpr std::array<int, 6> kZoomSteps{100, 125, 150, 200, 250, 300};
inline constexpr int kNormalZoom = 100;

bool isZoomStep(int percent);
// The next step up or down from `percent`; the largest and the smallest steps
// stay where they are.
int zoomedIn(int percent);
int zoomedOut(int percent);
// A zoom typed on the command line ("150" or "150%"); nothing when it is not
// one of the steps.
std::optional<int> parseZoom(std::string_view text);

} // namespace quenza
