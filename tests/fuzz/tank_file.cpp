// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

// Feeds any bytes to the tank file reader. A refusal must be one message of one line that
// names its line. What the reader accepts must format to a file that reads back as the same
// state and formats the same again, and must open into a tank that can run a tick.

#include "sim/HeadlessWindow.h"
#include "sim/SavedTank.h"
#include "sim/Tank.h"
#include "sim/TankFile.h"
#include "sim/Tick.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool holds)
{
    if (!holds)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TSavedTank saved;
    std::string error;
    if (!ReadTankFile(text, saved, error)) {
        Check(error.rfind("line ", 0) == 0 && error.find('\n') == std::string::npos);
        Check(saved == TSavedTank{});
        return 0;
    }

    const std::string formatted = FormatTankFile(saved);
    TSavedTank again;
    Check(ReadTankFile(formatted, again, error));
    Check(again == saved);
    Check(FormatTankFile(again) == formatted);

    // No sprites and a small client area: the state does not depend on either.
    TTank tank;
    THeadlessWindow window(tank, 64, 64);
    Check(RestoreTank(saved, window));
    Check(FormatTankFile(tank) == formatted);
    RunTick(window);
    return 0;
}
