#include "puzzle/zoom_steps.h"

#include <gtest/gtest.h>
#include <vector>

namespace quenza {
namespace {

TEST(ZoomSteps, StepUpAndDownThroughEveryStepAndStopAtTheEnds) {
    std::vector<int> up{kNormalZoom};
    while (zoomedIn(up.back()) != up.back()) {
        up.push_back(zoomedIn(up.back()));
    }
    EXPECT_EQ(up, (std::vector<int>{100, 125, 150, 200, 250, 300}));
    std::vector<int> down{300};
    while (zoomedOut(down.back()) != down.back()) {
        down.push_back(zoomedOut(down.back()));
    }
    EXPECT_EQ(down, (std::vector<int>{300, 250, 200, 150, 125, 100}));
}

TEST(ZoomSteps, ParsesOnlyTheStepsWithOrWithoutPercentSign) {
    EXPECT_EQ(parseZoom("200"), 200);
    EXPECT_EQ(parseZoom("125%"), 125);
    for (const char* wrong : {"", "%", "175", "0", "-100", "200 ", " 200", "2e2", "abc", "1000"}) {
        EXPECT_EQ(parseZoom(wrong), std::nullopt) << wrong;
    }
}

} // namespace
} // namespace quenza
