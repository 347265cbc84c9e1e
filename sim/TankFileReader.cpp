// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "sim/TankFile.h"

#include "base/text/Quoted.h"
#include "base/text/Utf8.h"
#include "creatures/Ikimono.h"
#include "sim/TankLimits.h"
#include "sim/Catalogue.h"
#include "sim/FieldEscape.h"
#include "sim/LineReader.h"
#include "sim/TankFileLayout.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

namespace {

// The tick count stops one short of its type's limit, so that the next tick can still be
// counted.
constexpr long long kMaxTicks = INT64_MAX - 1LL;
constexpr long long kMaxUint32 = UINT32_MAX;

const TSpeciesEntry* FindClass(std::string_view className)
{
    for (int n = 1; n <= kSpeciesCount; ++n)
        if (FindSpecies(n)->ClassName == className)
            return FindSpecies(n);
    return nullptr;
}

// Reads one tank file; every check fails with the number of the line it concerns.
class TTankFileReader : public TLineReader {
public:
    using TLineReader::TLineReader;

    bool Read(TSavedTank& saved);

private:
    bool FirstLine();
    bool HeaderLine(std::string_view key, std::string_view form, std::string_view& value);
    bool Header(TSavedTank& saved, int& count);
    bool ColumnLine();
    bool Row(std::string_view line, int capacity, int width, int height, TSavedCreature& c);
    bool Counter(std::string_view field, TTankColumn column, bool kept, std::string_view className, long long low,
                 long long high, int& value);
    bool FamilyName(std::string_view field, std::string& name);
};

bool TTankFileReader::FirstLine()
{
    const std::string expected = std::string(kTankFileFormat) + ' ' + std::to_string(kTankFileVersion);
    std::string_view line;
    if (!NextLine(line, "'" + expected + "'"))
        return false;
    const std::string prefix = std::string(kTankFileFormat) + ' ';
    const std::string_view version = line.substr(std::min(prefix.size(), line.size()));
    if (line.substr(0, prefix.size()) == prefix && !version.empty() &&
        version.find_first_not_of("0123456789") == std::string_view::npos) {
        // Compared as digit strings, so that no version number is too long to be told newer.
        const std::string_view number = version.substr(std::min(version.find_first_not_of('0'), version.size()));
        const std::string current = std::to_string(kTankFileVersion);
        if (number == current)
            return true;
        if (number.size() > current.size() || (number.size() == current.size() && number > current))
            return Fail("the file is version " + ShownNumber(number) +
                        " of the tank format, newer than this program reads (version " + current + ")");
    }
    return Fail("not a tank file: the first line is " + Quoted(line) + ", not '" + expected + "'");
}

bool TTankFileReader::HeaderLine(std::string_view key, std::string_view form, std::string_view& value)
{
    const std::string expected = std::string("'").append(key).append(" ").append(form).append("'");
    std::string_view line;
    if (!NextLine(line, expected))
        return false;
    if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != ' ')
        return Fail("expected " + expected + ", found " + Quoted(line));
    value = line.substr(key.size() + 1);
    return true;
}

bool TTankFileReader::Header(TSavedTank& saved, int& count)
{
    std::string_view value;
    if (!HeaderLine(kExtentKey, "WIDTHxHEIGHT", value))
        return false;
    const std::vector<std::string_view> sides = SplitAt(value, 'x');
    if (sides.size() != 2)
        return Fail("extent: expected WIDTHxHEIGHT, found " + Quoted(value));
    if (!Whole(sides[0], "tank width", kMinTankSide, kMaxTankSide, saved.Width) ||
        !Whole(sides[1], "tank height", kMinTankSide, kMaxTankSide, saved.Height))
        return false;

    if (!HeaderLine(kCapacityKey, "N", value) ||
        !Whole(value, "capacity", kMinCapacity, kMaxCapacity, saved.Capacity))
        return false;
    if (!HeaderLine(kTicksKey, "N", value) || !Whole(value, "ticks", 0, kMaxTicks, saved.Ticks))
        return false;
    if (!HeaderLine(kSeedKey, "N", value) || !Whole(value, "seed", 0, kMaxUint32, saved.Seed))
        return false;

    if (!HeaderLine(kRandomKey, "LOW HIGH", value))
        return false;
    const std::vector<std::string_view> halves = SplitAt(value, ' ');
    if (halves.size() != 2)
        return Fail("random: expected the two halves of the generator's state, LOW HIGH, found " + Quoted(value));
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    if (!Whole(halves[0], "random low half", 0, kMaxUint32, low) ||
        !Whole(halves[1], "random high half", 0, kMaxUint32, high))
        return false;
    saved.RandomState = high << 32 | low;

    if (!HeaderLine(kCreaturesKey, "N", value) || !Whole(value, "creatures", 0, INT_MAX, count))
        return false;
    if (count > saved.Capacity)
        return Fail(std::to_string(count) + " creatures do not fit a capacity of " + std::to_string(saved.Capacity));
    return true;
}

