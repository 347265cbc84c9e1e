// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "tools/sim/SimTool.h"

#include "base/gfx/PngWriter.h"
#include "sim/SpriteSet.h"
#include "sim/Tank.h"
#include "sim/TankFile.h"
#include "tools/sim/OutputFile.h"
#include "base/text/Quoted.h"
#include "tools/sim/Simulation.h"
#include "tools/sim/SpriteSheet.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <new>
#include <optional>
#include <sstream>

namespace {

int Fail(std::ostream& err, const std::string& message, int status)
{
    err << "tolvenn-sim: " << message << "\n";
    return status;
}

// Opens every output before anything runs: 0 when all are ready, else the exit status.
int OpenOutputs(TOutputSet& outputs, std::ostream& err)
{
    std::string error;
    switch (outputs.Open(error)) {
    case TOutputStatus::Ready:
        return 0;
    case TOutputStatus::SameFile:
        return Fail(err, error, 2);
    case TOutputStatus::Failed:
        break;
    }
    return Fail(err, error, 1);
}

int CommitOutputs(TOutputSet& outputs, std::ostream& err)
{
    std::string error;
    return outputs.Commit(error) ? 0 : Fail(err, error, 1);
}

std::string EncodingFailure(const std::string& path)
{
    return "cannot encode the picture for " + Quoted(path);
}

int WriteSpriteSheet(const std::string& path, std::ostream& out, std::ostream& err)
{
    TOutputSet outputs(out);
    std::ostream& sheet = outputs.Add("--sprite-sheet", path);
    if (const int status = OpenOutputs(outputs, err))
        return status;

    TTank tank;
    LoadBitmaps(tank);
    const std::vector<unsigned char> png = EncodePng(ComposeSpriteSheet(tank));
    DeleteBitmaps(tank);
    if (png.empty())
        return Fail(err, EncodingFailure(path), 1);
    sheet.write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
    return CommitOutputs(outputs, err);
}

// Reads and checks the tank file to start from; 0 when it is good, else the exit status.
int ReadStart(const std::string& path, TSavedTank& start, std::ostream& err)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (in)
        text << in.rdbuf();
    if (!in || in.bad())
        return Fail(err, "cannot read " + Quoted(path) + ": " + std::strerror(errno), 1);
    std::string error;
    if (!ReadTankFile(text.str(), start, error))
        return Fail(err, Quoted(path) + ", " + error, 1);
    return 0;
}

int RunAndWrite(const TSimOptions& options, std::ostream& out, std::ostream& err)
{
    std::optional<TSavedTank> start;
    if (!options.OpenPath.empty())
        if (const int status = ReadStart(options.OpenPath, start.emplace(), err))
            return status;

    TOutputSet outputs(out);
    TSimOutputs streams;
    if (!options.StatePath.empty())
        streams.State = &outputs.Add("--state", options.StatePath);
    if (!options.CensusPath.empty())
        streams.Census = &outputs.Add("--census", options.CensusPath);
    if (!options.PngPath.empty())
        streams.Png = &outputs.Add("--png", options.PngPath);
    if (!options.SavePath.empty())
        streams.Save = &outputs.Add("--save", options.SavePath);
    if (const int status = OpenOutputs(outputs, err))
        return status;

    const TSimResult result = Simulate(options, streams, start ? &*start : nullptr);
    if (result.PictureFailed)
        return Fail(err, EncodingFailure(options.PngPath), 1);
    if (const int status = CommitOutputs(outputs, err))
        return status;

    if (!options.Quiet) {
        char line[160];
        const double rate = result.Seconds > 0 ? double(result.Steps) / result.Seconds : 0.0;
        std::snprintf(line, sizeof line, "tolvenn-sim: %lld ticks, %lld creature steps, %.3f s, %.0f steps/s\n",
                      (long long)result.Ticks, (long long)result.Steps, result.Seconds, rate);
        err << line;
    }
    return 0;
}

int RunSimToolOrThrow(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
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
    return RunAndWrite(options, out, err);
}

}  // namespace

int RunSimTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    // Whatever fails to allocate, the outputs are left as they were and the reason is one line.
    try {
        return RunSimToolOrThrow(args, out, err);
    } catch (const std::bad_alloc&) {
        return Fail(err, "out of memory", 1);
    }
}
