// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

// tolvenn-sim: the aquarium without a window, for checking and measuring it.

#include "tools/sim/SimTool.h"
#include "tools/sim/TemporaryFiles.h"

#include <csignal>
#include <iostream>

int main(int argc, char** argv)
{
    // A file grown past the size limit then fails to write, and is reported and removed,
    // instead of the signal ending the run with a partial file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    RemoveTemporaryFilesOnSignals();
    std::ios::sync_with_stdio(false);
    return RunSimTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
