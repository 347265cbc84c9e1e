// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>

struct TTank;

// The tank table as tab-separated text: the column names, then one row per occupied slot,
// exactly as a tank file holds them.
std::string FormatState(const TTank& tank);
