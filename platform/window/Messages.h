// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

// The messages a window receives, as the framework translates them from the toolkit.
constexpr unsigned WM_SIZE = 0x0005;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_COMMAND = 0x0111;
constexpr unsigned WM_SYSCOMMAND = 0x0112;
constexpr unsigned WM_TIMER = 0x0113;
constexpr unsigned WM_MOUSEMOVE = 0x0200;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
constexpr unsigned WM_RBUTTONDOWN = 0x0204;
constexpr unsigned WM_RBUTTONUP = 0x0205;
constexpr unsigned WM_RBUTTONDBLCLK = 0x0206;

// WM_SIZE size types.
constexpr unsigned SIZE_RESTORED = 0;
constexpr unsigned SIZE_MINIMIZED = 1;
constexpr unsigned SIZE_MAXIMIZED = 2;

// WM_SYSCOMMAND values of the standard window commands.
constexpr unsigned SC_SIZE = 0xF000;
constexpr unsigned SC_MOVE = 0xF010;
constexpr unsigned SC_MINIMIZE = 0xF020;
constexpr unsigned SC_MAXIMIZE = 0xF030;
constexpr unsigned SC_CLOSE = 0xF060;
constexpr unsigned SC_MOUSEMENU = 0xF090;
constexpr unsigned SC_KEYMENU = 0xF100;
constexpr unsigned SC_RESTORE = 0xF120;

// Modifier flags of mouse messages.
constexpr unsigned MK_LBUTTON = 0x0001;
constexpr unsigned MK_RBUTTON = 0x0002;
constexpr unsigned MK_SHIFT = 0x0004;
constexpr unsigned MK_CONTROL = 0x0008;

struct TMessage {
    unsigned Message = 0;
    std::uint64_t WParam = 0;
    std::int64_t LParam = 0;
};

constexpr std::int64_t MAKELPARAM(int low, int high)
{
    return std::int64_t((std::uint32_t(std::uint16_t(low)) | (std::uint32_t(std::uint16_t(high)) << 16)));
}

// The two 16-bit halves of a mouse position, each widened as a signed value.
constexpr int GET_X_LPARAM(std::int64_t l) { return std::int16_t(std::uint16_t(l & 0xFFFF)); }
constexpr int GET_Y_LPARAM(std::int64_t l) { return std::int16_t(std::uint16_t((l >> 16) & 0xFFFF)); }
constexpr unsigned LOWORD(std::int64_t l) { return unsigned(l & 0xFFFF); }
constexpr unsigned HIWORD(std::int64_t l) { return unsigned((l >> 16) & 0xFFFF); }
