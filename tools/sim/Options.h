// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a tolvenn-sim run is asked to do. Empty paths mean "not wanted"; "-" is stdout.
struct TSimOptions {
    std::optional<std::uint32_t> Seed;  // none: the calendar time in seconds
    int TankWidth = 1024;
    int TankHeight = 788;
    std::optional<int> Capacity;  // none: the screen-width rule applied to TankWidth
    int Ticks = 1000;
    int Every = 1;
    std::string StatePath;
    std::string CensusPath;
    std::string PngPath;
    std::string SpriteSheetPath;
    std::string OpenPath;  // a tank file to start from instead of the founders
    std::string SavePath;  // the tank file after the last tick
    bool Quiet = false;
};

enum class TSimAction { Run, Help, Version, Error };

struct TParsedCommand {
    TSimAction Action = TSimAction::Run;
    TSimOptions Options;
    std::string Error;  // for TSimAction::Error: names the option and what is wrong
};

// Reads the arguments after the program name. Each option takes its value as the next
// argument or after '='.
TParsedCommand ParseOptions(const std::vector<std::string>& args);

std::string_view UsageText();
inline constexpr std::string_view kVersionText = "tolvenn-sim 1.0.0";