bool TTankFileReader::ColumnLine()
{
    std::string_view line;
    if (!NextLine(line, "the column names"))
        return false;
    const std::vector<std::string_view> names = SplitAt(line, '\t');
    const auto named = [&](std::string_view name) {
        for (std::string_view n : names)
            if (n == name)
                return true;
        return false;
    };
    const auto known = [](std::string_view name) {
        for (std::string_view n : kTankColumnNames)
            if (n == name)
                return true;
        return false;
    };
    for (std::size_t i = 0; i < kTankColumnNames.size(); ++i) {
        const std::string wanted(kTankColumnNames[i]);
        if (i < names.size() && names[i] == wanted)
            continue;
        if (!named(wanted))
            return Fail("missing column '" + wanted + "'");
        if (!known(names[i]))
            return Fail("unknown column " + Quoted(names[i]));
        return Fail("column " + std::to_string(i + 1) + " is " + Quoted(names[i]) + "; it must be '" + wanted + "'");
    }
    if (names.size() > kTankColumnNames.size())
        return Fail("extra column " + Quoted(names[kTankColumnNames.size()]) + " after the last, 'family'");
    return true;
}

bool TTankFileReader::Counter(std::string_view field, TTankColumn column, bool kept, std::string_view className,
                              long long low, long long high, int& value)
{
    const std::string what = "column '" + std::string(ColumnName(column)) + "'";
    if (!kept) {
        if (field == kNoValue)
            return true;
        return Fail(what + ": class " + std::string(className) + " keeps no such counter; write '-', not " +
                    Quoted(field));
    }
    if (field == kNoValue)
        return Fail(what + ": class " + std::string(className) + " keeps this counter, from " +
                    RangeText(low, high) + "; '-' is not one");
    return Whole(field, what, low, high, value);
}

bool TTankFileReader::FamilyName(std::string_view field, std::string& name)
{
    std::string problem;
    if (!UnescapeField(field, name, problem))
        return Fail("column 'family': " + problem);
    if (!IsValidUtf8(name))
        return Fail("column 'family': the name is not valid UTF-8");
    if (name.find('\0') != std::string::npos)
        return Fail("column 'family': the name holds a zero byte");
    if (name.size() >= std::size_t(TIKIMONO::kFamilyNameSize))
        return Fail("column 'family': the name is " + std::to_string(name.size()) + " bytes long; at most " +
                    std::to_string(TIKIMONO::kFamilyNameSize - 1) + " fit");
    return true;
}

