// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/window/FrameWidgets.h"

#include "platform/services/QtImage.h"
#include "platform/window/FrameWindow.h"
#include "platform/window/Messages.h"
#include "platform/window/X11Surface.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

namespace {

unsigned Keys(const QMouseEvent* event)
{
    unsigned keys = 0;
    if (event->buttons() & Qt::LeftButton)
        keys |= MK_LBUTTON;
    if (event->buttons() & Qt::RightButton)
        keys |= MK_RBUTTON;
    if (event->modifiers() & Qt::ShiftModifier)
        keys |= MK_SHIFT;
    if (event->modifiers() & Qt::ControlModifier)
        keys |= MK_CONTROL;
    return keys;
}

}  // namespace

TClientView::TClientView(TFrameWindow* owner, QWidget* parent)
    : QWidget(parent), Owner_(owner), OnX11_(X11Connection() != nullptr)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (OnX11_) {
        // A window of its own that the toolkit neither buffers nor paints.
        setAttribute(Qt::WA_DontCreateNativeAncestors);
        setAttribute(Qt::WA_NativeWindow);
        setAttribute(Qt::WA_PaintOnScreen);
    }
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(1, 1);
}

TClientView::~TClientView() = default;

QPaintEngine* TClientView::paintEngine() const
{
    return OnX11_ ? nullptr : QWidget::paintEngine();
}

TX11Surface* TClientView::Surface()
{
    if (!OnX11_ || !testAttribute(Qt::WA_WState_Created))
        return nullptr;
    // A widget's window may be made anew, when it moves to another parent say.
    if (!Surface_ || Surface_->Window() != std::uint32_t(winId()))
        Surface_ = TX11Surface::For(*this);
    return Surface_.get();
}

void TClientView::ShowAgain(const std::vector<TRect>& banded)
{
    const int zoom = Owner_ ? Owner_->Zoom() : 1;
    if (OnX11_) {
        TX11Surface* surface = isVisible() ? Surface() : nullptr;
        if (surface && Owner_) {
            for (const TRect& r : banded)
                surface->Put(Owner_->Picture(), r, zoom);
            surface->Flush();
        }
        return;
    }
    Banded_.clear();
    for (const TRect& r : banded)
        Banded_.emplace_back(r.Left * zoom, r.Top * zoom, r.Width() * zoom, r.Height() * zoom);
    // Already in the region's own banded form, so it is taken as it is.
    QRegion region;
    region.setRects(Banded_.data(), int(Banded_.size()));
    update(region);
}

void TClientView::paintEvent(QPaintEvent* event)
{
    // Pixels are copied as they are: scaling for a dense screen and zooming are by whole pixels.
    if (!Owner_)
        return;
    if (OnX11_) {
        if (TX11Surface* surface = Surface())
            PutExposed(*surface, event->region());
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const int zoom = Owner_->Zoom();
    painter.scale(zoom, zoom);
    const TBitmap& picture = Owner_->Picture();
    const QImage image = ViewAsQImage(picture);
    for (const QRect& exposed : event->region()) {
        // The picture's pixels that the exposed screen pixels show.
        const QRect rect(QPoint(exposed.left() / zoom, exposed.top() / zoom),
                         QPoint(exposed.right() / zoom, exposed.bottom() / zoom));
        const QRect inside = rect.intersected(image.rect());
        if (!inside.isEmpty())
            painter.drawImage(inside.topLeft(), image, inside);
        if (inside != rect)
            for (const QRect& outside : QRegion(rect).subtracted(inside))
                painter.fillRect(outside, QColor(0, 255, 255));
    }
}

void TClientView::PutExposed(TX11Surface& surface, const QRegion& exposed)
{
    const int zoom = Owner_->Zoom();
    const TBitmap& picture = Owner_->Picture();
    const TRect shown{0, 0, picture.Width() * zoom, picture.Height() * zoom};
    for (const QRect& e : exposed) {
        // The picture's pixels that the exposed window pixels show; past its edge, water.
        const TRect rect{e.left() / zoom, e.top() / zoom, e.right() / zoom + 1, e.bottom() / zoom + 1};
        surface.Put(picture, rect, zoom);
        const TRect window{e.left(), e.top(), e.right() + 1, e.bottom() + 1};
        ForEachPartOutside(window, shown, [&](const TRect& part) { surface.Fill(part, kBackgroundColour); });
    }
    surface.Flush();
}

void TClientView::resizeEvent(QResizeEvent*)
{
    if (Owner_)
        Owner_->ClientResized(width(), height());
}

void TClientView::Report(QMouseEvent* event, bool doubleClick, bool release)
{
    unsigned message = 0;
    if (event->button() == Qt::LeftButton)
        message = release ? WM_LBUTTONUP : doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
    else if (event->button() == Qt::RightButton)
        message = release ? WM_RBUTTONUP : doubleClick ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN;
    if (message == 0 || !Owner_)
        return;
    const QPoint at = event->position().toPoint();
    Owner_->MouseEvent(message, Keys(event), at.x(), at.y());
}

void TClientView::mousePressEvent(QMouseEvent* event)
{
    Report(event, false, false);
}

void TClientView::mouseReleaseEvent(QMouseEvent* event)
{
    Report(event, false, true);
}

void TClientView::mouseDoubleClickEvent(QMouseEvent* event)
{
    Report(event, true, false);
}

void TClientView::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0 && Owner_)
        Owner_->WheelTurned(steps);
}

TFrameWidget::TFrameWidget(TFrameWindow* owner) : Owner_(owner)
{
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    View = new TClientView(owner, central);
    HorizontalBar = new QScrollBar(Qt::Horizontal, central);
    VerticalBar = new QScrollBar(Qt::Vertical, central);
    grid->addWidget(View, 0, 0);
    grid->addWidget(VerticalBar, 0, 1);
    grid->addWidget(HorizontalBar, 1, 0);
    setCentralWidget(central);
    HorizontalBar->hide();
    VerticalBar->hide();
    connect(HorizontalBar, &QScrollBar::valueChanged, this, [owner](int v) { owner->ScrollBarMoved(true, v); });
    connect(VerticalBar, &QScrollBar::valueChanged, this, [owner](int v) { owner->ScrollBarMoved(false, v); });

    // The window menu sits where a title bar's system menu would: first in the menu bar.
    // F10 opens it too: window managers keep Alt+Space for their own menu.
    MenuAction = menuBar()->addAction(QCoreApplication::translate("WindowMenu", "≡ Window"));
    MenuAction->setObjectName(QStringLiteral("windowMenu"));
    connect(MenuAction, &QAction::triggered, this, [owner] { owner->MenuButtonPressed(false); });
    auto* keyMenu = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(keyMenu, &QShortcut::activated, this, [owner] { owner->MenuButtonPressed(true); });
}

void TFrameWidget::closeEvent(QCloseEvent* event)
{
    // Closing always goes through the window's own close command.
    event->ignore();
    if (Owner_)
        Owner_->CloseRequested();
}

void TFrameWidget::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && Owner_)
        Owner_->StateChanged();
}

void TFrameWidget::Detach()
{
    Owner_ = nullptr;
    View->Detach();
    disconnect(HorizontalBar, nullptr, this, nullptr);
    disconnect(VerticalBar, nullptr, this, nullptr);
    disconnect(MenuAction, nullptr, this, nullptr);
    for (QShortcut* shortcut : findChildren<QShortcut*>())
        shortcut->setEnabled(false);
}
