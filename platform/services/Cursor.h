// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <memory>
#include <string>

class QCursor;
class QIcon;
class TWindow;

// A cursor loaded from a resource: its picture and hot spot.
struct TCursor {
    std::string Name;
    int HotX = 0;
    int HotY = 0;
    std::unique_ptr<QCursor> Shape;
    ~TCursor();
};
using HCURSOR = TCursor*;

// An icon loaded from a resource.
struct TIcon {
    std::string Name;
    std::unique_ptr<QIcon> Image;
    ~TIcon();
};
using HICON = TIcon*;

struct TPoint {
    int x = 0;
    int y = 0;
};

constexpr int GCL_HCURSOR = -12;

// Cursors and icons come from resources and live for the whole run; loading the same
// name again gives the same handle. Null when there is no such resource.
HCURSOR LoadCursorA(const char* name);
HICON LoadIconA(const char* name);

// Replaces the window class's cursor, which the window shows over its client area.
// Returns the cursor it had.
HCURSOR SetClassLongA(TWindow* window, int index, HCURSOR cursor);
bool GetCursorPos(TPoint* point);
bool SetCursorPos(int x, int y);
