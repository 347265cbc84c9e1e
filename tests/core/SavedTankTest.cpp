// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "HeadlessRun.h"
#include "TestTank.h"

#include "creatures/Behaviours.h"
#include "sim/Catalogue.h"
#include "sim/SavedTank.h"
#include "sim/TankFile.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<TColour> Pixels(const TBitmap& bitmap)
{
    std::vector<TColour> pixels;
    for (int y = 0; y < bitmap.Height(); ++y)
        pixels.insert(pixels.end(), bitmap.Row(y), bitmap.Row(y) + bitmap.Width());
    return pixels;
}

TEST(SavedTank, CapturedAndRestoredTankIsTheSame)
{
    THeadlessRun source(320, 240, 60, 3);
    source.Run(200);
    const TSavedTank saved = CaptureTank(source.Tank);
    ASSERT_FALSE(saved.Creatures.empty());

    THeadlessRun target(1024, 788, 400, 4);
    ASSERT_TRUE(RestoreTank(saved, *target.Window));
    EXPECT_EQ(CaptureTank(target.Tank), saved);
    EXPECT_EQ(target.Tank.ScreenWidth, 320);
    EXPECT_EQ(target.Tank.ScreenHeight, 240);
    EXPECT_EQ(target.Tank.TankCapacity, 60);
    EXPECT_EQ(target.Tank.Random.State(), source.Tank.Random.State());
}

// Restored creatures are whole: the species' size and pictures from the tank's sprites, the
// class's own counters, no parent (a child reads its parent only while it is being made).
TEST(SavedTank, RestoredCreaturesAreDressedFromTheirSpecies)
{
    THeadlessRun source(640, 480, 100, 11);
    source.Run(120);
    TSavedTank saved = CaptureTank(source.Tank);
    THeadlessRun target(640, 480, 100, 12);
    ASSERT_TRUE(RestoreTank(saved, *target.Window));

    for (const TSavedCreature& s : saved.Creatures) {
        const TIKIMONO& c = *target.Tank.TankTable[std::size_t(s.Slot)];
        const TSpeciesEntry& entry = *FindSpecies(s.Species);
        EXPECT_EQ(c.Parent, nullptr);
        EXPECT_EQ(c.Width, entry.Width);
        EXPECT_EQ(c.Height, entry.Height);
        EXPECT_EQ(c.FrameCount, entry.FrameCount);
        for (int f = 0; f < entry.FrameCount; ++f)
            EXPECT_EQ(c.Bitmaps[std::size_t(f)], target.Tank.SpriteBitmaps[std::size_t(entry.Frames[std::size_t(f)])]);
        EXPECT_STREQ(c.FamilyName, s.FamilyName.c_str());
        if (const auto* tail = dynamic_cast<const TSHIPPO*>(&c)) {
            EXPECT_EQ(tail->RunSteps, s.RunSteps);
            EXPECT_EQ(tail->PauseSteps, s.PauseSteps);
            EXPECT_EQ(tail->TailFrame, s.TailFrame);
        }
    }
}

// During a tick the drawing contexts are there, so an old creature destroyed with ClosingFlag
// clear would paint water over itself; none may, and the tank is left open.
TEST(SavedTank, RestoringDrawsNothingAndReplacesEverySlot)
{
    TTestTank t(640, 480, 100, 21);
    for (int slot = 0; slot < 5; ++slot)
        t.Put(slot, slot + 1).Age = 100;
    t.Put(900, 3);  // beyond the used slots: must not survive either
    t.BeginDrawing();
    for (int slot = 0; slot < 5; ++slot)
        t.Tank.TankTable[std::size_t(slot)]->Show();
    const std::vector<TColour> before = Pixels(t.Window.Picture());

    TSavedTank saved;
    saved.Width = 800;
    saved.Height = 600;
    saved.Capacity = 50;
    saved.Ticks = 42;
    saved.Seed = 9;
    saved.RandomState = 0x123456789ull;
    TSavedCreature crab;
    crab.Slot = 7;
    crab.Species = 18;
    crab.Generation = 3;
    crab.Frame = 1;
    crab.FamilyName = "かに";
    saved.Creatures = {crab};
    t.Tank.ClosingFlag = 1;
    ASSERT_TRUE(RestoreTank(saved, t.Window));
    t.EndDrawing();

    EXPECT_TRUE(Pixels(t.Window.Picture()) == before) << "nothing erased, nothing drawn";
    EXPECT_EQ(t.Tank.ClosingFlag, 0);
    for (int slot = 0; slot < TTank::kSlots; ++slot)
        EXPECT_EQ(t.Tank.TankTable[std::size_t(slot)] != nullptr, slot == 7) << "slot " << slot;
    EXPECT_EQ(dynamic_cast<const TBATABATA&>(*t.Tank.TankTable[7]).Frame, 1);
    EXPECT_EQ(t.Tank.Ticks, 42);
    EXPECT_EQ(t.Tank.Seed, 9u);
    EXPECT_EQ(t.Tank.Random.State(), 0x123456789ull);
}

TEST(SavedTank, StateNoReaderAcceptsLeavesTheTankAsItWas)
{
    THeadlessRun run(320, 240, 60, 8);
    run.Run(30);
    const std::string before = FormatTankFile(run.Tank);
    TSavedTank saved = CaptureTank(run.Tank);
    saved.Width = 640;
    saved.Creatures.back().Species = 21;
    EXPECT_FALSE(RestoreTank(saved, *run.Window));
    saved.Creatures.back().Species = 1;
    saved.Creatures.back().Slot = TTank::kSlots;
    EXPECT_FALSE(RestoreTank(saved, *run.Window));
    EXPECT_EQ(FormatTankFile(run.Tank), before) << "creatures, extent and generator";
}

}  // namespace
