// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/window/FrameWindow.h"

#include "platform/window/FrameWidgets.h"
#include "platform/window/HostWindow.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>

namespace {

constexpr int kWheelLines = 3;

// Screen pixels to picture pixels, rounding toward minus infinity.
int Unzoomed(int value, int zoom)
{
    return value >= 0 ? value / zoom : -((-value + zoom - 1) / zoom);
}

// The key that closes the window as its close box does.
constexpr const char* kCloseKey = "Ctrl+Q";

std::string Translated(const char* text)
{
    return QCoreApplication::translate("WindowMenu", text).toStdString();
}

// In the user's language, as every entry the window's owner adds is.
TMenu StandardMenu()
{
    TMenu menu;
    menu.Items = {{MF_STRING, SC_RESTORE, Translated(QT_TRANSLATE_NOOP("WindowMenu", "Restore"))},
                  {MF_STRING, SC_MINIMIZE, Translated(QT_TRANSLATE_NOOP("WindowMenu", "Minimize"))},
                  {MF_STRING, SC_MAXIMIZE, Translated(QT_TRANSLATE_NOOP("WindowMenu", "Maximize"))},
                  {MF_SEPARATOR, 0, ""},
                  {MF_STRING, SC_CLOSE, Translated(QT_TRANSLATE_NOOP("WindowMenu", "Close")) + "\t" + kCloseKey}};
    return menu;
}

}  // namespace

TFrameWindow::TFrameWindow(TWindow* parent, const char* title)
    : TWindow(parent, title), Picture_(0, 0), Menu_(StandardMenu())
{
}

TFrameWindow::~TFrameWindow()
{
    ReleaseWidget(true);
}

void TFrameWindow::DetachWidget()
{
    if (Frame_)
        Frame_->Detach();
    Frame_ = nullptr;
}

QWidget* TFrameWindow::MakeWidget()
{
    Frame_ = new TFrameWidget(this);
    Frame_->setProperty("tolvennFrame", true);
    if (WindowClass().HasBackground) {
        QPalette palette = Frame_->View->palette();
        const TColour c = WindowClass().Background;
        palette.setColor(QPalette::Window, QColor((c >> 16) & 255, (c >> 8) & 255, c & 255));
        Frame_->View->setPalette(palette);
    }
    for (QScrollBar* bar : {Frame_->HorizontalBar, Frame_->VerticalBar}) {
        bar->setSingleStep(1);
        bar->setTracking(!Scroller || Scroller->TrackMode);
    }
    if (Scroller) {
        Scroller->OnScroll = [this](int dx, int dy) {
            Picture_.Shift(-dx, -dy);
            if (Frame_)
                Frame_->View->update();
        };
        Scroller->OnChange = [this] { SyncScrollBars(); };
    }
    // The system's default size: most of the screen, leaving room around the window.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() * 3 / 4 : QSize(800, 600);
    Frame_->resize(room.expandedTo(QSize(480, 360)));
    if (Host_) {
        Frame_->menuBar()->hide();
        for (QShortcut* shortcut : Frame_->findChildren<QShortcut*>())
            shortcut->setEnabled(false);
        Host_->Gone = [this] { PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0); };
        Host_->Adopt(Frame_);
    }
    SyncScrollBars();
    AddCommandKey(kCloseKey, SC_CLOSE);
    return Frame_;
}

QWidget* TFrameWindow::CursorWidget() const
{
    return Frame_ ? Frame_->View : nullptr;
}

QWidget* TFrameWindow::ClientWidget() const
{
    return Frame_ ? Frame_->View : nullptr;
}

TRect TFrameWindow::GetClientRect() const
{
    return {0, 0, Picture_.Width(), Picture_.Height()};
}

void TFrameWindow::RevertSystemMenu()
{
    Menu_ = StandardMenu();
}

void TFrameWindow::AddCommandKey(const char* keys, unsigned command)
{
    if (!Frame_ || Host_)
        return;
    auto* shortcut = new QShortcut(QKeySequence(QString::fromUtf8(keys)), Frame_);
    QObject::connect(shortcut, &QShortcut::activated, Frame_, [this, command] { SendMessage(WM_SYSCOMMAND, command, 0); });
}

void TFrameWindow::EmbedInto(std::unique_ptr<THostWindow> host)
{
    Host_ = std::move(host);
}

void TFrameWindow::Present()
{
    if (Frame_ && IsWindow()) {
        Changes_.Rects(Shown_);
        Frame_->View->ShowAgain(Shown_);
    }
    Changes_.Clear();
}

void TFrameWindow::SyncScrollBars()
{
    if (!Frame_ || !Scroller)
        return;
    const struct {
        QScrollBar* Bar;
        bool Wanted;
        long Range, Pos, Page;
    } bars[] = {{Frame_->HorizontalBar, (Attr.Style & WS_HSCROLL) != 0, Scroller->XRange, Scroller->XPos, Scroller->XPage},
                {Frame_->VerticalBar, (Attr.Style & WS_VSCROLL) != 0, Scroller->YRange, Scroller->YPos, Scroller->YPage}};
    for (const auto& b : bars) {
        const QSignalBlocker quiet(b.Bar);
        b.Bar->setRange(0, int(b.Range));
        b.Bar->setPageStep(int(b.Page));
        b.Bar->setValue(int(b.Pos));
        b.Bar->setVisible(b.Wanted && b.Range > 0);
    }
}

