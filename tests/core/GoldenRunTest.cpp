// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "tools/sim/SimTool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>

namespace {

// One fixed run of the headless tool, pinned by the hashes of its outputs: any change to
// the simulation's behaviour (a random draw, a rule, a birth or death, a value written)
// changes one of them. The run fills its small tank within a few hundred ticks, so births
// into freed slots, full-tank drops, deaths and every kind's rule all take part.
const std::vector<std::string> kGoldenArgs = {"--seed", "1",      "--tank",  "640x480", "--capacity", "200",
                                              "--ticks", "3000", "--every", "50",      "--quiet"};
constexpr std::uint64_t kGoldenState = 0x5e9bd41b681964feull;
constexpr std::uint64_t kGoldenCensus = 0x3228cf12031c0c9bull;

// FNV-1a, 64 bits.
std::uint64_t Fnv1a(const std::string& bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 0x100000001b3ull;
    }
    return hash;
}

std::string Hex(std::uint64_t value)
{
    std::ostringstream out;
    out << "0x" << std::hex << std::setw(16) << std::setfill('0') << value << "ull";
    return out.str();
}

std::string Read(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string Regenerate(const char* what, const char* constant, std::uint64_t now)
{
    std::string command = "tolvenn-sim";
    for (const std::string& arg : kGoldenArgs)
        command += " " + arg;
    return std::string("The golden run's ") + what + " changed: it now hashes to " + Hex(now) +
           ".\nIf the simulation was meant to change, set " + constant + " in tests/core/GoldenRunTest.cpp to " +
           Hex(now) + ". To see what changed, compare the files of\n    " + command +
           " --state state.tsv --census census.csv\nbuilt before and after the change.";
}

TEST(GoldenRun, StateAndCensusOfAFixedRunAreUnchanged)
{
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "tolvenn-golden";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::vector<std::string> args = kGoldenArgs;
    args.insert(args.end(), {"--state", (dir / "state.tsv").string(), "--census", (dir / "census.csv").string()});
    std::ostringstream out, err;
    ASSERT_EQ(RunSimTool(args, out, err), 0) << err.str();
    const std::uint64_t state = Fnv1a(Read(dir / "state.tsv"));
    const std::uint64_t census = Fnv1a(Read(dir / "census.csv"));
    std::filesystem::remove_all(dir);

    EXPECT_EQ(state, kGoldenState) << Regenerate("state table", "kGoldenState", state);
    EXPECT_EQ(census, kGoldenCensus) << Regenerate("census", "kGoldenCensus", census);
}

}  // namespace
