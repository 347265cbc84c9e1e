// tolvenn-sim: the aquarium without a window, for checking and measuring it.

#include "tools/sim/SimTool.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    return RunSimTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