void TFrameWindow::ClientResized(int width, int height)
{
    // A part pixel at the right or bottom edge still shows the picture.
    width = (width + Zoom_ - 1) / Zoom_;
    height = (height + Zoom_ - 1) / Zoom_;
    Picture_.Resize(width, height);
    Changes_.Resize(width, height);
    if (Scroller)
        Scroller->SetPageSize(width, height);
    SendSize();
}

void TFrameWindow::SetZoom(int zoom)
{
    Zoom_ = std::max(zoom, 1);
    if (!Frame_)
        return;
    ClientResized(Frame_->View->width(), Frame_->View->height());
    Frame_->View->update();
}

bool TFrameWindow::IsFullScreen() const
{
    return Frame_ && (Frame_->windowState() & Qt::WindowFullScreen);
}

void TFrameWindow::SetFullScreen(bool on)
{
    if (!Frame_)
        return;
    Frame_->menuBar()->setVisible(!on);
    Frame_->setWindowState(on ? Frame_->windowState() | Qt::WindowFullScreen
                              : Frame_->windowState() & ~Qt::WindowFullScreen);
}

void TFrameWindow::StateChanged()
{
    SendSize();
}

void TFrameWindow::SendSize()
{
    if (!Frame_)
        return;
    const Qt::WindowStates state = Frame_->windowState();
    const unsigned type = state & Qt::WindowMinimized                            ? SIZE_MINIMIZED
                          : state & (Qt::WindowMaximized | Qt::WindowFullScreen) ? SIZE_MAXIMIZED
                                                                                 : SIZE_RESTORED;
    const int w = Picture_.Width(), h = Picture_.Height();
    if (type == LastSizeType_ && w == LastWidth_ && h == LastHeight_)
        return;
    LastSizeType_ = type;
    LastWidth_ = w;
    LastHeight_ = h;
    SendMessage(WM_SIZE, type, MAKELPARAM(w, h));
}

void TFrameWindow::MouseEvent(unsigned message, unsigned keys, int x, int y)
{
    SendMessage(message, keys, MAKELPARAM(Unzoomed(x, Zoom_), Unzoomed(y, Zoom_)));
}

void TFrameWindow::ScrollBarMoved(bool horizontal, int value)
{
    if (!Scroller)
        return;
    if (horizontal)
        Scroller->ScrollTo(value, Scroller->YPos);
    else
        Scroller->ScrollTo(Scroller->XPos, value);
}

void TFrameWindow::WheelTurned(int steps)
{
    if (Scroller)
        Scroller->ScrollBy(0, -steps * kWheelLines * Scroller->YLine);
}

void TFrameWindow::CloseRequested()
{
    SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
}

void TFrameWindow::MenuButtonPressed(bool byKeyboard)
{
    SendMessage(WM_SYSCOMMAND, byKeyboard ? SC_KEYMENU : SC_MOUSEMENU, 0);
}

void TFrameWindow::ShowWindowMenu()
{
    if (!Frame_)
        return;
    const bool maximized = Frame_->isMaximized();
    QMenu popup(Frame_);
    popup.setObjectName(QStringLiteral("windowMenuPopup"));
    for (const TMenu::TItem& item : Menu_.Items) {
        if (item.Flags & MF_SEPARATOR) {
            popup.addSeparator();
            continue;
        }
        QAction* action = popup.addAction(QString::fromUtf8(item.Text.c_str()));
        action->setData(item.Id);
        const bool enabled = !(item.Flags & MF_GRAYED) && !(item.Id == SC_RESTORE && !maximized) &&
                             !(item.Id == SC_MAXIMIZE && maximized);
        action->setEnabled(enabled);
        if (item.Flags & MF_CHECKED) {
            action->setCheckable(true);
            action->setChecked(true);
        }
    }
    const QRect button = Frame_->menuBar()->actionGeometry(Frame_->MenuAction);
    const QAction* chosen = popup.exec(Frame_->menuBar()->mapToGlobal(button.bottomLeft()));
    // As with a system menu, the choice arrives after the menu command has ended.
    if (chosen)
        PostMessage(WM_SYSCOMMAND, chosen->data().toUInt(), 0);
}

void TFrameWindow::DefaultProcessing(TMessage& msg)
{
    if (msg.Message != WM_SYSCOMMAND || !Frame_)
        return;
    switch (msg.WParam & 0xFFF0) {
    case SC_MINIMIZE:
        Frame_->showMinimized();
        break;
    case SC_MAXIMIZE:
        Frame_->showMaximized();
        break;
    case SC_RESTORE:
        Frame_->showNormal();
        break;
    case SC_CLOSE:
        CloseWindow();
        break;
    case SC_MOUSEMENU:
    case SC_KEYMENU:
        ShowWindowMenu();
        break;
    default:
        break;
    }
}

HMENU GetSystemMenu(TWindow* window, bool revert)
{
    auto* frame = dynamic_cast<TFrameWindow*>(window);
    if (!frame)
        return nullptr;
    if (revert) {
        frame->RevertSystemMenu();
        return nullptr;
    }
    return &frame->SystemMenu();
}

bool CheckMenuItem(HMENU menu, unsigned id, unsigned flags)
{
    if (!menu)
        return false;
    bool found = false;
    for (TMenu::TItem& item : menu->Items)
        if (item.Id == id && !(item.Flags & MF_SEPARATOR)) {
            item.Flags = (item.Flags & ~MF_CHECKED) | (flags & MF_CHECKED);
            found = true;
        }
    return found;
}

bool AppendMenuA(HMENU menu, unsigned flags, unsigned id, const char* text)
{
    if (!menu)
        return false;
    menu->Items.push_back({flags, (flags & MF_SEPARATOR) ? 0u : id, text ? text : ""});
    return true;
}
