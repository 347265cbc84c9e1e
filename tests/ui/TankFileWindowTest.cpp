// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "Aquarium.h"
#include "ProgramRun.h"

#include "app/StartUp.h"
#include "sim/TankLimits.h"
#include "sim/Catalogue.h"
#include "platform/window/Menu.h"
#include "sim/SavedTank.h"
#include "sim/TankDrawing.h"
#include "sim/TankFile.h"
#include "tests/core/HeadlessRun.h"
#include "tools/sim/Simulation.h"
#include "tools/sim/StateTable.h"
#include "ui/SimulationTimer.h"
#include "ui/TankFiles.h"
#include "ui/WatchCommands.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <climits>
#include <csignal>
#include <cstdint>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

TCommandLine Line(std::vector<std::string> args)
{
    args.insert(args.begin(), "tolvenn");
    return ReadCommandLine(args);
}

const TCommandLine kPaused = Line({"--paused"});

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// A scratch folder for the test's files.
struct TScratch {
    QTemporaryDir Dir;
    std::string Path(const char* name) const { return QDir(Dir.path()).filePath(name).toStdString(); }
};

// Chooses `path` in the next file dialog and runs the command, as the menu entry would.
void RunFileCommand(TAquarium& a, unsigned command, const std::string& path)
{
    a.Doubles.FileDialogs.Answer = [path](const TFileDialogRequest&) { return path; };
    a.Window->SendMessage(WM_SYSCOMMAND, command, 0);
    a.Doubles.FileDialogs.Answer = nullptr;
}

void Ticks(TAquarium& a, int n)
{
    for (int i = 0; i < n; ++i)
        a.Window->SendMessage(WM_TIMER, kSimulationTimer, 0);
}

bool SamePicture(const TBitmap& one, const TBitmap& other)
{
    if (one.Width() != other.Width() || one.Height() != other.Height())
        return false;
    for (int y = 0; y < one.Height(); ++y)
        for (int x = 0; x < one.Width(); ++x)
            if (one.Pixel(x, y) != other.Pixel(x, y))
                return false;
    return true;
}

// The text with its line `number` (from 1) replaced by what `edit` makes of it.
std::string WithLine(const std::string& text, int number, const std::function<std::string(std::string)>& edit)
{
    std::size_t begin = 0;
    for (int i = 1; i < number; ++i)
        begin = text.find('\n', begin) + 1;
    const std::size_t end = text.find('\n', begin);
    return text.substr(0, begin) + edit(text.substr(begin, end - begin)) + text.substr(end);
}

std::string LineOf(const std::string& text, int number)
{
    std::string line;
    WithLine(text, number, [&](std::string l) { return line = l; });
    return line;
}

std::string WithField(const std::string& row, int column, const std::string& value)
{
    std::size_t begin = 0;
    for (int i = 0; i < column; ++i)
        begin = row.find('\t', begin) + 1;
    const std::size_t end = row.find('\t', begin);
    return row.substr(0, begin) + value + (end == std::string::npos ? "" : row.substr(end));
}

}  // namespace

