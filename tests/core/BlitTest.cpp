#include "base/gfx/DeviceContext.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every source pixel tells where it came from.
TColour Origin(int x, int y)
{
    return RGB(x, y, 200);
}

TBitmap Pattern(int width, int height)
{
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            b.SetPixel(x, y, Origin(x, y));
    return b;
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
    TBitmap source = Pattern(s.SourceSize, s.SourceSize);
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
    TBitmap source = Pattern(16, 16);
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
    TBitmap source = Pattern(16, 16);
    TBitmap target(20, 20);
    TBlitPair dc(target, source);
    StretchBlt(dc.To, -4, 16, 8, 8, dc.From, 0, 0, 16, 16, SRCCOPY);
    EXPECT_EQ(target.Pixel(0, 16), Origin(8, 0));
    EXPECT_EQ(target.Pixel(3, 19), Origin(14, 6));
    EXPECT_EQ(target.Pixel(4, 16), kBackgroundColour);
}

TEST(Blit, WindowContextReportsWhatChanged)
{
    struct TRecorder final : TDrawable {
        TBitmap Image{30, 30};
        std::vector<TRect> Shown;
        TBitmap& Picture() override { return Image; }
        void Present(const std::vector<TRect>& changed) override { Shown = changed; }
    } window;
    TBitmap source = Pattern(8, 8);
    HDC on = GetDC(&window);
    HDC memory = CreateCompatibleDC(on);
    SelectObject(memory, &source);
    BitBlt(on, 25, 1, 8, 8, memory, 0, 0, SRCCOPY);
    DeleteDC(memory);
    ReleaseDC(&window, on);
    EXPECT_EQ(window.Shown, (std::vector<TRect>{{25, 1, 30, 9}}));
}

}  // namespace
