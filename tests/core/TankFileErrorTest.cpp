// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "HeadlessRun.h"

#include "sim/TankFile.h"
#include "sim/TankFileLayout.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// The file every case breaks: 40 founders after three ticks in a 320x240 tank of capacity
// 60. Lines 1 to 7 are the header, line 8 the column names, and line 9 + k the creature
// in slot k, of species k + 1 for the first twenty.
constexpr int kCountLine = 7;
constexpr int kCreatures = 40;
constexpr int kFirstRow = 9;
constexpr int kLastRow = kFirstRow + kCreatures - 1;

int RowOfSlot(int slot)
{
    return kFirstRow + slot;
}

const int kGoldfishRow = RowOfSlot(0);   // GYOPI: no counters
const int kSeahorseRow = RowOfSlot(1);   // TATU: no counters
const int kSquidRow = RowOfSlot(3);      // IKA: a frame
const int kKappaRow = RowOfSlot(10);     // KAPPA: a walker's frame
const int kHorseshoeRow = RowOfSlot(19); // KABUTO: run, pause and tail counters

std::string BaseFile()
{
    THeadlessRun run(320, 240, 60, 5);
    run.Run(3);
    return FormatTankFile(run.Tank);
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

std::string Join(const std::vector<std::string>& parts, char separator)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i ? std::string(1, separator) : std::string()) + parts[i];
    return text;
}

// Edits of the file's lines, numbered from 1 as in the messages.
using TEdit = std::function<void(std::vector<std::string>& lines)>;

TEdit SetLine(int line, std::string value)
{
    return [=](std::vector<std::string>& lines) { lines[std::size_t(line - 1)] = value; };
}

TEdit SetField(int line, TTankColumn column, std::string value)
{
    return [=](std::vector<std::string>& lines) {
        std::vector<std::string> fields = Split(lines[std::size_t(line - 1)], '\t');
        fields[std::size_t(column)] = value;
        lines[std::size_t(line - 1)] = Join(fields, '\t');
    };
}

TEdit Append(int line, std::string tail)
{
    return [=](std::vector<std::string>& lines) { lines[std::size_t(line - 1)] += tail; };
}

TEdit DropLastField(int line)
{
    return [=](std::vector<std::string>& lines) {
        std::string& text = lines[std::size_t(line - 1)];
        text.erase(text.rfind('\t'));
    };
}

TEdit Swap(int a, int b)
{
    return [=](std::vector<std::string>& lines) { std::swap(lines[std::size_t(a - 1)], lines[std::size_t(b - 1)]); };
}

// Keeps the first `count` lines whole, then `partial` bytes of the next.
TEdit KeepLines(int count, std::size_t partial = 0)
{
    return [=](std::vector<std::string>& lines) {
        std::string tail = lines[std::size_t(count)].substr(0, partial);
        lines.resize(std::size_t(count));
        lines.push_back(tail);
    };
}

TEdit Replace(int line, std::string from, std::string to)
{
    return [=](std::vector<std::string>& lines) {
        std::string& text = lines[std::size_t(line - 1)];
        text.replace(text.find(from), from.size(), to);
    };
}

TEdit Everything(std::string text)
{
    return [=](std::vector<std::string>& lines) { lines = Split(text, '\n'); };
}

struct TBroken {
    const char* Name;
    TEdit Edit;
    int Line;
    const char* Says;
};

void PrintTo(const TBroken& broken, std::ostream* out)
{
    *out << broken.Name;
}

class BrokenTankFile : public testing::TestWithParam<TBroken> {};

