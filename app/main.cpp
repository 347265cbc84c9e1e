// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

// Start-up: read the command line, open the toolkit's session in the chosen language and
// run the aquarium.

#include "app/CommandLine.h"
#include "app/Language.h"
#include "app/StartUp.h"
#include "platform/services/CommandLineParser.h"
#include "platform/services/Translations.h"
#include "platform/window/Application.h"

#include <cstdlib>
#include <iostream>

namespace {

// Help, version and mistakes are answered at once; false when the program is to run.
bool Answered(const TCommandLine& line, const std::string& program, int& status)
{
    status = 0;
    if (line.Action == TCommandLine::TAction::Help)
        std::cout << UsageText(program);
    else if (line.Action == TCommandLine::TAction::Version)
        std::cout << "tolvenn " << TOLVENN_VERSION << "\n";
    else if (line.Action == TCommandLine::TAction::Error) {
        std::cerr << line.Error << "\n";
        status = 2;
    } else
        return false;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    // Read once before the toolkit starts, so that none of this needs a display, and once
    // after it has taken its own options, which is what counts.
    const std::string program = argc > 0 ? argv[0] : "tolvenn";
    const std::vector<std::string> arguments(argv, argv + argc);
    const char* screensaverWindow = std::getenv("XSCREENSAVER_WINDOW");
    int status = 0;
    if (Answered(ReadCommandLine(WithoutToolkitOptions(arguments), screensaverWindow), program, status))
        return status;
    if (!DisplayAvailable(arguments)) {
        std::cerr << "tolvenn: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n";
        return 1;
    }

    TPlatformSession session(argc, argv, TOLVENN_APP_ID);
    const TCommandLine line = ReadCommandLine(ApplicationArguments(), screensaverWindow);
    if (Answered(line, program, status))
        return status;
    if (!line.Warning.empty())
        std::cerr << line.Warning << "\n";
    const TTranslations translations("tolvenn", ChooseLanguage(line.Language, std::getenv));

    return RunAquarium(line);
}
