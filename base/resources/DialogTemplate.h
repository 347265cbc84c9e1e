// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A dialog described as data: its frame and its controls in tab order, positions and
// sizes in dialog units. Kept as text under resources/dialogs and embedded as "DIALOG".
enum class TControlKind { Button, Edit, Static, ScrollBar, Icon };

struct TControlTemplate {
    TControlKind Kind = TControlKind::Static;
    int Id = -1;  // -1 for a label nobody addresses
    std::string Text;
    int X = 0, Y = 0, Width = 0, Height = 0;
    bool Default = false;
    bool TabStop = false;
    bool Border = false;
    bool ReadOnly = false;
    bool RightAlign = false;
};

struct TDialogTemplate {
    std::string Name;
    std::string Caption;
    std::string FontName;  // empty: the system's dialog font
    int FontSize = 0;      // points
    int X = 0, Y = 0, Width = 0, Height = 0;
    std::vector<TControlTemplate> Controls;

    const TControlTemplate* Find(int id) const;
};

// Lines: DIALOG name x y w h / CAPTION "text" / FONT points "face" /
// CONTROL kind id "text" x y w h [DEFAULT] [TABSTOP] [BORDER] [READONLY] [RIGHT].
// '#' starts a comment line.
std::optional<TDialogTemplate> ParseDialogTemplate(std::string_view text, std::string& error);

// The embedded template of that name, matched without regard to case.
std::optional<TDialogTemplate> LoadDialogTemplate(std::string_view name);