TEST(TankFileWindow, SaveThenOpenBringsBackExactlyTheTankThatWasSaved)
{
    TScratch scratch;
    const std::string path = scratch.Path("afternoon.tank");
    TAquarium a(150, 11, kPaused);
    ASSERT_TRUE(a.Open());
    Ticks(a, 60);
    const TSavedTank saved = CaptureTank(a.Tank);

    RunFileCommand(a, kSaveTankCommand, path);
    ASSERT_EQ(a.Doubles.FileDialogs.Asked.size(), 1u);
    const TFileDialogRequest& asked = a.Doubles.FileDialogs.Asked[0];
    EXPECT_EQ(asked.Kind, TFileDialogRequest::TKind::Save);
    EXPECT_EQ(asked.Caption, "Save tank");
    EXPECT_EQ(asked.Filter, "Tolvenn tanks (*.tank)");
    EXPECT_EQ(asked.Suffix, "tank");
    EXPECT_EQ(ReadAll(path), FormatTankFile(saved));

    Ticks(a, 80);
    a.Window->SendMessage(WM_SYSCOMMAND, kCensusCommand, 0);
    ASSERT_NE(CaptureTank(a.Tank), saved);

    RunFileCommand(a, kOpenTankCommand, path);
    ASSERT_EQ(a.Doubles.FileDialogs.Asked.size(), 2u);
    EXPECT_EQ(a.Doubles.FileDialogs.Asked[1].Kind, TFileDialogRequest::TKind::Open);
    EXPECT_EQ(a.Doubles.FileDialogs.Asked[1].Path, path) << "the file of the last save is suggested";
    EXPECT_TRUE(a.Doubles.Boxes.Shown.empty());
    EXPECT_EQ(CaptureTank(a.Tank), saved);

    // The picture is water with every creature drawn once where the file put it: nothing of
    // the tank that ran on after the save is left.
    const TBitmap opened = a.Window->Picture();
    a.Window->Picture().Fill(a.Window->GetClientRect(), kBackgroundColour);
    RedrawCreatures(*a.Window);
    EXPECT_TRUE(SamePicture(a.Window->Picture(), opened));

    // The census starts again from the opened tank, its window still open.
    ASSERT_EQ(a.Window->History.Rows().size(), 1u);
    EXPECT_EQ(a.Window->History.Rows()[0].Tick, 60);
    ASSERT_NE(a.Window->Census.Widget(), nullptr);
    EXPECT_TRUE(a.Window->Census.Widget()->isVisible());
    a.Window->Census.Refresh();
    EXPECT_EQ(a.Window->Census.Widget()->findChild<QLabel*>("tick")->text(), "60");
}

TEST(TankFileWindow, AFaultyFileIsNamedInOneMessageAndTheTankGoesOnUnchanged)
{
    TScratch scratch;
    TAquarium a(100, 5, kPaused);
    ASSERT_TRUE(a.Open());
    Ticks(a, 20);
    const std::string good = FormatTankFile(a.Tank);
    const std::string folder = scratch.Path("folder.tank");
    const std::string pipe = scratch.Path("pipe.tank");
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(folder)));
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    WriteAll(scratch.Path("huge.tank"), good + std::string(kMaxTankFileBytes, '#'));

    const auto row = [&](int column, const std::string& value) {
        return WithLine(good, 9, [&](const std::string& r) { return WithField(r, column, value); });
    };
    const struct {
        const char* Name;
        std::string Text;  // written to the file unless empty
        std::string Path;
        const char* Says;
    } cases[] = {
        {"NotATank", WithLine(good, 1, [](auto) { return "tolvenn-fish 1"; }), "", "line 1:"},
        {"NewerVersion", WithLine(good, 1, [](auto) { return "tolvenn-tank 2"; }), "", "line 1:"},
        {"ExtentNotAllowed", WithLine(good, 2, [](auto) { return "extent 63x788"; }), "", "line 2:"},
        {"Truncated", good.substr(0, good.size() - 3), "", "truncated"},
        {"ExtraColumn", WithLine(good, 9, [](auto r) { return r + "\t0"; }), "", "line 9:"},
        {"NoSuchSpecies", row(1, "21"), "", "line 9:"},
        {"OutOfRange", row(11, "2"), "", "line 9:"},
        {"BadUtf8", row(21, "\xc3("), "", "line 9:"},
        {"SlotTwice", WithLine(good, 10, [&](auto) { return LineOf(good, 9); }), "", "line 10:"},
        {"Missing", "", scratch.Path("missing.tank"), "missing.tank"},
        {"Folder", "", folder, "folder"},
        {"Pipe", "", pipe, "ordinary file"},
        {"TooLarge", "", scratch.Path("huge.tank"), "larger than"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::string path = c.Path;
        if (path.empty()) {
            path = scratch.Path("broken.tank");
            WriteAll(path, c.Text);
        }
        a.Doubles.Boxes.Shown.clear();
        const TSavedTank before = CaptureTank(a.Tank);
        const TBitmap picture = a.Window->Picture();
        const std::size_t rows = a.Window->History.Rows().size();

        RunFileCommand(a, kOpenTankCommand, path);

        ASSERT_EQ(a.Doubles.Boxes.Shown.size(), 1u);
        const std::string& message = a.Doubles.Boxes.Shown[0];
        EXPECT_NE(message.find("could not be opened"), std::string::npos) << message;
        EXPECT_NE(message.find(c.Says), std::string::npos) << message;
        EXPECT_EQ(CaptureTank(a.Tank), before);
        EXPECT_TRUE(SamePicture(a.Window->Picture(), picture));
        EXPECT_EQ(a.Window->History.Rows().size(), rows);
    }
}

