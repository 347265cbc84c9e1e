#pragma once

#include <string>
#include <vector>

class TWindow;

constexpr unsigned MF_STRING = 0x0000;
constexpr unsigned MF_GRAYED = 0x0001;
constexpr unsigned MF_SEPARATOR = 0x0800;

// A window menu as data: the frame window shows it as a popup, and each choice arrives at
// the window as WM_SYSCOMMAND with the entry's command value.
// Texts are source texts, translated in the "WindowMenu" context when the menu is shown.
struct TMenu {
    struct TItem {
        unsigned Flags = MF_STRING;
        unsigned Id = 0;
        std::string Text;
        // The keys that give the same command, as the toolkit writes them ("Ctrl+Q", "F1");
        // shown beside the entry. Empty for none.
        std::string Keys;
    };
    std::vector<TItem> Items;
};
using HMENU = TMenu*;

// The window's own menu; with `revert` the standard entries are put back and null returned.
HMENU GetSystemMenu(TWindow* window, bool revert);
bool AppendMenuA(HMENU menu, unsigned flags, unsigned id, const char* text);
// Gives the window's menu entry with that command keys that choose it from anywhere in
// the window. False when the window has no menu or no such entry.
bool SetMenuItemKeys(TWindow* window, unsigned id, const char* keys);
