// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/gfx/DeviceContext.h"
#include "tests/core/Pattern.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

namespace {

// Every source pixel tells where it came from.
TColour Origin(int x, int y)
{
    return RGB(x, y, 200);
}

// A memory context drawing into `target`, another reading from `source`.
struct TBlitPair {
    TBlitPair(TBitmap& target, TBitmap& source) : To(CreateCompatibleDC(nullptr)), From(CreateCompatibleDC(nullptr))
    {
        SelectObject(To, &target);
        SelectObject(From, &source);
    }
    ~TBlitPair()
    {
        DeleteDC(To);
        DeleteDC(From);
    }
    HDC To;
    HDC From;
};

struct TStretch {
    const char* Name;
    int SourceSize;
    int DrawnSize;
    std::vector<int> SourceOf;  // source column (and row) of each drawn one
};

class StretchSizes : public testing::TestWithParam<TStretch> {};

TEST_P(StretchSizes, NearestNeighbourPicksTheseSourcePixels)
{
    const TStretch& s = GetParam();
    TBitmap source = Pattern(s.SourceSize, s.SourceSize, Origin);
    TBitmap target(40, 40);
    TBlitPair dc(target, source);
    ASSERT_TRUE(StretchBlt(dc.To, 2, 3, s.DrawnSize, s.DrawnSize, dc.From, 0, 0, s.SourceSize, s.SourceSize, SRCCOPY));
    for (int y = 0; y < s.DrawnSize; ++y)
        for (int x = 0; x < s.DrawnSize; ++x)
            ASSERT_EQ(target.Pixel(2 + x, 3 + y), Origin(s.SourceOf[std::size_t(x)], s.SourceOf[std::size_t(y)]))
                << x << "," << y;
    EXPECT_EQ(target.Pixel(2 + s.DrawnSize, 3), kBackgroundColour);
    EXPECT_EQ(target.Pixel(2, 3 + s.DrawnSize), kBackgroundColour);
    EXPECT_EQ(target.Pixel(1, 3), kBackgroundColour);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, StretchSizes,
    testing::Values(TStretch{"ThreeQuarters", 16, 12, {0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14}},
                    TStretch{"Half", 16, 8, {0, 2, 4, 6, 8, 10, 12, 14}},
                    TStretch{"SmallHalf", 6, 3, {0, 2, 4}},
                    TStretch{"Double", 4, 8, {0, 0, 1, 1, 2, 2, 3, 3}},
                    TStretch{"Same", 5, 5, {0, 1, 2, 3, 4}}),
    [](const testing::TestParamInfo<TStretch>& info) { return info.param.Name; });

struct TClip {
    const char* Name;
    int X, Y;
};

class BitBltClipping : public testing::TestWithParam<TClip> {};

TEST_P(BitBltClipping, CopiesOnlyWhatFallsInsideTheTarget)
{
    const TClip& c = GetParam();
    TBitmap source = Pattern(16, 16, Origin);
    TBitmap target(20, 20);
    TBlitPair dc(target, source);
    EXPECT_TRUE(BitBlt(dc.To, c.X, c.Y, 16, 16, dc.From, 0, 0, SRCCOPY));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const int sx = x - c.X, sy = y - c.Y;
            const bool covered = sx >= 0 && sx < 16 && sy >= 0 && sy < 16;
            ASSERT_EQ(target.Pixel(x, y), covered ? Origin(sx, sy) : kBackgroundColour) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Places, BitBltClipping,
                         testing::Values(TClip{"Inside", 2, 2}, TClip{"LeftTop", -5, -3}, TClip{"RightBottom", 15, 12},
                                         TClip{"WhollyOutside", 25, 0}, TClip{"WhollyAbove", 0, -16}),
                         [](const testing::TestParamInfo<TClip>& info) { return info.param.Name; });

TEST(StretchBltClipping, ScalesFromTheUnclippedRectangle)
{
    TBitmap source = Pattern(16, 16, Origin);
    TBitmap target(20, 20);
    TBlitPair dc(target, source);
    StretchBlt(dc.To, -4, 16, 8, 8, dc.From, 0, 0, 16, 16, SRCCOPY);
    EXPECT_EQ(target.Pixel(0, 16), Origin(8, 0));
    EXPECT_EQ(target.Pixel(3, 19), Origin(14, 6));
    EXPECT_EQ(target.Pixel(4, 16), kBackgroundColour);
}

// The transfer as written down, pixel by pixel, without any of the shortcuts.
void ReferenceStretch(TBitmap& to, int x, int y, int w, int h, const TBitmap& from, int sx, int sy, int sw, int sh)
{
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const int dx = x + i, dy = y + j;
            const int scol = sx + int((long long)i * sw / w), srow = sy + int((long long)j * sh / h);
            if (dx >= 0 && dx < to.Width() && dy >= 0 && dy < to.Height() && scol >= 0 && scol < from.Width() &&
                srow >= 0 && srow < from.Height())
                to.SetPixel(dx, dy, from.Pixel(scol, srow));
        }
}

