// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

class TWindow;

constexpr unsigned MB_OK = 0x0000;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// A modal message box owned by the window; returns the button that closed it.
int MessageBoxA(TWindow* owner, const char* text, const char* caption, unsigned type);
