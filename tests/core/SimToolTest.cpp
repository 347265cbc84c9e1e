// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "ScratchFolder.h"
#include "sim/HeadlessWindow.h"
#include "sim/Tank.h"
#include "tools/sim/Options.h"
#include "base/text/Quoted.h"
#include "tools/sim/SimTool.h"
#include "tools/sim/Simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <set>
#include <sstream>

namespace {

struct TGoodArgs {
    const char* Name;
    std::vector<std::string> Args;
    std::function<bool(const TSimOptions&)> Holds;
};

class GoodOptions : public testing::TestWithParam<TGoodArgs> {};

TEST_P(GoodOptions, Parse)
{
    const TParsedCommand parsed = ParseOptions(GetParam().Args);
    ASSERT_EQ(parsed.Action, TSimAction::Run) << parsed.Error;
    EXPECT_TRUE(GetParam().Holds(parsed.Options));
}

INSTANTIATE_TEST_SUITE_P(
    Args, GoodOptions,
    testing::Values(
        TGoodArgs{"Defaults", {},
                  [](const TSimOptions& o) {
                      return !o.Seed && o.TankWidth == 1024 && o.TankHeight == 788 && !o.Capacity && o.Ticks == 1000 &&
                             o.Every == 1 && o.StatePath.empty() && !o.Quiet;
                  }},
        TGoodArgs{"SeedRange", {"--seed", "0", "--seed=4294967295"},
                  [](const TSimOptions& o) { return o.Seed == 4294967295u; }},
        TGoodArgs{"Tank", {"--tank", "64x16384"},
                  [](const TSimOptions& o) { return o.TankWidth == 64 && o.TankHeight == 16384; }},
        TGoodArgs{"CapacityBounds", {"--capacity", "50", "--capacity=800"},
                  [](const TSimOptions& o) { return o.Capacity == 800; }},
        TGoodArgs{"TicksAndEvery", {"--ticks", "0", "--every", "2147483647"},
                  [](const TSimOptions& o) { return o.Ticks == 0 && o.Every == 2147483647; }},
        TGoodArgs{"Outputs", {"--state", "-", "--census=c.csv", "--png", "p.png", "--quiet"},
                  [](const TSimOptions& o) {
                      return o.StatePath == "-" && o.CensusPath == "c.csv" && o.PngPath == "p.png" && o.Quiet;
                  }},
        TGoodArgs{"SpriteSheet", {"--sprite-sheet", "s.png"},
                  [](const TSimOptions& o) { return o.SpriteSheetPath == "s.png"; }},
        TGoodArgs{"OpenAndSave", {"--open", "a.tank", "--ticks", "5", "--save=b.tank"},
                  [](const TSimOptions& o) { return o.OpenPath == "a.tank" && o.SavePath == "b.tank"; }}),
    [](const testing::TestParamInfo<TGoodArgs>& info) { return info.param.Name; });

struct TBadArgs {
    std::vector<std::string> Args;
    std::string Named;
};

class BadOptions : public testing::TestWithParam<TBadArgs> {};

TEST_P(BadOptions, AreRefusedNamingTheOption)
{
    const TParsedCommand parsed = ParseOptions(GetParam().Args);
    ASSERT_EQ(parsed.Action, TSimAction::Error);
    EXPECT_NE(parsed.Error.find(GetParam().Named), std::string::npos) << parsed.Error;
}

INSTANTIATE_TEST_SUITE_P(
    Args, BadOptions,
    testing::Values(TBadArgs{{"--seed", "-1"}, "--seed"}, TBadArgs{{"--seed", "4294967296"}, "--seed"},
                    TBadArgs{{"--seed", "12a"}, "--seed"}, TBadArgs{{"--seed", "+3"}, "--seed"},
                    TBadArgs{{"--seed"}, "--seed"}, TBadArgs{{"--tank", "63x100"}, "--tank"},
                    TBadArgs{{"--tank", "100x16385"}, "--tank"}, TBadArgs{{"--tank", "100"}, "--tank"},
                    TBadArgs{{"--tank", "100x"}, "--tank"}, TBadArgs{{"--tank", "100X100"}, "--tank"},
                    TBadArgs{{"--capacity", "49"}, "--capacity"}, TBadArgs{{"--capacity", "801"}, "--capacity"},
                    TBadArgs{{"--ticks", "2147483648"}, "--ticks"}, TBadArgs{{"--ticks", ""}, "--ticks"},
                    TBadArgs{{"--every", "0"}, "--every"}, TBadArgs{{"--state="}, "--state"},
                    TBadArgs{{"--bogus"}, "--bogus"}, TBadArgs{{"--quiet=1"}, "--quiet=1"},
                    TBadArgs{{"run"}, "run"}, TBadArgs{{"--seed", "1", "-q"}, "-q"},
                    TBadArgs{{"--sprite-sheet", "s.png", "--state", "s.tsv"}, "--sprite-sheet"},
                    TBadArgs{{"--census=-", "--sprite-sheet=s.png"}, "--sprite-sheet"},
                    TBadArgs{{"--png", "p.png", "--sprite-sheet", "s.png"}, "--sprite-sheet"},
                    TBadArgs{{"--save", "t.tank", "--sprite-sheet", "s.png"}, "--sprite-sheet"},
                    TBadArgs{{"--open", "t.tank", "--seed", "1"}, "--seed"},
                    TBadArgs{{"--tank=100x100", "--open", "t.tank"}, "--tank"},
                    TBadArgs{{"--open", "t.tank", "--capacity", "60"}, "--capacity"},
                    TBadArgs{{"--open="}, "--open"}),
    [](const testing::TestParamInfo<TBadArgs>& info) {
        // "--seed -1" is named seed_minus1: letters and digits kept, signs spelt out.
        std::string name;
        for (const std::string& arg : info.param.Args) {
            name += name.empty() ? "" : "_";
            const std::size_t start = arg.size() > 1 && arg[0] == '-' && !std::isdigit(static_cast<unsigned char>(arg[1]))
                                          ? arg.find_first_not_of('-')
                                          : 0;
            for (const char ch : arg.substr(std::min(start, arg.size())))
                name += std::isalnum(static_cast<unsigned char>(ch)) ? std::string(1, ch)
                        : ch == '-'                                  ? "minus"
                        : ch == '+'                                  ? "plus"
                                                                     : "_";
        }
        return name;
    });

TEST(ParseOptions, HelpAndVersion)
{
    EXPECT_EQ(ParseOptions({"--ticks", "5", "--help"}).Action, TSimAction::Help);
    EXPECT_EQ(ParseOptions({"--version"}).Action, TSimAction::Version);
}

TEST(Quoted, EchoesTypedTextOnOneSafeLine)
{
    const std::string hundred(100, 'a');
    const std::string ninetyNine(99, 'a');
    const struct {
        std::string Typed;
        std::string Shown;
    } cases[] = {
        {"", "''"},
        {"out/state.tsv", "'out/state.tsv'"},
        {"きんぎょ.tsv", "'きんぎょ.tsv'"},
        {"a\nb\tc\rd", "'a\\nb\\tc\\rd'"},
        {"x\n--state ok", "'x\\n--state ok'"},
        {std::string("nul\0bel\a", 8) + "\x1b[2J\x7f", "'nul\\x00bel\\x07\\x1B[2J\\x7F'"},
        {"c1\xc2\x85ls\xe2\x80\xa8rlo\xe2\x80\xae", "'c1\\u0085ls\\u2028rlo\\u202E'"},
        {"bad\xff\xc3(", "'bad\\xFF\\xC3('"},
        {"it's a \\ path", "'it\\'s a \\\\ path'"},
        {hundred, "'" + hundred + "'"},
        {hundred + "b", "'" + hundred + "...'"},
        {std::string(100'000, 'a'), "'" + hundred + "...'"},
        {std::string(150, '\n'), [] {
             std::string escaped;
             for (int i = 0; i < 100; ++i)
                 escaped += "\\n";
             return "'" + escaped + "...'";
         }()},
        {ninetyNine + "きんぎょ", "'" + ninetyNine + "き...'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Quoted(c.Typed), c.Shown) << c.Typed.substr(0, 40);
}

TEST(ForEachTick, CountsUpToTheLargestIntWithoutPassingIt)
{
    const int top = std::numeric_limits<int>::max();
    const struct {
        int First;
        int Last;
        int StopAfter;  // calls before each() returns false
        std::vector<int> Seen;
    } cases[] = {
        {1, 3, 99, {1, 2, 3}},
        {1, 0, 99, {}},
        {top - 2, top, 99, {top - 2, top - 1, top}},
        {top, top, 99, {top}},
        {1, top, 2, {1, 2}},
    };
    for (const auto& c : cases) {
        std::vector<int> seen;
        ForEachTick(c.First, c.Last, [&](int tick) {
            seen.push_back(tick);
            return int(seen.size()) < c.StopAfter;
        });
        EXPECT_EQ(seen, c.Seen) << c.First << ".." << c.Last;
    }
}

// Without a picture the creatures must still age as they are drawn: the growth of every
// child, and so the whole run, depends on it.
TEST(Simulate, ThePictureChangesNothingButThePicture)
{
    TSimOptions options;
    options.Seed = 11;
    options.TankWidth = 320;
    options.TankHeight = 240;
    options.Capacity = 60;
    options.Ticks = 400;
    std::ostringstream withPicture, png, withoutPicture;
    const TSimResult drawn = Simulate(options, {&withPicture, nullptr, &png});
    const TSimResult blind = Simulate(options, {&withoutPicture, nullptr, nullptr});
    EXPECT_EQ(withPicture.str(), withoutPicture.str());
    EXPECT_EQ(drawn.Steps, blind.Steps);
    EXPECT_FALSE(png.str().empty());
}

TEST(HeadlessWindow, WithoutAPictureKeepsTheClientSizeButNoPixels)
{
    TTank tank;
    tank.ScreenWidth = 16384;
    tank.ScreenHeight = 16384;
    THeadlessWindow window(tank, TPicture::None);
    EXPECT_EQ(window.ClientWidth(), 16384);
    EXPECT_EQ(window.ClientHeight(), 16384);
    EXPECT_EQ(window.Drawable(), nullptr);
    EXPECT_EQ(window.Picture().Width() * window.Picture().Height(), 0);
}

// Takes `room` bytes, then fails like a full disk.
class TFillingBuffer : public std::streambuf {
public:
    explicit TFillingBuffer(std::size_t room) : Room_(room) {}
    std::size_t Taken = 0;

protected:
    int_type overflow(int_type c) override
    {
        if (Taken == Room_)
            return traits_type::eof();
        ++Taken;
        return traits_type::not_eof(c);
    }

private:
    std::size_t Room_;
};

TEST(Simulate, WritesTheCensusAsItGoesAndStopsWhenItCannot)
{
    TSimOptions options;
    options.Seed = 2;
    options.TankWidth = 200;
    options.TankHeight = 150;
    options.Ticks = 2147483647;
    TFillingBuffer filling(10'000);
    std::ostream census(&filling);
    const TSimResult result = Simulate(options, {nullptr, &census, nullptr});
    EXPECT_EQ(filling.Taken, 10'000u);
    EXPECT_GT(result.Ticks, 50);
    EXPECT_LT(result.Ticks, 1000);
}

class SimToolRun : public testing::Test {
protected:
    TScratchFolder Scratch;
    std::ostringstream Out, Err;

    std::string File(const char* name) const { return Scratch.File(name); }
    static std::string Read(const std::string& path) { return TScratchFolder::Read(path); }
    int Run(std::vector<std::string> args) { return RunSimTool(args, Out, Err); }
};

TEST_F(SimToolRun, SameSeedGivesByteIdenticalOutputs)
{
    const std::vector<std::string> common = {"--tank", "320x240", "--capacity", "60", "--ticks", "300", "--quiet"};
    auto run = [&](const char* seed, const char* state, const char* census) {
        std::vector<std::string> args = common;
        args.insert(args.end(), {"--seed", seed, "--state", File(state), "--census", File(census), "--every", "7"});
        return Run(args);
    };
    ASSERT_EQ(run("99", "a.tsv", "a.csv"), 0) << Err.str();
    ASSERT_EQ(run("99", "b.tsv", "b.csv"), 0) << Err.str();
    ASSERT_EQ(run("100", "c.tsv", "c.csv"), 0) << Err.str();
    EXPECT_EQ(Read(File("a.tsv")), Read(File("b.tsv")));
    EXPECT_EQ(Read(File("a.csv")), Read(File("b.csv")));
    EXPECT_NE(Read(File("a.tsv")), Read(File("c.tsv")));
    EXPECT_TRUE(Err.str().empty()) << "quiet";
}

TEST_F(SimToolRun, CensusAndStateLayout)
{
    ASSERT_EQ(Run({"--seed", "3", "--ticks", "10", "--every", "4", "--census", File("c.csv"), "--state", File("s.tsv")}),
              0);
    std::istringstream census(Read(File("c.csv")));
    std::string line;
    std::getline(census, line);
    EXPECT_EQ(line, "tick,total,births,deaths,GYOPI,TATU,WANIUO,IKA,SUB,HIRAME,HITODE,BARG,HONEUO,CHOUCHOU,KAPPA,"
                    "TAKO,KURAGE,KUMANOMI,UNI,MARIMO,KAI,KANI,KUJIRA,KABUTO");
    std::getline(census, line);
    EXPECT_EQ(line.rfind("0,40,0,0,", 0), 0u) << line;
    std::vector<std::string> ticks;
    while (std::getline(census, line))
        ticks.push_back(line.substr(0, line.find(',')));
    EXPECT_EQ(ticks, (std::vector<std::string>{"4", "8"}));

    std::istringstream state(Read(File("s.tsv")));
    std::getline(state, line);
    EXPECT_EQ(line, "slot\tspecies\tclass\tx\ty\tdx\tdy\tlife\tbreed_rate\tspeed\tage\tgiant\tgeneration\t"
                    "gene_lifespan\tgene_breed_rate\tgene_speed\tgene_growth\tframe\trun_steps\tpause_steps\t"
                    "tail_frame\tfamily");
    std::getline(state, line);
    EXPECT_EQ(line.rfind("0\t1\tGYOPI\t", 0), 0u) << line;
    EXPECT_NE(line.find("\t-\t-\t-\t-\tきんぎょ"), std::string::npos) << line;
}

TEST_F(SimToolRun, BadOptionWritesNothing)
{
    EXPECT_EQ(Run({"--state", File("s.tsv"), "--capacity", "900"}), 2);
    EXPECT_NE(Err.str().find("--capacity"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(File("s.tsv")));
    EXPECT_TRUE(Out.str().empty());
}

TEST_F(SimToolRun, UnwritableOutputIsAnError)
{
    EXPECT_EQ(Run({"--ticks", "1", "--quiet", "--state", File("missing/dir/s.tsv")}), 1);
    EXPECT_NE(Err.str().find("missing/dir/s.tsv"), std::string::npos) << Err.str();
}

TEST_F(SimToolRun, PicturesArePngFiles)
{
    ASSERT_EQ(Run({"--tank", "200x150", "--ticks", "5", "--quiet", "--png", File("p.png")}), 0);
    ASSERT_EQ(Run({"--sprite-sheet", File("s.png")}), 0);
    for (const char* name : {"p.png", "s.png"})
        EXPECT_EQ(Read(File(name)).substr(0, 4), "\x89PNG") << name;
    EXPECT_EQ(Scratch.Entries(), (std::set<std::string>{"p.png", "s.png"})) << "no temporary left behind";
}

TEST_F(SimToolRun, LongOrForgedArgumentsStayOnTheirLines)
{
    const std::string flood(100'000, 'x');
    const struct {
        std::vector<std::string> Args;
        std::string Shown;
    } cases[] = {
        {{flood}, "unknown option '" + std::string(100, 'x') + "...'"},
        {{"--seed", flood}, "not '" + std::string(100, 'x') + "...'"},
        {{"--ticks", "1\ntolvenn-sim: all done"}, "not '1\\ntolvenn-sim: all done'"},
        {{"--state\r"}, "unknown option '--state\\r'"},
    };
    for (const auto& c : cases) {
        Err.str("");
        EXPECT_EQ(Run(c.Args), 2);
        const std::string err = Err.str();
        EXPECT_NE(err.find(c.Shown), std::string::npos) << err.substr(0, 300);
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << "the message and the hint to --help";
        EXPECT_LT(err.size(), 400u);
    }
}

// A run saved after T ticks and continued for K more ends exactly as the run of T + K
// ticks; its census goes on from the saved tick without repeating the row written there.
TEST_F(SimToolRun, ASavedRunContinuesExactly)
{
    const struct {
        const char* Seed;
        const char* Tank;
        const char* Capacity;
        const char* First;
        const char* Then;
        const char* Whole;
    } cases[] = {{"3", "1024x788", "400", "300", "200", "500"}, {"8", "320x240", "50", "97", "150", "247"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Seed);
        const std::vector<std::string> made = {"--seed", c.Seed, "--tank", c.Tank, "--capacity", c.Capacity,
                                               "--quiet", "--every", "3"};
        auto with = [&](std::vector<std::string> args, std::vector<std::string> more) {
            args.insert(args.end(), more.begin(), more.end());
            return args;
        };
        ASSERT_EQ(Run(with(made, {"--ticks", c.First, "--save", File("first.tank"), "--census", File("first.csv")})),
                  0)
            << Err.str();
        ASSERT_EQ(Run({"--open", File("first.tank"), "--ticks", c.Then, "--quiet", "--every", "3", "--save",
                       File("then.tank"), "--census", File("then.csv"), "--state", File("then.tsv")}),
                  0)
            << Err.str();
        ASSERT_EQ(Run(with(made, {"--ticks", c.Whole, "--save", File("whole.tank"), "--census", File("whole.csv"),
                                  "--state", File("whole.tsv")})),
                  0)
            << Err.str();
        EXPECT_EQ(Read(File("then.tank")), Read(File("whole.tank")));
        EXPECT_EQ(Read(File("then.tsv")), Read(File("whole.tsv")));
        const std::string then = Read(File("then.csv"));
        EXPECT_EQ(Read(File("first.csv")) + then.substr(then.find('\n') + 1), Read(File("whole.csv")));
    }
}

TEST_F(SimToolRun, ABrokenOrMissingTankFileEndsTheRunBeforeAnythingIsWritten)
{
    TScratchFolder::Write(File("newer.tank"), "tolvenn-tank 99\n");
    const struct {
        std::string Path;
        std::string Says;
    } cases[] = {
        {File("newer.tank"), "newer.tank', line 1: "},
        {File("missing.tank"), "cannot read '" + File("missing.tank") + "'"},
        {Scratch.File(""), "line 1: "},
    };
    for (const auto& c : cases) {
        Err.str("");
        EXPECT_EQ(Run({"--open", c.Path, "--state", File("s.tsv"), "--save", File("s.tank")}), 1);
        const std::string err = Err.str();
        EXPECT_NE(err.find(c.Says), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_EQ(Scratch.Entries(), std::set<std::string>{"newer.tank"});
    }
}

TEST_F(SimToolRun, StdoutAndSummary)
{
    EXPECT_EQ(Run({"--version"}), 0);
    EXPECT_EQ(Out.str(), "tolvenn-sim 1.0.0\n");
    Out.str("");
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_TRUE(Out.str().ends_with("the version\n"));
    Out.str("");
    ASSERT_EQ(Run({"--ticks", "3", "--tank", "200x150", "--state", "-"}), 0);
    EXPECT_EQ(Out.str().rfind("slot\t", 0), 0u);
    EXPECT_NE(Err.str().find("3 ticks"), std::string::npos) << Err.str();
    EXPECT_NE(Err.str().find("steps/s"), std::string::npos) << Err.str();
}

}  // namespace
