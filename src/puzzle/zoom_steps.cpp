#include "puzzle/zoom_steps.h"

#include <algorithm>
#include <charconv>

namespace quenza {

bool isZoomStep(int percent) {
    return std::find(kZoomSteps.begin(), kZoomSteps.end(), percent) != kZoomSteps.end();
}

int zoomedIn(int percent) {
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return next != kZoomSteps.end() ? *next : kZoomSteps.back();
}

int zoomedOut(int percent) {
    const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return next != kZoomSteps.begin() ? *(next - 1) : kZoomSteps.front();
}

std::optional<int> parseZoom(std::string_view text) {
    if (text.ends_with('%')) {
        text.remove_suffix(1);
    }
    int percent = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), percent);
    if (error != std::errc() || end != text.data() + text.size() || !isZoomStep(percent)) {
        return std::nullopt;
    }
    return percent;
}

} // namespace quenza
