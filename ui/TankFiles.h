// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>

class TTankWindow;
class TWindow;
struct TSavedTank;
struct TTank;

// Reads the tank file at `path` and checks all of it. On any fault returns false with one
// line in `error` that names the problem (and for a fault inside the file, its line), and
// leaves `saved` as it was.
bool ReadTankFrom(const std::string& path, TSavedTank& saved, std::string& error);

// "Save tank...": asks for a file with the desktop's dialog, suggesting `path`, and writes
// the tank there safely; a message box says why when it cannot. `path` becomes the file chosen.
void SaveTankChosen(TWindow& owner, const TTank& tank, std::string& path);

// "Open tank...": asks for a file and reads it; a fault in it is shown in a message box. True,
// with the tank in `saved` and the file in `path`, when there is a tank to open.
bool ReadTankChosen(TWindow& owner, TSavedTank& saved, std::string& path);

// Replaces the whole tank with the saved one (RestoreTank). When there is no memory for its
// creatures a message box says so, and the tank goes on unchanged.
bool RestoreTankOrSay(TWindow& owner, TTankWindow& tankWindow, const TSavedTank& saved);
