#include "tools/sim/Options.h"
#include "tools/sim/SimTool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
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
                  [](const TSimOptions& o) { return o.SpriteSheetPath == "s.png"; }}),
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
                    TBadArgs{{"run"}, "run"}, TBadArgs{{"--seed", "1", "-q"}, "-q"}),
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

class SimToolRun : public testing::Test {
protected:
    std::filesystem::path Dir = std::filesystem::path(testing::TempDir()) /
                                ("tolvenn-sim-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::ostringstream Out, Err;

    void SetUp() override
    {
        std::filesystem::remove_all(Dir);
        std::filesystem::create_directories(Dir);
    }
    void TearDown() override { std::filesystem::remove_all(Dir); }

    std::string File(const char* name) const { return (Dir / name).string(); }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
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
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir), {}), 2) << "no temporary left behind";
}

TEST_F(SimToolRun, StdoutAndSummary)
{
    EXPECT_EQ(Run({"--version"}), 0);
    EXPECT_EQ(Out.str(), "tolvenn-sim 1.0.0\n");
    Out.str("");
    ASSERT_EQ(Run({"--ticks", "3", "--tank", "200x150", "--state", "-"}), 0);
    EXPECT_EQ(Out.str().rfind("slot\t", 0), 0u);
    EXPECT_NE(Err.str().find("3 ticks"), std::string::npos) << Err.str();
    EXPECT_NE(Err.str().find("steps/s"), std::string::npos) << Err.str();
}

}  // namespace
