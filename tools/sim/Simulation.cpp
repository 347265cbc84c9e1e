#include "tools/sim/Simulation.h"

#include "base/gfx/PngWriter.h"
#include "sim/Capacity.h"
#include "sim/HeadlessWindow.h"
#include "sim/Population.h"
#include "sim/SpriteSet.h"
#include "sim/Tank.h"
#include "sim/Tick.h"
#include "tools/sim/Census.h"
#include "tools/sim/StateTable.h"

#include <chrono>
#include <ctime>

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

TSimResult Simulate(const TSimOptions& options)
{
    TTank tank;
    tank.ScreenWidth = options.TankWidth;
    tank.ScreenHeight = options.TankHeight;
    tank.TankCapacity = options.Capacity.value_or(CapacityForScreenWidth(options.TankWidth));
    const TBitmapsLoaded bitmaps(tank);
    THeadlessWindow window(tank);

    tank.SeedRandom(options.Seed.value_or(std::uint32_t(std::time(nullptr))));
    PopulateTank(window);

    const bool wantCensus = !options.CensusPath.empty();
    TCensus census;
    if (wantCensus)
        census.AddRow(0, tank, 0, 0);

    TTickCounts counts;
    TTickCounts atLastRow;
    const auto start = std::chrono::steady_clock::now();
    for (int tick = 1; tick <= options.Ticks; ++tick) {
        RunTick(window, &counts);
        if (wantCensus && tick % options.Every == 0) {
            census.AddRow(tick, tank, counts.Births - atLastRow.Births, counts.Deaths - atLastRow.Deaths);
            atLastRow = counts;
        }
    }
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;

    TSimResult result;
    result.Ticks = options.Ticks;
    result.Steps = counts.Steps;
    result.Seconds = spent.count();
    if (!options.StatePath.empty())
        result.State = FormatState(tank);
    if (wantCensus)
        result.Census = census.Text();
    if (!options.PngPath.empty())
        result.Png = EncodePng(window.Picture());
    return result;
}
