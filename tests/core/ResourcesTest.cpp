// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/gfx/BmpCodec.h"
#include "base/gfx/Palette.h"
#include "base/resources/PixelMap.h"
#include "base/resources/ResourceStore.h"
#include "base/resources/WaveImage.h"
#include "sim/Catalogue.h"
#include "sim/SpriteSet.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// The species whose frames a sprite is, found through the catalogue.
const TSpeciesEntry* SpeciesOfSprite(int spriteIndex)
{
    for (int n = 1; n <= kSpeciesCount; ++n) {
        const TSpeciesEntry* s = FindSpecies(n);
        for (int f = 0; f < s->FrameCount; ++f)
            if (s->Frames[std::size_t(f)] == spriteIndex)
                return s;
    }
    return nullptr;
}

struct TPictureFacts {
    int Colours = 0;
    int Border = 0;
    int BorderBackground = 0;
    bool OnlyPalette = true;
};

TPictureFacts Facts(const TBitmap& b)
{
    TPictureFacts f;
    std::set<TColour> colours;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            const TColour c = b.Pixel(x, y);
            colours.insert(c);
            f.OnlyPalette &= std::find(kClassicPalette.begin(), kClassicPalette.end(), c) != kClassicPalette.end();
            if (x == 0 || y == 0 || x == b.Width() - 1 || y == b.Height() - 1) {
                ++f.Border;
                f.BorderBackground += c == kBackgroundColour;
            }
        }
    f.Colours = int(colours.size());
    return f;
}

}  // namespace

TEST(Resources, EverySpriteIsAFourBitBitmapOfItsSpeciesSizeOnTheWater)
{
    for (std::size_t i = 0; i < kSpriteNames.size(); ++i) {
        const std::string name(kSpriteNames[i]);
        SCOPED_TRACE(name);
        const TResourceEntry* res = FindResourceA(name, "BITMAP");
        ASSERT_NE(res, nullptr);
        const auto info = ReadBmpInfo(res->Bytes());
        ASSERT_TRUE(info);
        EXPECT_EQ(info->BitsPerPixel, 4);
        EXPECT_EQ(info->Compression, 0);
        EXPECT_EQ(info->PaletteSize, 16);
        const TSpeciesEntry* species = SpeciesOfSprite(int(i));
        ASSERT_NE(species, nullptr);
        EXPECT_EQ(info->Width, species->Width);
        EXPECT_EQ(info->Height, species->Height);
        const auto bitmap = DecodeBmp(res->Bytes());
        ASSERT_NE(bitmap, nullptr);
        const TPictureFacts facts = Facts(*bitmap);
        EXPECT_TRUE(facts.OnlyPalette);
        EXPECT_LE(facts.Colours, 16);
        EXPECT_GE(facts.Colours, 3) << "a figure needs more than a colour or two";
        // The figure sits on the water: most of the rim is background.
        EXPECT_GE(facts.BorderBackground * 5, facts.Border * 3);
    }
}

TEST(Resources, TheBlankBitmapIsAllWater)
{
    const auto blank = DecodeBmp(FindResourceA("BLANC", "BITMAP")->Bytes());
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(blank->Width(), 64);
    EXPECT_EQ(blank->Height(), 64);
    const TPictureFacts facts = Facts(*blank);
    EXPECT_EQ(facts.Colours, 1);
    EXPECT_EQ(blank->Pixel(0, 0), RGB(0, 255, 255));
}

TEST(Resources, TheIconIsA32By32SixteenColourPicture)
{
    const TResourceEntry* icon = FindResourceA("ICON_1", "ICON");
    ASSERT_NE(icon, nullptr);
    const auto info = ReadBmpInfo(icon->Bytes());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->Width, 32);
    EXPECT_EQ(info->Height, 32);
    EXPECT_EQ(info->BitsPerPixel, 4);
    EXPECT_GE(Facts(*DecodeBmp(icon->Bytes())).Colours, 4);
}

TEST(Resources, CursorsAre32By32TwoColourNetsPointingFromTheTopLeft)
{
    for (const char* name : {"CURSOR1", "CURSOR2"}) {
        SCOPED_TRACE(name);
        const TResourceEntry* res = FindResourceA(name, "cursor");
        ASSERT_NE(res, nullptr);
        TPixelMap map;
        std::string error;
        ASSERT_TRUE(ParsePixelMap(res->Text(), kCursorAlphabet, map, error)) << error;
        EXPECT_EQ(map.Width, 32);
        EXPECT_EQ(map.Height, 32);
        EXPECT_EQ(map.HotX, 0);
        EXPECT_EQ(map.HotY, 0);
        EXPECT_NE(map.Indexes[0], 0) << "the hot spot is drawn";
        std::set<int> used(map.Indexes.begin(), map.Indexes.end());
        EXPECT_EQ(used, (std::set<int>{0, 1, 2}));
    }
}

TEST(Resources, TheTwoWavesHaveTheirExactSizesAndFormats)
{
    const struct {
        const char* Name;
        std::size_t FileSize;
        int Bits;
        std::size_t DataSize;
    } waves[] = {{"sui", 44076, 16, 44032}, {"uge", 4364, 8, 4319}};
    for (const auto& w : waves) {
        SCOPED_TRACE(w.Name);
        const TResourceEntry* res = FindResourceA(w.Name, "WAVE");
        ASSERT_NE(res, nullptr);
        EXPECT_EQ(res->Size, w.FileSize);
        const auto format = ParseWave(res->Bytes());
        ASSERT_TRUE(format);
        EXPECT_EQ(format->Channels, 1);
        EXPECT_EQ(format->SampleRate, 22050);
        EXPECT_EQ(format->BitsPerSample, w.Bits);
        EXPECT_EQ(format->DataSize, w.DataSize);
        // The RIFF size covers the whole image, the pad byte of an odd chunk included.
        const auto* d = res->Data;
        EXPECT_EQ(std::size_t(d[4] | d[5] << 8 | d[6] << 16 | d[7] << 24), w.FileSize - 8);
    }
    EXPECT_NE(FindResourceA("SUI", "wave"), nullptr);
}

TEST(WaveImage, RejectsTruncatedAndForeignImages)
{
    const TResourceEntry* uge = FindResourceA("uge", "WAVE");
    EXPECT_FALSE(ParseWave(uge->Bytes().first(100)));
    EXPECT_FALSE(ParseWave(uge->Bytes().first(8)));
    EXPECT_FALSE(ParseWave(FindResourceA("BLANC", "BITMAP")->Bytes()));
}

TEST(BmpCodec, RoundTripsPaletteIndexesAndRejectsDamagedFiles)
{
    const std::uint8_t indexes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    const auto file = EncodeBmp4(5, 3, indexes);
    const auto bitmap = DecodeBmp(file);
    ASSERT_NE(bitmap, nullptr);
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(bitmap->Pixel(i % 5, i / 5), kClassicPalette[std::size_t(i)]) << i;
    EXPECT_EQ(DecodeBmp(std::span(file).first(file.size() - 1)), nullptr);
    EXPECT_EQ(DecodeBmp(std::span(file).first(20)), nullptr);
}