// One message naming the line and what is wrong, and the tank that was running, and what
// the reader was given to fill, stay exactly as they were.
TEST_P(BrokenTankFile, IsRefusedWithItsLineAndNothingChanges)
{
    const TBroken& broken = GetParam();
    std::vector<std::string> lines = Split(BaseFile(), '\n');
    ASSERT_EQ(lines.size(), std::size_t(kLastRow + 1)) << "the base file has 40 creatures and a final line feed";
    broken.Edit(lines);
    const std::string file = Join(lines, '\n');

    THeadlessRun running(640, 480, 100, 77);
    running.Run(10);
    const std::string before = FormatTankFile(running.Tank);
    TSavedTank saved;
    saved.Width = 1234;
    const TSavedTank untouched = saved;

    std::string error;
    const bool read = ReadTankFile(file, saved, error);
    if (read)
        RestoreTank(saved, *running.Window);
    ASSERT_FALSE(read) << "accepted:\n" << file;
    EXPECT_EQ(error.rfind("line " + std::to_string(broken.Line) + ": ", 0), 0u) << error;
    EXPECT_NE(error.find(broken.Says), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << "one line: " << error;
    EXPECT_EQ(saved, untouched);
    EXPECT_EQ(FormatTankFile(running.Tank), before);
}

const std::string k14Hiragana = "ああああああああああああああ";

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenTankFile,
    testing::Values(
        // The first line.
        TBroken{"WrongFirstLine", SetLine(1, "tolvenn-tonk 1"), 1, "not a tank file"},
        TBroken{"StateTable", SetLine(1, "slot\tspecies\tclass"), 1, "not a tank file: the first line is 'slot\\tspecies"},
        TBroken{"EmptyFile", Everything(""), 1, "the file ends where 'tolvenn-tank 1' should be"},
        TBroken{"VersionZero", SetLine(1, "tolvenn-tank 0"), 1, "not a tank file"},
        TBroken{"VersionNotANumber", SetLine(1, "tolvenn-tank one"), 1, "not a tank file"},
        TBroken{"NewerVersion", SetLine(1, "tolvenn-tank 2"), 1, "version 2 of the tank format, newer"},
        TBroken{"FarNewerVersion", SetLine(1, "tolvenn-tank 123456789012345678901234567890"), 1, "newer"},
        // Truncation.
        TBroken{"CutInHeader", KeepLines(3), 4, "the file ends where 'ticks N' should be; it is truncated"},
        TBroken{"CutBeforeColumns", KeepLines(7), 8, "the file ends where the column names should be"},
        TBroken{"CutBetweenRows", KeepLines(15), 16, "the file ends after 7 of the 40 creatures announced on line 7"},
        TBroken{"CutInsideARow", KeepLines(19, 12), 20, "the file ends inside this line; it is truncated"},
        TBroken{"CutBeforeTheLastLineFeed", KeepLines(kLastRow - 1, 1000), kLastRow, "ends inside this line"},
        TBroken{"FewerRowsThanAnnounced", SetLine(kCountLine, "creatures 41"), kLastRow + 1,
                "the file ends after 40 of the 41 creatures"},
        TBroken{"MoreRowsThanAnnounced", SetLine(kCountLine, "creatures 39"), kLastRow,
                "text after the last of the 39 creatures announced on line 7"},
        TBroken{"BlankLineAtTheEnd", Append(kLastRow, "\n"), kLastRow + 1, "text after the last"},
        // The header lines.
        TBroken{"HeaderOutOfOrder", Swap(3, 4), 3, "expected 'capacity N', found 'ticks 3'"},
        TBroken{"HeaderWithoutValue", SetLine(5, "seed"), 5, "expected 'seed N'"},
        TBroken{"ExtentWithoutX", SetLine(2, "extent 320*240"), 2, "expected WIDTHxHEIGHT"},
        TBroken{"ExtentTooNarrow", SetLine(2, "extent 63x240"), 2, "tank width: 63 is outside 64 to 16384"},
        TBroken{"ExtentTooHigh", SetLine(2, "extent 320x16385"), 2, "tank height: 16385 is outside 64 to 16384"},
        TBroken{"CapacityTooSmall", SetLine(3, "capacity 49"), 3, "capacity: 49 is outside 50 to 800"},
        TBroken{"CapacityTooLarge", SetLine(3, "capacity 801"), 3, "capacity: 801 is outside 50 to 800"},
        TBroken{"TicksNegative", SetLine(4, "ticks -1"), 4, "ticks: -1 is outside 0 to"},
        TBroken{"TicksAtTheLimit", SetLine(4, "ticks 9223372036854775807"), 4, "is outside 0 to 9223372036854775806"},
        TBroken{"TicksBeyondAnyType", SetLine(4, "ticks 99999999999999999999"), 4, "is outside"},
        TBroken{"SeedTooLarge", SetLine(5, "seed 4294967296"), 5, "seed: 4294967296 is outside 0 to 4294967295"},
        TBroken{"SeedNotANumber", SetLine(5, "seed 12a"), 5, "seed: '12a' is not a whole number"},
        TBroken{"SeedWithPlus", SetLine(5, "seed +3"), 5, "'+3' is not a whole number"},
        TBroken{"RandomOneHalf", SetLine(6, "random 5"), 6, "LOW HIGH"},
        TBroken{"RandomHalfTooLarge", SetLine(6, "random 1 4294967296"), 6, "random high half: 4294967296 is outside"},
        TBroken{"MoreCreaturesThanCapacity", SetLine(kCountLine, "creatures 61"), kCountLine,
                "61 creatures do not fit a capacity of 60"},
        // The column names.
        TBroken{"MissingColumn", Replace(8, "\tage", ""), 8, "missing column 'age'"},
        TBroken{"ExtraColumn", Append(8, "\tcolour"), 8, "extra column 'colour'"},
        TBroken{"UnknownColumn", Replace(8, "\tage", "\tcolour\tage"), 8, "unknown column 'colour'"},
        TBroken{"ColumnsOutOfOrder", Replace(8, "x\ty", "y\tx"), 8, "column 4 is 'y'; it must be 'x'"},
        // Rows of the wrong width.
        TBroken{"RowMissingAColumn", DropLastField(kSquidRow), kSquidRow, "missing column 'family'"},
        TBroken{"RowWithAnExtraColumn", Append(kSquidRow, "\textra"), kSquidRow, "extra column"},
        // Values out of their fields' ranges.
        TBroken{"XOutsideTheTank", SetField(kGoldfishRow, TTankColumn::X, "320"), kGoldfishRow,
                "column 'x': 320 is outside 0 to 319"},
        TBroken{"YNegative", SetField(kGoldfishRow, TTankColumn::Y, "-1"), kGoldfishRow, "column 'y': -1 is outside"},
        TBroken{"DxBeyondInt", SetField(kGoldfishRow, TTankColumn::DX, "2147483648"), kGoldfishRow,
                "column 'dx': 2147483648 is outside -2147483648 to 2147483647"},
        TBroken{"AgeNegative", SetField(kGoldfishRow, TTankColumn::Age, "-1"), kGoldfishRow,
                "column 'age': -1 is outside 0 to 4294967295"},
        TBroken{"GiantTwo", SetField(kGoldfishRow, TTankColumn::Giant, "2"), kGoldfishRow, "column 'giant': 2"},
        TBroken{"GenerationZero", SetField(kGoldfishRow, TTankColumn::Generation, "0"), kGoldfishRow,
                "column 'generation': 0 is outside 1 to 2147483647"},
        TBroken{"GenerationBeyondInt", SetField(kGoldfishRow, TTankColumn::Generation, "2147483648"), kGoldfishRow,
                "column 'generation': 2147483648 is outside"},
        TBroken{"LifeEmpty", SetField(kGoldfishRow, TTankColumn::Life, ""), kGoldfishRow,
                "column 'life': '' is not a whole number"},
        TBroken{"SpeedWithSpace", SetField(kGoldfishRow, TTankColumn::Speed, " 5"), kGoldfishRow,
                "column 'speed': ' 5' is not a whole number"},
        // Species and class.
        TBroken{"SpeciesTooLarge", SetField(kGoldfishRow, TTankColumn::Species, "21"), kGoldfishRow,
                "there is no species 21"},
        TBroken{"SpeciesZero", SetField(kGoldfishRow, TTankColumn::Species, "0"), kGoldfishRow, "there is no species 0"},
        TBroken{"ClassUnknown", SetField(kGoldfishRow, TTankColumn::Class, "NEMO"), kGoldfishRow,
                "there is no class 'NEMO'"},
        TBroken{"ClassOfAnotherSpecies", SetField(kGoldfishRow, TTankColumn::Class, "TATU"), kGoldfishRow,
                "class 'TATU' disagrees with species 1, whose class is 'GYOPI'"},
        // Counters against the class.
        TBroken{"FlapperWithoutFrame", SetField(kSquidRow, TTankColumn::Frame, "-"), kSquidRow,
                "column 'frame': class IKA keeps this counter"},
        TBroken{"FrameWhereTheClassKeepsNone", SetField(kSeahorseRow, TTankColumn::Frame, "0"), kSeahorseRow,
                "column 'frame': class TATU keeps no such counter"},
        TBroken{"FrameOutOfRange", SetField(kKappaRow, TTankColumn::Frame, "2"), kKappaRow,
                "column 'frame': 2 is outside 0 to 1"},
        TBroken{"TailFrameOutOfRange", SetField(kHorseshoeRow, TTankColumn::TailFrame, "3"), kHorseshoeRow,
                "column 'tail_frame': 3 is outside 1 to 2"},
        TBroken{"RunStepsNegative", SetField(kHorseshoeRow, TTankColumn::RunSteps, "-1"), kHorseshoeRow,
                "column 'run_steps': -1 is outside"},
        TBroken{"TailCountersOnAWalker", SetField(kKappaRow, TTankColumn::PauseSteps, "3"), kKappaRow,
                "column 'pause_steps': class KAPPA keeps no such counter"},
        // Slots.
        TBroken{"SlotBeyondCapacity", SetField(kLastRow, TTankColumn::Slot, "60"), kLastRow,
                "slot 60 is beyond the capacity of 60 (slots 0 to 59)"},
        TBroken{"TwoCreaturesInOneSlot", SetField(kSeahorseRow, TTankColumn::Slot, "0"), kSeahorseRow,
                "slot 0 already holds the creature of line 9"},
        TBroken{"SlotsDescending", Swap(RowOfSlot(1), RowOfSlot(2)), RowOfSlot(2), "slot 1 comes after slot 2"},
        // Family names.
        TBroken{"NameBadUtf8", SetField(kGoldfishRow, TTankColumn::Family, "\xE3\x81"), kGoldfishRow,
                "the name is not valid UTF-8"},
        TBroken{"NameEscapedBadUtf8", SetField(kGoldfishRow, TTankColumn::Family, "\\xC3"), kGoldfishRow,
                "not valid UTF-8"},
        TBroken{"NameOverlongUtf8", SetField(kGoldfishRow, TTankColumn::Family, "\xC0\xAF"), kGoldfishRow,
                "not valid UTF-8"},
        TBroken{"NameTooLong", SetField(kGoldfishRow, TTankColumn::Family, k14Hiragana), kGoldfishRow,
                "the name is 42 bytes long; at most 39 fit"},
        TBroken{"NameUnknownEscape", SetField(kGoldfishRow, TTankColumn::Family, "a\\qb"), kGoldfishRow,
                "unknown escape \\q"},
        TBroken{"NameEndsInBackslash", SetField(kGoldfishRow, TTankColumn::Family, "ab\\"), kGoldfishRow,
                "a backslash ends the field"},
        TBroken{"NameShortHexEscape", SetField(kGoldfishRow, TTankColumn::Family, "\\x4"), kGoldfishRow,
                "two hex digits"},
        TBroken{"NameRawControlByte", SetField(kGoldfishRow, TTankColumn::Family, "a\x01z"), kGoldfishRow,
                "control byte 0x01 written raw"},
        TBroken{"NameZeroByte", SetField(kGoldfishRow, TTankColumn::Family, "a\\x00z"), kGoldfishRow,
                "the name holds a zero byte"}),
    [](const testing::TestParamInfo<TBroken>& info) { return info.param.Name; });

}  // namespace
