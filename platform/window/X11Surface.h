// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/gfx/Bitmap.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class QWidget;
struct xcb_connection_t;

// The application's connection to the X server; null on any other platform.
xcb_connection_t* X11Connection();

// Shows a picture's pixels on a widget's own X window, outside the toolkit's paint cycle:
// no round trip, no back buffer, one write to the server for a tick's few rectangles.
// Their pixels go through a ring of memory shared with the server when it offers one
// (each rectangle copied to a part the server has finished reading), and inside the
// requests otherwise, as over a network.
class TX11Surface {
public:
    // Null unless the application runs on X and the widget has a window of its own.
    static std::unique_ptr<TX11Surface> For(QWidget& widget);
    ~TX11Surface();
    TX11Surface(const TX11Surface&) = delete;
    TX11Surface& operator=(const TX11Surface&) = delete;

    std::uint32_t Window() const { return Window_; }
    // Puts the picture's rectangle `area` on the window, each pixel as a scale x scale block
    // at scale times its place.
    void Put(const TBitmap& picture, const TRect& area, int scale);
    // Fills a rectangle of window pixels with one colour.
    void Fill(const TRect& windowArea, TColour colour);
    // Sends what was asked so far.
    void Flush();

private:
    TX11Surface(xcb_connection_t* connection, std::uint32_t window, std::uint8_t depth);
    void ShareRing();
    // Room for this many pixels in the request or the ring; null when there is none.
    TColour* Room(std::size_t pixels);
    void PutRows(int x, int y, int width, int height, const TColour* pixels);

    xcb_connection_t* Connection_;
    std::uint32_t Window_;
    std::uint32_t Context_;
    std::uint8_t Depth_;
    std::size_t MaxPixels_;  // of one request or one part of the ring
    // The shared ring: its segment on both sides and the next free pixel.
    std::uint32_t Segment_ = 0;
    int SegmentId_ = -1;
    TColour* Ring_ = nullptr;
    std::size_t RingUsed_ = 0;
    std::vector<TColour> Rows_;  // the pixels of one request, kept for their storage
};