bool SamePixels(const TBitmap& a, const TBitmap& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

// Random transfers of every kind: same size, shrinking and growing on each axis, wider
// than a slice of the column table, hanging off every edge of either bitmap, and from
// outside the source altogether. Each also runs from a one-colour source, which is drawn
// by filling, against a copy of it that is not known to be of one colour.
TEST(StretchBltEquivalence, MatchesThePixelByPixelTransfer)
{
    std::mt19937 random(20240611);
    auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int round = 0; round < 4000; ++round) {
        const bool wide = round % 10 == 0;
        TBitmap source = Pattern(between(1, 70), between(1, 70), Origin);
        TBitmap start = Pattern(wide ? between(300, 700) : between(1, 90), between(1, 90), Origin);
        start.Fill({0, 0, 5, 5}, RGB(9, 9, 9));
        const int w = wide ? between(257, 650) : between(1, 100), h = between(1, 100);
        const int x = between(-w - 5, start.Width() + 5), y = between(-h - 5, start.Height() + 5);
        const int sw = round % 3 == 0 ? w : between(1, 100), sh = round % 3 == 0 ? h : between(1, 100);
        const int sx = between(-sw - 5, source.Width() + 5), sy = between(-sh - 5, source.Height() + 5);
        SCOPED_TRACE(testing::Message() << "round " << round << ": " << x << "," << y << " " << w << "x" << h
                                        << " from " << sx << "," << sy << " " << sw << "x" << sh);

        TBitmap expected = start, got = start;
        ReferenceStretch(expected, x, y, w, h, source, sx, sy, sw, sh);
        {
            TBlitPair dc(got, source);
            ASSERT_TRUE(StretchBlt(dc.To, x, y, w, h, dc.From, sx, sy, sw, sh, SRCCOPY));
        }
        ASSERT_TRUE(SamePixels(got, expected));

        TBitmap solid(source.Width(), source.Height(), RGB(1, 250, 3));
        TBitmap sameColour = solid;
        sameColour.SetPixel(0, 0, RGB(1, 250, 3));
        ASSERT_TRUE(solid.SolidColour());
        ASSERT_FALSE(sameColour.SolidColour());
        TBitmap filled = start, copied = start;
        {
            TBlitPair dc(filled, solid);
            StretchBlt(dc.To, x, y, w, h, dc.From, sx, sy, sw, sh, SRCCOPY);
        }
        {
            TBlitPair dc(copied, sameColour);
            StretchBlt(dc.To, x, y, w, h, dc.From, sx, sy, sw, sh, SRCCOPY);
        }
        ASSERT_TRUE(SamePixels(filled, copied));
    }
}

// Erasing only what the next drawing leaves uncovered must leave the same pixels as erasing
// everything first: rectangles apart, touching, overlapping on each side, one inside the
// other, empty and hanging off the picture.
TEST(FillOutside, EqualsFillingAllThenDrawingWhatIsKept)
{
    std::mt19937 random(20261210);
    auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    auto anyRect = [&] {
        const int left = between(-8, 40), top = between(-8, 40);
        return TRect{left, top, left + between(-2, 30), top + between(-2, 30)};
    };
    const TBitmap start = Pattern(40, 36, Origin);
    for (int round = 0; round < 3000; ++round) {
        const TRect area = anyRect(), kept = anyRect();
        SCOPED_TRACE(testing::Message() << "round " << round);
        TBitmap expected = start, got = start;
        expected.Fill(area, RGB(1, 2, 3));
        expected.Fill(kept, RGB(7, 8, 9));
        {
            HDC dc = CreateCompatibleDC(nullptr);
            SelectObject(dc, &got);
            ASSERT_TRUE(FillOutside(dc, area, kept, RGB(1, 2, 3)));
            DeleteDC(dc);
        }
        got.Fill(kept, RGB(7, 8, 9));
        ASSERT_TRUE(SamePixels(got, expected));
    }
}

TEST(StretchBltEquivalence, ExtremeOffsetsAndSizesStayInside)
{
    TBitmap source = Pattern(16, 16, Origin);
    TBitmap target(20, 20);
    TBitmap expected = target;
    TBlitPair dc(target, source);
    const int big = 2000000000;
    EXPECT_TRUE(StretchBlt(dc.To, -big, -big, big, big, dc.From, 0, 0, 16, 16, SRCCOPY));
    EXPECT_TRUE(StretchBlt(dc.To, 0, 0, 20, 20, dc.From, -big, -big, big, big, SRCCOPY));
    EXPECT_TRUE(StretchBlt(dc.To, 0, 0, 20, 20, dc.From, 15, 15, big, big, SRCCOPY));
    ReferenceStretch(expected, 0, 0, 20, 20, source, 15, 15, big, big);
    EXPECT_TRUE(SamePixels(target, expected));
    EXPECT_EQ(target.Pixel(0, 0), Origin(15, 15));
}

