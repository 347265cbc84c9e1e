// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

// The tank view's own drawing on an X window, read back from a real X server: each case
// puts a picture's rectangle (or fills one) and compares every window pixel it covers.

#include "platform/window/X11Surface.h"
#include "tests/core/Pattern.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

TColour Origin(int x, int y)
{
    return RGB(x * 7, y * 5, (x + y) * 3);
}

class X11Surface : public testing::Test {
protected:
    void SetUp() override
    {
        Widget_.setAttribute(Qt::WA_NativeWindow);
        Widget_.resize(700, 560);
        Widget_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Widget_));
        Surface_ = TX11Surface::For(Widget_);
        ASSERT_NE(Surface_, nullptr);
    }

    // The window's pixel, as the server holds it.
    TColour WindowPixel(int x, int y) const
    {
        xcb_connection_t* c = X11Connection();
        xcb_get_image_reply_t* image = xcb_get_image_reply(
            c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, xcb_window_t(Widget_.winId()), std::int16_t(x), std::int16_t(y), 1, 1, ~0u),
            nullptr);
        if (!image)
            return 0;
        const TColour pixel = *reinterpret_cast<const TColour*>(xcb_get_image_data(image)) | 0xFF000000u;
        free(image);
        return pixel;
    }

    QWidget Widget_;
    std::unique_ptr<TX11Surface> Surface_;
};

struct TPutCase {
    const char* Name;
    TRect Area;  // in picture pixels
    int Scale;
};

}  // namespace

// A small part, the same part zoomed, a part hanging off the picture, and the whole
// picture, which is more than one part of the shared ring holds and fills it more than once.
TEST_F(X11Surface, PutsEveryPixelOfTheRectangleAtItsScale)
{
    const TBitmap picture = Pattern(640, 520, Origin);
    const TPutCase cases[] = {
        {"part", {10, 20, 42, 37}, 1},
        {"zoomed", {5, 6, 30, 21}, 2},
        {"off the edge", {620, 500, 700, 560}, 1},
        {"whole, twice", {0, 0, 640, 520}, 1},
        {"whole", {0, 0, 640, 520}, 1},
    };
    for (const TPutCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Surface_->Put(picture, c.Area, c.Scale);
        Surface_->Flush();
        const TRect shown = c.Area.Intersect(picture.Bounds());
        // Corners, edges and a few inner pixels of every case.
        for (int y : {shown.Top, (shown.Top + shown.Bottom) / 2, shown.Bottom - 1})
            for (int x : {shown.Left, (shown.Left + shown.Right) / 2, shown.Right - 1})
                for (int dy = 0; dy < c.Scale; ++dy)
                    for (int dx = 0; dx < c.Scale; ++dx)
                        ASSERT_EQ(WindowPixel(x * c.Scale + dx, y * c.Scale + dy), Origin(x, y))
                            << x << "," << y << " +" << dx << "," << dy;
    }
}

TEST_F(X11Surface, FillsWindowPixels)
{
    Surface_->Fill({640, 0, 700, 560}, kBackgroundColour);
    Surface_->Flush();
    EXPECT_EQ(WindowPixel(640, 0), kBackgroundColour);
    EXPECT_EQ(WindowPixel(699, 559), kBackgroundColour);
}

TEST(X11SurfaceWithoutWindow, IsNoneForAWidgetWithoutAWindowOfItsOwn)
{
    QWidget parent;
    QWidget child(&parent);
    parent.show();
    EXPECT_EQ(TX11Surface::For(child), nullptr);
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    if (!X11Connection()) {
        std::fprintf(stderr, "not on an X server\n");
        return 77;
    }
    return RUN_ALL_TESTS();
}
