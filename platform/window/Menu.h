// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <vector>

class TWindow;

constexpr unsigned MF_STRING = 0x0000;
constexpr unsigned MF_GRAYED = 0x0001;
constexpr unsigned MF_UNCHECKED = 0x0000;
constexpr unsigned MF_CHECKED = 0x0008;
constexpr unsigned MF_SEPARATOR = 0x0800;

// A window menu as data: the frame window shows it as a popup, and each choice arrives at
// the window as WM_SYSCOMMAND with the entry's command value. Texts are shown as they are:
// whoever adds an entry gives it in the user's language.
struct TMenu {
    struct TItem {
        unsigned Flags = MF_STRING;
        unsigned Id = 0;
        std::string Text;
    };
    std::vector<TItem> Items;
};
using HMENU = TMenu*;

// The window's own menu; with `revert` the standard entries are put back and null returned.
HMENU GetSystemMenu(TWindow* window, bool revert);
// Text may end in a tab and the entry's key, shown at the right ("Pause\tSpace").
bool AppendMenuA(HMENU menu, unsigned flags, unsigned id, const char* text);
// Sets or clears the check mark of the entry with that command value.
bool CheckMenuItem(HMENU menu, unsigned id, unsigned flags);
