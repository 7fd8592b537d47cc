#include "controls/wheel_notches.h"

#include <gtest/gtest.h>

#include <vector>

namespace vintrel {
namespace {

TEST(WheelNotches, SmallStepsAddUpAndATurnDropsTheRest) {
    const struct {
        std::vector<int> deltas;
        std::vector<int> notches;
    } cases[] = {
        {{120, -240, 360}, {1, -2, 3}},   // a mouse wheel: whole notches at once
        {{40, 40, 40, 40}, {0, 0, 1, 0}}, // a touchpad: a notch every 120
        {{-30, -30, -30, -30}, {0, 0, 0, -1}},
        {{100, -100, -30}, {0, 0, -1}}, // turning drops the 100 left over
        {{250, 110}, {2, 1}},           // 10 left after 250, 120 with the next
    };
    for (const auto& c : cases) {
        WheelNotches wheel;
        std::vector<int> got;
        for (int delta : c.deltas)
            got.push_back(wheel.take(delta));
        EXPECT_EQ(got, c.notches);
    }
}

} // namespace
} // namespace vintrel
