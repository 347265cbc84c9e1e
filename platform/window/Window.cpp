// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/window/Window.h"

#include <QCursor>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>

class TWindow::TTimerTarget final : public QObject {
public:
    explicit TTimerTarget(TWindow& owner) : Owner_(owner) {}

protected:
    void timerEvent(QTimerEvent* event) override { Owner_.DeliverTimer(event->timerId()); }

private:
    TWindow& Owner_;
};

TWindow::TWindow(TWindow* parent, const char* title) : Parent(parent), Title(title ? title : "") {}

TWindow::~TWindow()
{
    ReleaseWidget(true);
}

void TWindow::GetWindowClass(TWindowClass& wc)
{
    wc = TWindowClass{};
}

bool TWindow::Create()
{
    if (Widget_)
        return true;
    GetWindowClass(Class_);
    Widget_ = MakeWidget();
    if (!Widget_)
        return false;
    Widget_->setWindowTitle(QString::fromUtf8(Title.c_str()));
    Widget_->setProperty("windowClass", QString::fromUtf8(GetClassName()));
    if (Class_.Icon && Class_.Icon->Image)
        Widget_->setWindowIcon(*Class_.Icon->Image);
    SetClassCursor(Class_.Cursor);
    if (!SetUp_) {
        SetUp_ = true;
        SetupWindow();
    }
    return true;
}

void TWindow::HandleMessage(TMessage& msg)
{
    if (!ResponseTableLookup(msg))
        DefaultProcessing(msg);
}

void TWindow::SendMessage(unsigned message, std::uint64_t wParam, std::int64_t lParam)
{
    TMessage msg{message, wParam, lParam};
    HandleMessage(msg);
}

void TWindow::PostMessage(unsigned message, std::uint64_t wParam, std::int64_t lParam)
{
    if (!Widget_)
        return;
    QPointer<QWidget> alive(Widget_);
    QTimer::singleShot(0, Widget_, [this, alive, message, wParam, lParam] {
        if (alive && Widget_ == alive)
            SendMessage(message, wParam, lParam);
    });
}

bool TWindow::CloseWindow()
{
    if (!Widget_ || !CanClose())
        return false;
    Destroy();
    return true;
}

void TWindow::SetTitle(const std::string& title)
{
    Title = title;
    if (Widget_)
        Widget_->setWindowTitle(QString::fromUtf8(Title.c_str()));
}

void TWindow::Destroy()
{
    ReleaseWidget(false);
}

void TWindow::ReleaseWidget(bool now)
{
    if (!Widget_)
        return;
    for (const auto& [id, timer] : Timers_)
        TimerTarget_->killTimer(timer.ToolkitId);
    Timers_.clear();
    DetachWidget();
    QWidget* widget = std::exchange(Widget_, nullptr);
    widget->hide();
    if (now)
        delete widget;
    else
        widget->deleteLater();
}

HCURSOR TWindow::SetClassCursor(HCURSOR cursor)
{
    const HCURSOR before = std::exchange(Class_.Cursor, cursor);
    if (QWidget* over = Widget_ ? CursorWidget() : nullptr) {
        if (cursor && cursor->Shape)
            over->setCursor(*cursor->Shape);
        else
            over->unsetCursor();
    }
    return before;
}

bool TWindow::StartTimer(unsigned id, unsigned milliseconds)
{
    if (!Widget_)
        return false;
    StopTimer(id);
    if (!TimerTarget_)
        TimerTarget_ = std::make_unique<TTimerTarget>(*this);
    const int toolkitId = TimerTarget_->startTimer(int(milliseconds), Qt::PreciseTimer);
    if (toolkitId == 0)
        return false;
    Timers_[id] = {toolkitId, milliseconds};
    return true;
}

bool TWindow::StopTimer(unsigned id)
{
    const auto found = Timers_.find(id);
    if (found == Timers_.end())
        return false;
    TimerTarget_->killTimer(found->second.ToolkitId);
    Timers_.erase(found);
    return true;
}

unsigned TWindow::TimerPeriod(unsigned id) const
{
    const auto found = Timers_.find(id);
    return found == Timers_.end() ? 0 : found->second.Period;
}

void TWindow::DeliverTimer(int toolkitId)
{
    for (const auto& [id, timer] : Timers_)
        if (timer.ToolkitId == toolkitId) {
            SendMessage(WM_TIMER, id, 0);
            return;
        }
}
