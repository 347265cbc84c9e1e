// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/window/HostWindow.h"

#include "platform/window/X11Surface.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>

// Sees the host's own events before the toolkit does.
class THostWindow::TWatch final : public QAbstractNativeEventFilter {
public:
    explicit TWatch(THostWindow& host) : Host_(host) { qApp->installNativeEventFilter(this); }
    ~TWatch() override { qApp->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const int kind = event->response_type & ~0x80;
        // Once the host is gone, so is our window inside it; the toolkit's requests on it fail.
        if (kind == 0)
            return Destroyed_;
        if (kind == XCB_DESTROY_NOTIFY &&
            reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window == Host_.Id_ && !Destroyed_) {
            Destroyed_ = true;
            if (Host_.Gone)
                Host_.Gone();
        } else if (kind == XCB_CONFIGURE_NOTIFY) {
            const auto* configure = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
            if (configure->window == Host_.Id_ && Widget_) {
                Host_.Width_ = configure->width;
                Host_.Height_ = configure->height;
                Widget_->setGeometry(0, 0, Host_.Width_, Host_.Height_);
            }
        }
        return false;
    }

    QPointer<QWidget> Widget_;

private:
    THostWindow& Host_;
    bool Destroyed_ = false;
};

THostWindow::THostWindow(std::uint64_t id, int width, int height) : Id_(id), Width_(width), Height_(height) {}

THostWindow::~THostWindow() = default;

std::unique_ptr<THostWindow> THostWindow::Find(std::uint64_t id)
{
    xcb_connection_t* connection = X11Connection();
    if (!connection || id == 0 || id > UINT32_MAX)
        return nullptr;
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, xcb_drawable_t(id)), nullptr);
    if (!geometry)
        return nullptr;
    std::unique_ptr<THostWindow> host(new THostWindow(id, geometry->width, geometry->height));
    std::free(geometry);
    return host;
}

std::unique_ptr<THostWindow> THostWindow::Root()
{
    xcb_connection_t* connection = X11Connection();
    if (!connection)
        return nullptr;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    return screen ? Find(screen->root) : nullptr;
}

void THostWindow::Adopt(QWidget* widget)
{
    xcb_connection_t* connection = X11Connection();
    if (!connection || !widget)
        return;
    // Told of the host's size changes and of its end.
    const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, xcb_window_t(Id_), XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
    Watch_ = std::make_unique<TWatch>(*this);
    Watch_->Widget_ = widget;
    widget->setWindowFlags(Qt::FramelessWindowHint);
    widget->winId();
    widget->windowHandle()->setParent(QWindow::fromWinId(WId(Id_)));
    widget->setGeometry(0, 0, Width_, Height_);
}
