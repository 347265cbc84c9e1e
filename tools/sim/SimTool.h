// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <ostream>
#include <string>
#include <vector>

// The whole of tolvenn-sim: reads the arguments after the program name, runs, writes
// the outputs, and returns the exit status (0 done, 1 an output failed, 2 bad usage).
int RunSimTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
