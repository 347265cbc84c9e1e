// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "HeadlessRun.h"

#include "sim/Population.h"
#include "sim/SpriteSet.h"
#include "sim/Tick.h"

THeadlessRun::THeadlessRun(int width, int height, int capacity, std::uint32_t seed)
{
    Tank.ScreenWidth = width;
    Tank.ScreenHeight = height;
    Tank.TankCapacity = capacity;
    LoadBitmaps(Tank);
    Window = std::make_unique<THeadlessWindow>(Tank);
    Tank.SeedRandom(seed);
    PopulateTank(*Window);
}

THeadlessRun::~THeadlessRun()
{
    Tank.Close();
    DeleteBitmaps(Tank);
}

void THeadlessRun::Run(std::int64_t ticks, TCensus* census)
{
    for (std::int64_t i = 0; i < ticks; ++i) {
        TTickCounts counts;
        RunTick(*Window, &counts);
        if (census)
            census->AddRow(Tank.Ticks, Tank, counts.Births, counts.Deaths);
    }
}

int THeadlessRun::Population() const
{
    int count = 0;
    for (const auto& creature : Tank.TankTable)
        count += creature != nullptr;
    return count;
}
