// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "TestTank.h"

#include "creatures/Kinds.h"
#include "sim/Catalogue.h"
#include "sim/SpriteSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <tuple>

namespace {

// The bounding box of the pixels of one colour in a picture; empty if none.
TRect PaintedArea(const TBitmap& p, TColour colour)
{
    TRect box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x)
            if (p.Pixel(x, y) == colour)
                box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                       std::max(box.Bottom, y + 1)};
    return box.IsEmpty() ? TRect{} : box;
}

struct TGrowth {
    int Species;
    int GeneGrowth;
    unsigned int AgeBefore;
    int Giant;
    int Width, Height;  // as drawn
};

class GrowthSize : public testing::TestWithParam<TGrowth> {};

TEST_P(GrowthSize, DrawnSizeFollowsAgeAndGrowthGene)
{
    const TGrowth& g = GetParam();
    TTestTank t;
    TIKIMONO& c = t.Put(0, g.Species);
    c.X = 100;
    c.Y = 60;
    c.GeneGrowth = g.GeneGrowth;
    c.Age = g.AgeBefore;
    c.Giant = g.Giant;
    t.BeginDrawing();
    c.DrawBitmap(c.Bitmaps[0]);
    EXPECT_EQ(c.Age, g.AgeBefore + 1);
    const TColour colour = c.Bitmaps[0]->Pixel(0, 0);
    EXPECT_EQ(PaintedArea(t.Window.Picture(), colour), (TRect{100, 60, 100 + g.Width, 60 + g.Height}));
    // What the next step erases first is exactly what was drawn.
    c.Erase();
    EXPECT_TRUE(PaintedArea(t.Window.Picture(), colour).IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Stages, GrowthSize,
    testing::Values(TGrowth{2, 10, 0, 0, 8, 8}, TGrowth{2, 10, 9, 0, 8, 8}, TGrowth{2, 10, 10, 0, 12, 12},
                    TGrowth{2, 10, 19, 0, 12, 12}, TGrowth{2, 10, 20, 0, 16, 16}, TGrowth{2, 3, 2, 0, 8, 8},
                    TGrowth{2, 3, 3, 0, 12, 12}, TGrowth{2, 3, 5, 0, 12, 12}, TGrowth{2, 3, 6, 0, 16, 16},
                    TGrowth{16, 10, 0, 0, 3, 3}, TGrowth{16, 10, 10, 0, 3, 3}, TGrowth{16, 10, 20, 0, 6, 6},
                    TGrowth{9, 10, 10, 0, 15, 12}, TGrowth{11, 10, 0, 0, 8, 16}, TGrowth{2, 10, 0, 1, 32, 32},
                    TGrowth{5, 10, 50, 1, 64, 40}),
    [](const testing::TestParamInfo<TGrowth>& info) {
        const TGrowth& g = info.param;
        return "Species" + std::to_string(g.Species) + "Growth" + std::to_string(g.GeneGrowth) + "Age" +
               std::to_string(g.AgeBefore) + (g.Giant ? "Giant" : "");
    });

struct TFrames {
    const char* Name;
    int Species;
    std::array<int, 4> DX;
    std::array<int, 4> RunSteps;  // for tail-wavers
    std::array<const char*, 4> Sprite;
};

class FrameChoice : public testing::TestWithParam<TFrames> {};

TEST_P(FrameChoice, EachClassShowsItsFrames)
{
    const TFrames& f = GetParam();
    TTestTank t;
    TIKIMONO& c = t.Put(0, f.Species);
    c.X = 200;
    c.Y = 100;
    c.Age = 100;
    t.BeginDrawing();
    for (std::size_t i = 0; i < 4; ++i) {
        c.DX = f.DX[i];
        if (auto* waver = dynamic_cast<TSHIPPO*>(&c))
            waver->RunSteps = f.RunSteps[i];
        c.Show();
        EXPECT_EQ(t.At(200, 100), TTestTank::SpriteColour(SpriteIndex(f.Sprite[i]))) << "show " << i;
        EXPECT_EQ(c.Age, 101u + i);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Classes, FrameChoice,
    testing::Values(TFrames{"PlainFacesLeft", 2, {-1, -5, -1, -1}, {}, {"TATU1", "TATU1", "TATU1", "TATU1"}},
                    TFrames{"PlainFacesRightOrStill", 14, {1, 0, 3, -2}, {}, {"KUMANOMI2", "KUMANOMI2", "KUMANOMI2", "KUMANOMI1"}},
                    TFrames{"FishTurns", 1, {-3, 3, -3, 3}, {}, {"GYOPI1", "GYOPI2", "GYOPI1", "GYOPI2"}},
                    TFrames{"StrangeFishSwappedFrames", 6, {-1, 1, -1, 1}, {}, {"HIRAME2", "HIRAME1", "HIRAME2", "HIRAME1"}},
                    TFrames{"FlapperAlternates", 4, {-1, 1, 1, -1}, {}, {"IKA2", "IKA1", "IKA2", "IKA1"}},
                    TFrames{"CrabFlaps", 18, {1, 1, -1, 1}, {}, {"KANI2", "KANI1", "KANI2", "KANI1"}},
                    TFrames{"QuietOneFrame", 15, {-1, 1, -1, 1}, {}, {"UNI", "UNI", "UNI", "UNI"}},
                    TFrames{"WalkerLeft", 17, {-1, -1, -1, -1}, {}, {"KAI2", "KAI1", "KAI2", "KAI1"}},
                    TFrames{"WalkerRight", 11, {1, 0, 1, 1}, {}, {"KAPPA4", "KAPPA3", "KAPPA4", "KAPPA3"}},
                    TFrames{"WalkerTurnKeepsAlternating", 17, {-1, -1, 1, -1}, {}, {"KAI2", "KAI1", "KAI4", "KAI1"}},
                    TFrames{"TailWaverRunsThenWags", 20, {1, 1, 1, 1}, {5, 0, 0, 0}, {"KABUTO1", "KABUTO2", "KABUTO3", "KABUTO2"}}),
    [](const testing::TestParamInfo<TFrames>& info) { return info.param.Name; });

TEST(TailWaverShow, RunningLeavesTheTailFrame)
{
    TTestTank t;
    TSHIPPO& c = t.PutAs<TSHIPPO>(0, 20);
    c.TailFrame = 2;
    c.Show();
    EXPECT_EQ(c.TailFrame, 2);
    c.RunSteps = 0;
    c.Show();
    EXPECT_EQ(c.TailFrame, 1);
}

struct TView {
    const char* Name;
    int X, Y;
    std::optional<TRect> Drawn;  // in window pixels; none: not drawn at all
};

class ViewClipping : public testing::TestWithParam<TView> {};

// A 320 x 240 client scrolled by (2, 1) units: the view starts at tank (32, 16).
TEST_P(ViewClipping, DrawsOnlyWhatIsInViewAndAlwaysAges)
{
    const TView& v = GetParam();
    TTestTank base;
    THeadlessWindow window(base.Tank, 320, 240);
    window.SetScroll(2, 1);
    auto creature = CreateCreature(2, &window, nullptr);
    creature->X = v.X;
    creature->Y = v.Y;
    creature->Age = 100;
    const TTankDrawing drawing(window);
    const TColour colour = creature->Bitmaps[0]->Pixel(0, 0);
    creature->DrawBitmap(creature->Bitmaps[0]);
    EXPECT_EQ(creature->Age, 101u);
    EXPECT_EQ(PaintedArea(window.Picture(), colour), v.Drawn.value_or(TRect{}));
    TRect area;
    EXPECT_EQ(creature->DrawnArea(area), v.Drawn.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Positions, ViewClipping,
    testing::Values(TView{"Inside", 40, 30, TRect{8, 14, 24, 30}},
                    TView{"ClippedAtLeft", 24, 30, TRect{0, 14, 8, 30}},
                    TView{"ClippedAtTop", 40, 10, TRect{8, 0, 24, 10}},
                    TView{"ClippedAtRight", 340, 30, TRect{308, 14, 320, 30}},
                    TView{"ClippedAtBottom", 40, 250, TRect{8, 234, 24, 240}},
                    TView{"WhollyLeft", 15, 30, std::nullopt},
                    TView{"WhollyAbove", 40, -1, std::nullopt},
                    TView{"BeyondClientWidth", 353, 30, std::nullopt},
                    TView{"BeyondClientHeight", 40, 257, std::nullopt}),
    [](const testing::TestParamInfo<TView>& info) { return info.param.Name; });

TEST(DrawingWithoutContexts, CountsAgeButDrawsNothing)
{
    TTestTank t;
    TIKIMONO& c = t.Put(0, 2);
    c.X = 10;
    c.Y = 10;
    c.Show();
    c.Erase();
    EXPECT_EQ(c.Age, 1u);
    EXPECT_TRUE(t.Filled(t.Window.Picture().Bounds(), kBackgroundColour));
}

// The view test is inclusive at the client's far edges: a creature starting exactly
// there counts as in view (and draws nothing that shows), one pixel further does not.
TEST(ViewEdges, ClientEdgeIsStillInView)
{
    TTestTank t(640, 480);
    THeadlessWindow window(t.Tank, 320, 240);
    auto c = CreateCreature(2, &window, nullptr);
    TRect area;
    for (const auto& [x, y, inView] : {std::tuple{320, 0, true}, std::tuple{0, 240, true}, std::tuple{321, 0, false},
                                       std::tuple{0, 241, false}, std::tuple{-16, -16, true},
                                       std::tuple{-17, 0, false}}) {
        c->X = x;
        c->Y = y;
        EXPECT_EQ(c->DrawnArea(area), inView) << x << "," << y;
    }
}

}  // namespace
