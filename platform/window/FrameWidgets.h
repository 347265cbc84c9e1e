// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/gfx/Rect.h"

#include <QMainWindow>
#include <QRect>
#include <QScrollBar>
#include <QWidget>

#include <memory>
#include <vector>

class TFrameWindow;
class TX11Surface;
class QMenuBar;

// The client area: shows the frame window's picture and reports the mouse.
class TClientView : public QWidget {
public:
    explicit TClientView(TFrameWindow* owner, QWidget* parent);
    ~TClientView() override;
    void Detach() { Owner_ = nullptr; }
    // Paints these parts of the picture again, in picture pixels: rectangles in bands, top
    // to bottom, each band's left to right, not overlapping and not touching side by side.
    void ShowAgain(const std::vector<TRect>& banded);

protected:
    // None on X, where the view draws on its window itself.
    QPaintEngine* paintEngine() const override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Report(QMouseEvent* event, bool doubleClick, bool release);
    // The view's own window on X, made when first drawn on; null elsewhere.
    TX11Surface* Surface();
    // Shows these window pixels again, on the view's window itself.
    void PutExposed(TX11Surface& surface, const QRegion& exposed);

    TFrameWindow* Owner_;
    const bool OnX11_;
    std::unique_ptr<TX11Surface> Surface_;
    std::vector<QRect> Banded_;  // kept for its storage
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

private:
    TFrameWindow* Owner_;
};
