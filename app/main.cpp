// Start-up: read the command line, open the toolkit's session and run the aquarium.

#include "app/CommandLine.h"
#include "app/MyApp.h"
#include "platform/window/Application.h"

#include <iostream>

int main(int argc, char** argv)
{
    const TCommandLine line = ReadCommandLine(argc, argv);
    if (line.Action == TCommandLine::TAction::Help) {
        std::cout << UsageText(argv[0]);
        return 0;
    }
    if (line.Action == TCommandLine::TAction::Version) {
        std::cout << "tolvenn " << TOLVENN_VERSION << "\n";
        return 0;
    }
    if (!line.Warning.empty())
        std::cerr << line.Warning << "\n";

    TPlatformSession session(argc, argv);
    return RunAquarium(line.Capacity);
}