bool TTankFileReader::Row(std::string_view line, int capacity, int width, int height, TSavedCreature& c)
{
    const std::vector<std::string_view> fields = SplitAt(line, '\t');
    const std::size_t columns = kTankColumnNames.size();
    if (fields.size() < columns)
        return Fail("missing column '" + std::string(kTankColumnNames[fields.size()]) + "': the row has " +
                    std::to_string(fields.size()) + " columns, not " + std::to_string(columns));
    if (fields.size() > columns)
        return Fail("extra column: the row has " + std::to_string(fields.size()) + " columns, not " +
                    std::to_string(columns));

    const auto field = [&](TTankColumn column) { return fields[std::size_t(column)]; };
    const auto number = [&](TTankColumn column, long long low, long long high, auto& value) {
        return Whole(field(column), "column '" + std::string(ColumnName(column)) + "'", low, high, value);
    };

    long long slot = 0;
    if (ParseWhole(field(TTankColumn::Slot), 0, capacity - 1, slot) == TWhole::OutOfRange)
        return Fail("slot " + ShownNumber(field(TTankColumn::Slot)) +
                    " is beyond the capacity of " + std::to_string(capacity) + " (slots 0 to " +
                    std::to_string(capacity - 1) + ")");
    if (!number(TTankColumn::Slot, 0, capacity - 1, c.Slot))
        return false;

    long long species = 0;
    if (ParseWhole(field(TTankColumn::Species), 1, kSpeciesCount, species) == TWhole::OutOfRange)
        return Fail("there is no species " + ShownNumber(field(TTankColumn::Species)) +
                    " (species are 1 to " + std::to_string(kSpeciesCount) + ")");
    if (!number(TTankColumn::Species, 1, kSpeciesCount, c.Species))
        return false;
    const TSpeciesEntry& entry = *FindSpecies(c.Species);
    const std::string_view className = field(TTankColumn::Class);
    if (className != entry.ClassName) {
        if (!FindClass(className))
            return Fail("there is no class " + Quoted(className));
        return Fail("class " + Quoted(className) + " disagrees with species " + std::to_string(c.Species) +
                    ", whose class is '" + std::string(entry.ClassName) + "'");
    }

    // Every move keeps a creature inside the tank, and a child starts where its parent is.
    const bool frame = entry.Class.Counters == TKindCounters::Frame;
    const bool tail = entry.Class.Counters == TKindCounters::Tail;
    return number(TTankColumn::X, 0, width - 1, c.X) && number(TTankColumn::Y, 0, height - 1, c.Y) &&
           number(TTankColumn::DX, INT_MIN, INT_MAX, c.DX) && number(TTankColumn::DY, INT_MIN, INT_MAX, c.DY) &&
           number(TTankColumn::Life, INT_MIN, INT_MAX, c.RemainingLife) &&
           number(TTankColumn::BreedRate, INT_MIN, INT_MAX, c.BreedRate) &&
           number(TTankColumn::Speed, INT_MIN, INT_MAX, c.Speed) && number(TTankColumn::Age, 0, UINT_MAX, c.Age) &&
           number(TTankColumn::Giant, 0, 1, c.Giant) && number(TTankColumn::Generation, 1, INT_MAX, c.Generation) &&
           number(TTankColumn::GeneLifespan, INT_MIN, INT_MAX, c.GeneLifespan) &&
           number(TTankColumn::GeneBreedRate, INT_MIN, INT_MAX, c.GeneBreedRate) &&
           number(TTankColumn::GeneSpeed, INT_MIN, INT_MAX, c.GeneSpeed) &&
           number(TTankColumn::GeneGrowth, INT_MIN, INT_MAX, c.GeneGrowth) &&
           Counter(field(TTankColumn::Frame), TTankColumn::Frame, frame, className, 0, 1, c.Frame) &&
           Counter(field(TTankColumn::RunSteps), TTankColumn::RunSteps, tail, className, 0, INT_MAX, c.RunSteps) &&
           Counter(field(TTankColumn::PauseSteps), TTankColumn::PauseSteps, tail, className, 0, INT_MAX,
                   c.PauseSteps) &&
           Counter(field(TTankColumn::TailFrame), TTankColumn::TailFrame, tail, className, 1, 2, c.TailFrame) &&
           FamilyName(field(TTankColumn::Family), c.FamilyName);
}

bool TTankFileReader::Read(TSavedTank& saved)
{
    int count = 0;
    if (!FirstLine() || !Header(saved, count))
        return false;
    const int countLine = LineNumber();
    if (!ColumnLine())
        return false;

    const std::string announced = " of the " + std::to_string(count) + " creatures announced on line " +
                                  std::to_string(countLine);
    int lastSlotLine = 0;
    for (int n = 0; n < count; ++n) {
        std::string_view line;
        switch (Next(line)) {
        case TNext::Line:
            break;
        case TNext::End:
            return Fail("the file ends after " + std::to_string(n) + announced + "; it is truncated");
        case TNext::Cut:
            return FailCut();
        }
        TSavedCreature creature;
        if (!Row(line, saved.Capacity, saved.Width, saved.Height, creature))
            return false;
        if (!saved.Creatures.empty()) {
            const int previous = saved.Creatures.back().Slot;
            if (creature.Slot == previous)
                return Fail("slot " + std::to_string(previous) + " already holds the creature of line " +
                            std::to_string(lastSlotLine));
            if (creature.Slot < previous)
                return Fail("slot " + std::to_string(creature.Slot) + " comes after slot " + std::to_string(previous) +
                            "; slots must ascend");
        }
        lastSlotLine = LineNumber();
        saved.Creatures.push_back(std::move(creature));
    }
    std::string_view line;
    if (Next(line) != TNext::End)
        return Fail("text after the last" + announced);
    return true;
}

}  // namespace

bool ReadTankFile(std::string_view text, TSavedTank& saved, std::string& error)
{
    TTankFileReader reader(text);
    TSavedTank read;
    if (!reader.Read(read)) {
        error = reader.Error();
        return false;
    }
    saved = std::move(read);
    return true;
}
