// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "sim/TankLimits.h"

#include <gtest/gtest.h>

namespace {

struct TWidthRule {
    int Width;
    int Capacity;
};

class CapacityRule : public testing::TestWithParam<TWidthRule> {};

TEST_P(CapacityRule, ByScreenWidth)
{
    EXPECT_EQ(CapacityForScreenWidth(GetParam().Width), GetParam().Capacity);
}

INSTANTIATE_TEST_SUITE_P(Widths, CapacityRule,
                         testing::Values(TWidthRule{0, 100}, TWidthRule{320, 100}, TWidthRule{640, 100},
                                         TWidthRule{641, 150}, TWidthRule{800, 150}, TWidthRule{801, 400},
                                         TWidthRule{1024, 400}, TWidthRule{3840, 400}),
                         [](const testing::TestParamInfo<TWidthRule>& info) {
                             return "Width" + std::to_string(info.param.Width);
                         });

}  // namespace
