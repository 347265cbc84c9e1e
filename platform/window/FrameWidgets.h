#pragma once

#include <QMainWindow>
#include <QScrollBar>
#include <QWidget>

class TFrameWindow;
class QMenuBar;

// The client area: shows the frame window's picture and reports the mouse.
class TClientView : public QWidget {
public:
    explicit TClientView(TFrameWindow* owner, QWidget* parent);
    void Detach() { Owner_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Report(QMouseEvent* event, bool doubleClick, bool release);
    TFrameWindow* Owner_;
};

// The toolkit's top-level window: menu bar with the window menu, client view and scroll bars.
class TFrameWidget : public QMainWindow {
public:
    explicit TFrameWidget(TFrameWindow* owner);
    // From now on events reach nobody: the window object is going away.
    void Detach();

    TClientView* View;
    QScrollBar* HorizontalBar;
    QScrollBar* VerticalBar;
    QAction* MenuAction;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    TFrameWindow* Owner_;
};
