// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "sim/SavedTank.h"

#include <cstddef>
#include <string>
#include <string_view>

struct TTank;

// Saving and opening a tank: the whole simulation state as text a person can read and
// diff (docs/tank-file.md). A tank saved and opened again goes on exactly as if it had
// never stopped: CaptureTank, FormatTankFile, ReadTankFile and RestoreTank in turn.

// No tank file is larger: a full tank of 800 rows, each at most about 350 bytes, and the
// header fill less than a third of it. A larger file is refused before it is read.
inline constexpr std::size_t kMaxTankFileBytes = std::size_t(1) << 20;

// The tank file of a saved state, and of a tank as it stands.
std::string FormatTankFile(const TSavedTank& saved);
std::string FormatTankFile(const TTank& tank);

// The column names and one row per creature, the part of the file after its header lines;
// it is also the headless tool's state table.
std::string FormatCreatureTable(const TSavedTank& saved);

// Reads a tank file, checking everything RestoreTank relies on. On any fault returns
// false with one message of the form "line N: what is wrong" in `error` and leaves
// `saved` as it was.
bool ReadTankFile(std::string_view text, TSavedTank& saved, std::string& error);
