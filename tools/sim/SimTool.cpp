#include "tools/sim/SimTool.h"

#include "base/gfx/PngWriter.h"
#include "sim/SpriteSet.h"
#include "sim/Tank.h"
#include "tools/sim/OutputFile.h"
#include "tools/sim/Simulation.h"
#include "tools/sim/SpriteSheet.h"

#include <cstdio>
#include <string_view>

namespace {

std::string_view AsText(const std::vector<unsigned char>& bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool WritePng(const std::string& path, const std::vector<unsigned char>& png, std::ostream& out, std::ostream& err)
{
    std::string error = "cannot encode the picture for " + path;
    if (!png.empty() && WriteOutput(path, AsText(png), out, error))
        return true;
    err << "tolvenn-sim: " << error << "\n";
    return false;
}

int WriteSpriteSheet(const std::string& path, std::ostream& out, std::ostream& err)
{
    TTank tank;
    LoadBitmaps(tank);
    const std::vector<unsigned char> png = EncodePng(ComposeSpriteSheet(tank));
    DeleteBitmaps(tank);
    return WritePng(path, png, out, err) ? 0 : 1;
}

bool WriteText(const std::string& path, const std::string& text, std::ostream& out, std::ostream& err)
{
    std::string error;
    if (WriteOutput(path, text, out, error))
        return true;
    err << "tolvenn-sim: " << error << "\n";
    return false;
}

}  // namespace

int RunSimTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const TParsedCommand command = ParseOptions(args);
    switch (command.Action) {
    case TSimAction::Error:
        err << "tolvenn-sim: " << command.Error << "\n" << "Try 'tolvenn-sim --help'.\n";
        return 2;
    case TSimAction::Help:
        out << UsageText();
        return 0;
    case TSimAction::Version:
        out << kVersionText << "\n";
        return 0;
    case TSimAction::Run:
        break;
    }

    const TSimOptions& options = command.Options;
    if (!options.SpriteSheetPath.empty())
        return WriteSpriteSheet(options.SpriteSheetPath, out, err);

    const TSimResult result = Simulate(options);
    if (!options.StatePath.empty() && !WriteText(options.StatePath, result.State, out, err))
        return 1;
    if (!options.CensusPath.empty() && !WriteText(options.CensusPath, result.Census, out, err))
        return 1;
    if (!options.PngPath.empty() && !WritePng(options.PngPath, result.Png, out, err))
        return 1;

    if (!options.Quiet) {
        char line[160];
        const double rate = result.Seconds > 0 ? double(result.Steps) / result.Seconds : 0.0;
        std::snprintf(line, sizeof line, "tolvenn-sim: %lld ticks, %lld creature steps, %.3f s, %.0f steps/s\n",
                      (long long)result.Ticks, (long long)result.Steps, result.Seconds, rate);
        err << line;
    }
    return 0;
}