// Makes writing a file beyond `bytes` fail as on a full disk, while it lives.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &Before_);
        const rlimit limit{bytes, Before_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        Signal_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &Before_);
        std::signal(SIGXFSZ, Signal_);
    }

private:
    rlimit Before_{};
    void (*Signal_)(int) = nullptr;
};

TEST(TankFileWindow, AFailedSaveSaysWhyAndLeavesTheEarlierFileAsItWas)
{
    TScratch scratch;
    TAquarium a(100, 5, kPaused);
    ASSERT_TRUE(a.Open());
    const std::string earlier = scratch.Path("earlier.tank");
    WriteAll(earlier, "the earlier file\n");
    WriteAll(scratch.Path("plain"), "a file, not a folder\n");
    const struct {
        const char* Name;
        std::string Path;
        bool DiskFull;
    } cases[] = {
        {"MissingFolder", scratch.Path("none/a.tank"), false},
        {"FileForAFolder", scratch.Path("plain/a.tank"), false},
        {"AFolder", scratch.Dir.path().toStdString(), false},
        {"DiskFull", earlier, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        a.Doubles.Boxes.Shown.clear();
        {
            std::optional<TFileSizeLimit> full;
            if (c.DiskFull)
                full.emplace(100);
            RunFileCommand(a, kSaveTankCommand, c.Path);
        }
        ASSERT_EQ(a.Doubles.Boxes.Shown.size(), 1u);
        const std::string& message = a.Doubles.Boxes.Shown[0];
        EXPECT_NE(message.find("The tank could not be saved to " + c.Path + ":\n"), std::string::npos) << message;
        EXPECT_GT(message.size(), message.find(":\n") + 2) << "a reason follows";
        EXPECT_EQ(ReadAll(earlier), "the earlier file\n");
    }
    // No half-written file is left behind.
    EXPECT_EQ(QDir(scratch.Dir.path()).entryList(QDir::Files).size(), 2);
}

TEST(TankFileWindow, AnOpenedTankKeepsItsExtentAndTheScrollRangeFollowsIt)
{
    TScratch scratch;
    TAquarium a(100, 5, kPaused);
    ASSERT_TRUE(a.Open());
    const TRect client = a.Window->GetClientRect();
    const TSavedTank screen = CaptureTank(a.Tank);
    const auto open = [&](int width, int height) {
        TSavedTank other = screen;
        other.Width = width;
        other.Height = height;
        for (TSavedCreature& c : other.Creatures) {
            c.X %= width;
            c.Y %= height;
        }
        const std::string path = scratch.Path("other.tank");
        WriteAll(path, FormatTankFile(other));
        RunFileCommand(a, kOpenTankCommand, path);
        EXPECT_TRUE(a.Doubles.Boxes.Shown.empty());
        EXPECT_EQ(CaptureTank(a.Tank), other);
    };
    const auto range = [&] { return std::pair(a.Window->Scroller->XRange, a.Window->Scroller->YRange); };
    const auto maximized = [&] {
        a.Window->SendMessage(WM_SIZE, SIZE_MAXIMIZED, 0);
        const auto r = range();
        a.Window->SendMessage(WM_SIZE, SIZE_RESTORED, 0);
        return r;
    };

    open(2048, 1600);
    EXPECT_EQ(a.Tank.ScreenWidth, 2048);
    EXPECT_EQ(a.Tank.ScreenHeight, 1600);
    const std::pair<long, long> large((2048 - client.Right) / 16, (1600 - client.Bottom) / 16);
    EXPECT_EQ(range(), large);
    EXPECT_EQ(maximized(), large) << "a tank larger than the screen's scrolls in a maximized window too";
    a.Window->Scroller->ScrollTo(large.first, large.second);

    open(320, 240);
    EXPECT_EQ(range(), std::pair(0L, 0L));
    EXPECT_EQ(a.Window->ScrollX(), 0);
    EXPECT_EQ(a.Window->ScrollY(), 0);

    open(1024, 788);
    EXPECT_EQ(range(), std::pair(long((1024 - client.Right) / 16), long((788 - client.Bottom) / 16)));
    EXPECT_EQ(maximized(), std::pair(0L, 0L)) << "the screen's own tank fits a maximized window";
}

TEST(TankFileWindow, TheTankStandsStillWhileAFileDialogIsOpen)
{
    TAquarium a;
    ASSERT_TRUE(a.Open());
    RunFor(120);
    ASSERT_GT(a.Tank.Ticks, 0);
    a.Doubles.FileDialogs.Answer = [&a](const TFileDialogRequest&) {
        EXPECT_FALSE(a.Window->HasTimer(kSimulationTimer));
        const std::int64_t ticks = a.Tank.Ticks;
        RunFor(200);
        EXPECT_EQ(a.Tank.Ticks, ticks);
        return std::string();  // cancelled
    };

    // The keys the menu shows open the dialogs.
    std::map<unsigned, std::string> texts;
    for (const auto& item : GetSystemMenu(a.Window.get(), false)->Items)
        texts[item.Id] = item.Text;
    EXPECT_EQ(texts[kSaveTankCommand], "Save tank...\tCtrl+S");
    EXPECT_EQ(texts[kOpenTankCommand], "Open tank...\tCtrl+O");
    QApplication::setActiveWindow(a.Window->Widget());
    a.Window->ClientWidget()->setFocus();
    QTest::keyClick(a.Window->ClientWidget(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(a.Window->ClientWidget(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(a.Doubles.FileDialogs.Asked.size(), 2u);
    EXPECT_EQ(a.Doubles.FileDialogs.Asked[0].Kind, TFileDialogRequest::TKind::Save);
    EXPECT_EQ(a.Doubles.FileDialogs.Asked[1].Kind, TFileDialogRequest::TKind::Open);
    EXPECT_TRUE(a.Doubles.Boxes.Shown.empty()) << "cancelling says nothing";
    EXPECT_EQ(a.Window->TimerPeriod(kSimulationTimer), 50u) << "the tank runs on afterwards";

    a.Window->SendMessage(WM_SYSCOMMAND, kPauseCommand, 0);
    a.Window->SendMessage(WM_SYSCOMMAND, kSaveTankCommand, 0);
    EXPECT_FALSE(a.Window->HasTimer(kSimulationTimer)) << "a paused tank stays paused";
}

TEST(TankFileWindow, OpenAtStartUpStartsFromTheFileInsteadOfTheFounders)
{
    TScratch scratch;
    const std::string path = scratch.Path("grown.tank");
    THeadlessRun grown(1280, 900, 220, 77);
    grown.Run(300);
    WriteAll(path, FormatTankFile(grown.Tank));

    // As start-up does it: the file is read before the window is made.
    const TCommandLine line = Line({"--open", path, "--paused"});
    TSavedTank saved;
    std::string error;
    ASSERT_TRUE(ReadTankFrom(line.OpenPath, saved, error)) << error;
    TAquarium a;
    PrepareTank(a.Tank, line, 1024, 788, 1);
    a.Window.reset();  // it takes the tank's bitmaps with it
    a.Window = std::make_unique<TMyWindow>(a.Tank, line, saved);
    a.Window->Sui = TWaveSound::Load("sui");
    ASSERT_TRUE(a.Open());

    EXPECT_EQ(CaptureTank(a.Tank), saved);
    EXPECT_EQ(a.Window->History.Rows().at(0).Tick, 300);
    const TRect client = a.Window->GetClientRect();
    EXPECT_EQ(a.Window->Scroller->XRange, (1280 - client.Right) / 16);
    int drawn = 0;
    const TBitmap& picture = a.Window->Picture();
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            drawn += picture.Pixel(x, y) != kBackgroundColour;
    EXPECT_GT(drawn, 0) << "the opened creatures are on show";

    a.Window->SendMessage(WM_SYSCOMMAND, kStepCommand, 0);
    grown.Run(1);
    EXPECT_EQ(FormatTankFile(a.Tank), FormatTankFile(grown.Tank)) << "the next tick is the headless run's";
}

TEST(TankFileWindow, AFileThatCannotBeOpenedAtStartUpEndsTheProgramWithOneLine)
{
    TScratch scratch;
    const std::string broken = scratch.Path("broken.tank");
    WriteAll(broken, "tolvenn-fish 1\n");
    const std::string good = scratch.Path("good.tank");
    WriteAll(good, FormatTankFile(THeadlessRun(1024, 788, 100, 3).Tank));
    const struct {
        std::vector<std::string> Args;
        int Exit;
        const char* Says;
    } cases[] = {
        {{"--open", broken}, 1, "line 1:"},
        {{"--open", scratch.Path("missing.tank")}, 1, "missing.tank"},
        {{"--open", good, "--seed", "5"}, 2, "--seed"},
        {{"--open", good, "300"}, 2, "capacity"},
        {{"--open="}, 2, "--open"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Args.back());
        QStringList args;
        for (const std::string& arg : c.Args)
            args << QString::fromStdString(arg);
        const std::optional<TProgramRun> run = RunProgram(args);
        if (!run)
            continue;
        EXPECT_EQ(run->ExitCode, c.Exit);
        const std::string& said = run->Said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_EQ(said.back(), '\n');
        EXPECT_NE(said.find(c.Says), std::string::npos) << said;
    }
}

TEST(TankFileWindow, AWindowsSaveIsTheFileTheHeadlessToolGoesOnFrom)
{
    TScratch scratch;
    const std::string path = scratch.Path("window.tank");
    const TCommandLine line = Line({"--seed", "99", "--paused", "300"});
    TAquarium a;
    PrepareTank(a.Tank, line, 1024, 788, 1);
    a.Window.reset();
    a.Window = std::make_unique<TMyWindow>(a.Tank, line);
    a.Window->Sui = TWaveSound::Load("sui");
    ASSERT_TRUE(a.Open());
    Ticks(a, 200);
    RunFileCommand(a, kSaveTankCommand, path);
    const std::string text = ReadAll(path);

    TSavedTank saved;
    std::string error;
    ASSERT_TRUE(ReadTankFile(text, saved, error)) << error;
    EXPECT_EQ(FormatTankFile(saved), text);

    THeadlessRun straight(1024, 788, 300, 99);
    straight.Run(200);
    EXPECT_EQ(FormatTankFile(straight.Tank), text) << "the headless run's file at the same tick";

    THeadlessRun continued(1024, 788, 300, 0);
    ASSERT_TRUE(RestoreTank(saved, *continued.Window));
    continued.Run(150);
    TSimOptions options;
    options.Seed = 99;
    options.Capacity = 300;
    options.Ticks = 350;
    std::ostringstream state;
    Simulate(options, {&state, nullptr, nullptr});
    EXPECT_EQ(FormatState(continued.Tank), state.str());
}

TEST(TankFileWindow, EvenTheLargestTankFileIsWellWithinTheReadingLimit)
{
    for (int species = 1; species <= kSpeciesCount; ++species) {
        TSavedTank full;
        full.Width = full.Height = kMaxTankSide;
        full.Capacity = kMaxCapacity;
        full.Ticks = INT64_MAX - 1;
        full.Seed = UINT32_MAX;
        full.RandomState = UINT64_MAX;
        for (int slot = 0; slot < kMaxCapacity; ++slot) {
            TSavedCreature c;
            c.Slot = slot;
            c.Species = species;
            c.X = c.Y = kMaxTankSide - 1;
            c.DX = c.DY = c.RemainingLife = c.BreedRate = c.Speed = INT_MIN;
            c.GeneLifespan = c.GeneBreedRate = c.GeneSpeed = c.GeneGrowth = INT_MIN;
            c.Age = UINT_MAX;
            c.Giant = 1;
            c.Generation = c.RunSteps = c.PauseSteps = INT_MAX;
            c.Frame = 1;
            c.TailFrame = 2;
            c.FamilyName = std::string(TIKIMONO::kFamilyNameSize - 1, '\x01');
            full.Creatures.push_back(c);
        }
        EXPECT_LT(FormatTankFile(full).size() * 3, kMaxTankFileBytes) << species;
    }
}