// The blank bitmap erases by filling: what it leaves equals a copy of its pixels, also for
// a rectangle larger than the blank bitmap itself, whose uncovered part stays as it was.
TEST(StretchBltEquivalence, ErasingWithTheBlankBitmapEqualsCopyingIt)
{
    const auto blank = std::unique_ptr<TBitmap>(LoadBitmapA("BLANC"));
    ASSERT_TRUE(blank);
    ASSERT_EQ(blank->SolidColour(), kBackgroundColour);
    TBitmap plain = *blank;
    plain.SetPixel(0, 0, kBackgroundColour);
    ASSERT_FALSE(plain.SolidColour());
    const struct {
        int X, Y, W, H, SW, SH;
    } erases[] = {{10, 10, 16, 16, 16, 16}, {-5, 30, 12, 12, 16, 16}, {90, 90, 64, 64, 32, 32},
                  {3, 4, 100, 90, 80, 70},  {0, 0, 40, 40, 100, 100}, {50, -20, 8, 30, 16, 64}};
    for (const auto& e : erases) {
        TBitmap filled = Pattern(120, 100, Origin), copied = Pattern(120, 100, Origin);
        {
            TBlitPair dc(filled, *blank);
            StretchBlt(dc.To, e.X, e.Y, e.W, e.H, dc.From, 0, 0, e.SW, e.SH, SRCCOPY);
        }
        {
            TBlitPair dc(copied, plain);
            StretchBlt(dc.To, e.X, e.Y, e.W, e.H, dc.From, 0, 0, e.SW, e.SH, SRCCOPY);
        }
        EXPECT_TRUE(SamePixels(filled, copied)) << e.X << "," << e.Y << " " << e.W << "x" << e.H;
    }
}

TEST(Bitmap, KnowsItIsOfOneColourOnlyUntilWrittenTo)
{
    TBitmap b(4, 3, RGB(5, 6, 7));
    EXPECT_EQ(b.SolidColour(), RGB(5, 6, 7));
    b.SetPixel(1, 1, RGB(5, 6, 7));
    EXPECT_FALSE(b.SolidColour());
    b.FindSolidColour();
    EXPECT_EQ(b.SolidColour(), RGB(5, 6, 7));
    b.Row(2)[3] = RGB(1, 1, 1);
    EXPECT_FALSE(b.SolidColour());
    b.FindSolidColour();
    EXPECT_FALSE(b.SolidColour());

    TBitmap c(4, 3);
    c.Fill({0, 0, 1, 1}, RGB(1, 1, 1));
    EXPECT_FALSE(c.SolidColour());
    TBitmap d(4, 3);
    d.Shift(1, 0, RGB(2, 2, 2));
    EXPECT_FALSE(d.SolidColour());
    TBitmap e(4, 3);
    e.Resize(8, 3, RGB(2, 2, 2));
    EXPECT_FALSE(e.SolidColour());
    EXPECT_FALSE(TBitmap(0, 5).SolidColour());
    // Read through a const view, it stays known.
    const TBitmap& f = b = TBitmap(2, 2);
    f.Row(0);
    EXPECT_TRUE(f.SolidColour());
}

TEST(Blit, WindowContextShowsWhatChangedWhenReleased)
{
    struct TRecorder final : TDrawable {
        TRecorder() { Dirty.Resize(70, 50); }
        TBitmap Image{70, 50};
        TDirtyArea Dirty;
        std::vector<TRect> Shown;
        int Presents = 0;
        TBitmap& Picture() override { return Image; }
        TDirtyArea* Changes() override { return &Dirty; }
        void Present() override
        {
            ++Presents;
            Dirty.Rects(Shown);
            Dirty.Clear();
        }
    } window;
    TBitmap source = Pattern(8, 8, Origin);
    HDC on = GetDC(&window);
    HDC memory = CreateCompatibleDC(on);
    SelectObject(memory, &source);
    BitBlt(on, 65, 1, 8, 8, memory, 0, 0, SRCCOPY);
    EXPECT_EQ(window.Presents, 0);
    DeleteDC(memory);
    ReleaseDC(&window, on);
    // The tiles holding the blit, clipped to the picture.
    constexpr int T = TDirtyArea::kTile;
    EXPECT_EQ(window.Presents, 1);
    EXPECT_EQ(window.Shown, (std::vector<TRect>{{65 / T * T, 0, 70, (8 + T) / T * T}}));

    // A context that changed nothing shows nothing.
    ReleaseDC(&window, GetDC(&window));
    EXPECT_EQ(window.Presents, 1);
}

}  // namespace
