// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/window/X11Surface.h"

#include <QGuiApplication>
#include <QWidget>

#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>

namespace {

// Room for a few ticks of a calm tank, and little enough to leave the memory in use small.
constexpr std::size_t kRingPixels = 256 * 1024;

// Waits until the server has handled every request sent before.
void Sync(xcb_connection_t* connection)
{
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

}  // namespace

xcb_connection_t* X11Connection()
{
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

std::unique_ptr<TX11Surface> TX11Surface::For(QWidget& widget)
{
    xcb_connection_t* connection = X11Connection();
    if (!connection || !widget.testAttribute(Qt::WA_NativeWindow))
        return nullptr;
    const auto window = std::uint32_t(widget.winId());
    // The depth decides the image format; asked once, when the surface is made.
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    if (!geometry)
        return nullptr;
    const std::uint8_t depth = geometry->depth;
    free(geometry);
    // Pixels go as 32-bit words, 0xXXRRGGBB, which only these depths take.
    if (depth != 24 && depth != 32)
        return nullptr;
    return std::unique_ptr<TX11Surface>(new TX11Surface(connection, window, depth));
}

TX11Surface::TX11Surface(xcb_connection_t* connection, std::uint32_t window, std::uint8_t depth)
    : Connection_(connection), Window_(window), Context_(xcb_generate_id(connection)), Depth_(depth)
{
    // Graphics exposures would answer every request with an event nobody reads.
    const std::uint32_t noExposures = 0;
    xcb_create_gc(Connection_, Context_, Window_, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    // The request's own header takes 24 bytes of the longest request the server accepts.
    const std::size_t maxBytes = std::size_t(xcb_get_maximum_request_length(Connection_)) * 4;
    MaxPixels_ = std::max<std::size_t>((maxBytes - 24) / sizeof(TColour), 1);
    ShareRing();
}

void TX11Surface::ShareRing()
{
    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(Connection_, &xcb_shm_id);
    if (!shm || !shm->present)
        return;
    SegmentId_ = shmget(IPC_PRIVATE, kRingPixels * sizeof(TColour), IPC_CREAT | 0600);
    if (SegmentId_ < 0)
        return;
    void* address = shmat(SegmentId_, nullptr, 0);
    Segment_ = xcb_generate_id(Connection_);
    // A server on another machine cannot attach it; then the pixels go inside the requests.
    xcb_generic_error_t* error =
        address == reinterpret_cast<void*>(-1)
            ? nullptr
            : xcb_request_check(Connection_, xcb_shm_attach_checked(Connection_, Segment_, std::uint32_t(SegmentId_), 1));
    // Both sides hold it now (or it failed); it goes away once both let it go.
    shmctl(SegmentId_, IPC_RMID, nullptr);
    if (address == reinterpret_cast<void*>(-1) || error) {
        free(error);
        if (address != reinterpret_cast<void*>(-1))
            shmdt(address);
        SegmentId_ = -1;
        return;
    }
    Ring_ = static_cast<TColour*>(address);
    MaxPixels_ = std::min(MaxPixels_, kRingPixels);
}

TX11Surface::~TX11Surface()
{
    if (Ring_) {
        xcb_shm_detach(Connection_, Segment_);
        // The server reads the ring until it has handled the requests that name it.
        Sync(Connection_);
        shmdt(Ring_);
    }
    xcb_free_gc(Connection_, Context_);
    xcb_flush(Connection_);
}

TColour* TX11Surface::Room(std::size_t pixels)
{
    if (!Ring_) {
        Rows_.resize(pixels);
        return Rows_.data();
    }
    if (RingUsed_ + pixels > kRingPixels) {
        // Starting over at the front: what the server still has to read there must be read.
        Sync(Connection_);
        RingUsed_ = 0;
    }
    TColour* room = Ring_ + RingUsed_;
    RingUsed_ += pixels;
    return room;
}

void TX11Surface::PutRows(int x, int y, int width, int height, const TColour* pixels)
{
    if (Ring_) {
        xcb_shm_put_image(Connection_, Window_, Context_, std::uint16_t(width), std::uint16_t(height), 0, 0,
                          std::uint16_t(width), std::uint16_t(height), std::int16_t(x), std::int16_t(y), Depth_,
                          XCB_IMAGE_FORMAT_Z_PIXMAP, 0, Segment_, std::uint32_t((pixels - Ring_) * sizeof(TColour)));
        return;
    }
    xcb_put_image(Connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, Window_, Context_, std::uint16_t(width), std::uint16_t(height),
                  std::int16_t(x), std::int16_t(y), 0, Depth_, std::uint32_t(std::size_t(width) * std::size_t(height) * sizeof(TColour)),
                  reinterpret_cast<const std::uint8_t*>(pixels));
}

void TX11Surface::Put(const TBitmap& picture, const TRect& area, int scale)
{
    const TRect r = area.Intersect(picture.Bounds());
    if (r.IsEmpty() || scale < 1)
        return;
    const std::size_t width = std::size_t(r.Width()) * std::size_t(scale);
    // Whole picture rows at a time, as many as one request or part of the ring takes.
    const int rowsAtOnce = int(std::clamp<std::size_t>(MaxPixels_ / width / std::size_t(scale), 1, std::size_t(r.Height())));
    for (int top = r.Top; top < r.Bottom; top += rowsAtOnce) {
        const int rows = std::min(rowsAtOnce, r.Bottom - top);
        TColour* const first = Room(width * std::size_t(rows) * std::size_t(scale));
        TColour* out = first;
        for (int y = top; y < top + rows; ++y) {
            const TColour* in = picture.Row(y) + r.Left;
            if (scale == 1) {
                out = std::copy(in, in + r.Width(), out);
                continue;
            }
            TColour* row = out;
            for (int x = 0; x < r.Width(); ++x)
                out = std::fill_n(out, scale, in[x]);
            for (int copy = 1; copy < scale; ++copy)
                out = std::copy(row, row + width, out);
        }
        PutRows(r.Left * scale, top * scale, int(width), rows * scale, first);
    }
}

void TX11Surface::Fill(const TRect& windowArea, TColour colour)
{
    if (windowArea.IsEmpty())
        return;
    const std::uint32_t foreground = colour;
    xcb_change_gc(Connection_, Context_, XCB_GC_FOREGROUND, &foreground);
    const xcb_rectangle_t rect{std::int16_t(windowArea.Left), std::int16_t(windowArea.Top),
                               std::uint16_t(windowArea.Width()), std::uint16_t(windowArea.Height())};
    xcb_poly_fill_rectangle(Connection_, Window_, Context_, 1, &rect);
}

void TX11Surface::Flush()
{
    xcb_flush(Connection_);
}
