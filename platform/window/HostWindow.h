// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <functional>
#include <memory>

class QWidget;

// An existing X window that another program (a screensaver) made for us to draw in. Our
// top-level widget becomes its child and follows its size; when it is destroyed, Gone is
// told, and the X errors that the toolkit's vanished window then causes are kept quiet.
class THostWindow {
public:
    // Null when there is no X display or no such window.
    static std::unique_ptr<THostWindow> Find(std::uint64_t id);
    // The screen's root window; null without an X display.
    static std::unique_ptr<THostWindow> Root();
    ~THostWindow();
    THostWindow(const THostWindow&) = delete;
    THostWindow& operator=(const THostWindow&) = delete;

    int Width() const { return Width_; }
    int Height() const { return Height_; }

    // Makes `widget` a child of the host covering all of it, from now on.
    void Adopt(QWidget* widget);
    std::function<void()> Gone;

private:
    class TWatch;
    THostWindow(std::uint64_t id, int width, int height);

    std::uint64_t Id_;
    int Width_, Height_;
    std::unique_ptr<TWatch> Watch_;
};
