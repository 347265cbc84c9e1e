// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/gfx/DirtyArea.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// How many times each pixel of a width x height picture is covered by the rectangles.
std::vector<int> Coverage(const std::vector<TRect>& rects, int width, int height)
{
    std::vector<int> count(std::size_t(width) * std::size_t(height), 0);
    for (const TRect& whole : rects) {
        const TRect r = whole.Intersect({0, 0, width, height});
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                ++count[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    }
    return count;
}

// What a toolkit region built straight from the rectangles requires: bands top to bottom,
// one top and bottom per band, left to right within it, never touching side by side.
void ExpectBanded(const std::vector<TRect>& rects)
{
    for (std::size_t i = 1; i < rects.size(); ++i) {
        const TRect& a = rects[i - 1];
        const TRect& b = rects[i];
        if (a.Top == b.Top) {
            EXPECT_EQ(a.Bottom, b.Bottom) << i;
            EXPECT_LT(a.Right, b.Left) << i;
        } else {
            EXPECT_LE(a.Bottom, b.Top) << i;
        }
    }
}

TEST(DirtyArea, CoversEveryChangedPixelOnceWithFewRectangles)
{
    const struct {
        const char* Name;
        int Width, Height;
        int Count, MaxSize;
    } pictures[] = {
        {"AtRest", 1024, 740, 80, 32},       {"FullLoad", 1920, 1050, 1600, 64}, {"Odd", 333, 97, 200, 40},
        {"WiderThanAWord", 4100, 70, 300, 70}, {"Tiny", 5, 3, 4, 3},
    };
    std::mt19937 random(77);
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.Name);
        TDirtyArea dirty;
        dirty.Resize(p.Width, p.Height);
        std::vector<TRect> drawn;
        for (int i = 0; i < p.Count; ++i) {
            const int w = int(random() % unsigned(p.MaxSize)) + 1, h = int(random() % unsigned(p.MaxSize)) + 1;
            // Some hang off the edges, as creatures at the border do.
            const int x = int(random() % unsigned(p.Width + w)) - w / 2;
            const int y = int(random() % unsigned(p.Height + h)) - h / 2;
            drawn.push_back({x, y, x + w, y + h});
            dirty.Add(drawn.back());
        }
        std::vector<TRect> shown;
        dirty.Rects(shown);
        ExpectBanded(shown);
        const std::vector<int> changed = Coverage(drawn, p.Width, p.Height);
        const std::vector<int> covered = Coverage(shown, p.Width, p.Height);
        for (std::size_t i = 0; i < changed.size(); ++i) {
            ASSERT_LE(covered[i], 1) << "pixel " << i;
            if (changed[i] > 0) {
                ASSERT_EQ(covered[i], 1) << "pixel " << i;
            }
        }
        // At most one rectangle per run of tiles in each row of tiles.
        const int tileRows = (p.Height + TDirtyArea::kTile - 1) / TDirtyArea::kTile;
        const int tileColumns = (p.Width + TDirtyArea::kTile - 1) / TDirtyArea::kTile;
        EXPECT_LE(shown.size(), std::size_t(tileRows * ((tileColumns + 1) / 2)));
        for (const TRect& r : shown) {
            EXPECT_EQ(r.Left % TDirtyArea::kTile, 0);
            EXPECT_EQ(r.Top % TDirtyArea::kTile, 0);
        }
    }
}

TEST(DirtyArea, RowsWithTheSameColumnsShareOneBand)
{
    constexpr int T = TDirtyArea::kTile;
    TDirtyArea dirty;
    dirty.Resize(9 * T + T - 4, 6 * T + T / 2);
    dirty.Add({3, 3, T - 1, 4 * T - 1});                     // column 0, rows 0 to 3
    dirty.Add({6 * T + 1, T + 2, 7 * T, 3 * T + 1});        // column 6, rows 1 to 3
    dirty.Add({9 * T + 2, 5 * T + 5, 20 * T, 20 * T});      // column 9, rows 5 and 6, clipped
    std::vector<TRect> shown{{1, 2, 3, 4}};
    dirty.Rects(shown);
    EXPECT_EQ(shown, (std::vector<TRect>{{0, 0, T, T},
                                         {0, T, T, 4 * T},
                                         {6 * T, T, 7 * T, 4 * T},
                                         {9 * T, 5 * T, 9 * T + T - 4, 6 * T + T / 2}}));
}

TEST(DirtyArea, RunsCrossWordBoundariesAndReachTheRightEdge)
{
    constexpr int T = TDirtyArea::kTile;
    TDirtyArea dirty;
    dirty.Resize(128 * T + 10, T);  // 129 tile columns: three words a row
    dirty.Add({60 * T, 0, 70 * T, 5});
    dirty.Add({127 * T, 0, 200 * T, 5});
    std::vector<TRect> shown;
    dirty.Rects(shown);
    EXPECT_EQ(shown, (std::vector<TRect>{{60 * T, 0, 70 * T, T}, {127 * T, 0, 128 * T + 10, T}}));
}

TEST(DirtyArea, ClearAndResizeForgetAndOutsideIsIgnored)
{
    TDirtyArea dirty;
    std::vector<TRect> shown;
    dirty.Add({0, 0, 10, 10});  // no picture yet
    EXPECT_TRUE(dirty.IsEmpty());
    dirty.Resize(100, 100);
    dirty.Add({-50, -50, 0, 10});
    dirty.Add({100, 0, 120, 10});
    dirty.Add({5, 5, 5, 50});
    EXPECT_TRUE(dirty.IsEmpty());
    dirty.Add({99, 99, 101, 101});
    EXPECT_FALSE(dirty.IsEmpty());
    dirty.Rects(shown);
    constexpr int lastTile = 99 / TDirtyArea::kTile * TDirtyArea::kTile;
    EXPECT_EQ(shown, (std::vector<TRect>{{lastTile, lastTile, 100, 100}}));
    dirty.Clear();
    EXPECT_TRUE(dirty.IsEmpty());
    dirty.Rects(shown);
    EXPECT_TRUE(shown.empty());
    dirty.Add({0, 0, 1, 1});
    dirty.Resize(50, 50);
    EXPECT_TRUE(dirty.IsEmpty());
}

}  // namespace
