// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "tools/sim/Simulation.h"

#include "base/gfx/PngWriter.h"
#include "sim/TankLimits.h"
#include "sim/HeadlessWindow.h"
#include "sim/Population.h"
#include "sim/SpriteSet.h"
#include "sim/Tank.h"
#include "sim/TankDrawing.h"
#include "sim/TankFile.h"
#include "sim/Tick.h"
#include "tools/sim/Census.h"
#include "tools/sim/StateTable.h"

#include <chrono>
#include <ctime>
#include <optional>
#include <vector>

namespace {

// Like the window at closing: creatures first, without drawing, then the bitmaps.
class TBitmapsLoaded {
public:
    explicit TBitmapsLoaded(TTank& tank) : Tank_(tank) { LoadBitmaps(tank); }
    ~TBitmapsLoaded()
    {
        Tank_.Close();
        DeleteBitmaps(Tank_);
    }
    TBitmapsLoaded(const TBitmapsLoaded&) = delete;
    TBitmapsLoaded& operator=(const TBitmapsLoaded&) = delete;

private:
    TTank& Tank_;
};

}  // namespace

void ForEachTick(int first, int last, const std::function<bool(int)>& each)
{
    for (std::int64_t tick = first; tick <= last; ++tick)
        if (!each(int(tick)))
            return;
}

TSimResult Simulate(const TSimOptions& options, const TSimOutputs& outputs, const TSavedTank* start)
{
    TTank tank;
    tank.ScreenWidth = start ? start->Width : options.TankWidth;
    tank.ScreenHeight = start ? start->Height : options.TankHeight;
    tank.TankCapacity = options.Capacity.value_or(CapacityForScreenWidth(options.TankWidth));
    const TBitmapsLoaded bitmaps(tank);
    THeadlessWindow window(tank, outputs.Png ? TPicture::Kept : TPicture::None);

    if (start) {
        if (!RestoreTank(*start, window))
            throw std::bad_alloc();
        RedrawCreatures(window);
    } else {
        tank.SeedRandom(options.Seed.value_or(std::uint32_t(std::time(nullptr))));
        PopulateTank(window);
    }

    std::optional<TCensus> census;
    if (outputs.Census) {
        census.emplace(*outputs.Census);
        if (!start)
            census->AddRow(0, tank, 0, 0);
    }

    TSimResult result;
    TTickCounts counts;
    TTickCounts atLastRow;
    const auto began = std::chrono::steady_clock::now();
    const std::int64_t firstTick = tank.Ticks;
    ForEachTick(1, options.Ticks, [&](int count) {
        RunTick(window, &counts);
        ++result.Ticks;
        const std::int64_t tick = firstTick + count;
        if (census && tick % options.Every == 0) {
            census->AddRow(tick, tank, counts.Births - atLastRow.Births, counts.Deaths - atLastRow.Deaths);
            atLastRow = counts;
        }
        return !outputs.Census || bool(*outputs.Census);
    });
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - began;

    result.Steps = counts.Steps;
    result.Seconds = spent.count();
    if (outputs.State)
        *outputs.State << FormatState(tank);
    if (outputs.Save)
        *outputs.Save << FormatTankFile(tank);
    if (outputs.Png) {
        const std::vector<unsigned char> png = EncodePng(window.Picture());
        result.PictureFailed = png.empty();
        outputs.Png->write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
    }
    return result;
}
