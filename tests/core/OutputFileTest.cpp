// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "ScratchFolder.h"
#include "tools/sim/OutputFile.h"
#include "tools/sim/SimTool.h"
#include "tools/sim/TemporaryFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <future>
#include <map>
#include <sstream>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A short run; every test compares what arrived with its state table.
const std::vector<std::string> kShortRun = {"--seed", "4", "--tank", "200x150", "--ticks", "3", "--quiet"};

const std::string& ShortRunState()
{
    static const std::string state = [] {
        std::vector<std::string> args = kShortRun;
        args.insert(args.end(), {"--state", "-"});
        std::ostringstream out, err;
        EXPECT_EQ(RunSimTool(args, out, err), 0) << err.str();
        return out.str();
    }();
    return state;
}

// Everything that arrives through a descriptor until its end, read on a thread of its own;
// `open` gives the descriptor (and may wait for the writer, as a FIFO's open does).
class TCollector {
public:
    explicit TCollector(std::function<int()> open)
        : Received_(std::async(std::launch::async, [open] {
              std::string bytes;
              const int descriptor = open();
              if (descriptor < 0)
                  return bytes;
              char buffer[4096];
              for (ssize_t n; (n = read(descriptor, buffer, sizeof buffer)) > 0;)
                  bytes.append(buffer, std::size_t(n));
              close(descriptor);
              return bytes;
          }))
    {
    }
    std::string Received() { return Received_.get(); }

private:
    std::future<std::string> Received_;
};

// What the folder holds, by name: the kind, with a link's target or a file's bytes and mode.
std::map<std::string, std::string> Snapshot(const TScratchFolder& folder)
{
    std::map<std::string, std::string> snapshot;
    for (const std::string& name : folder.Entries()) {
        const fs::path path = folder.Path / name;
        const fs::file_status status = fs::symlink_status(path);
        std::string& seen = snapshot[name];
        if (fs::is_symlink(status))
            seen = "link to " + fs::read_symlink(path).string();
        else if (fs::is_regular_file(status))
            seen = "file " + std::to_string(int(status.permissions())) + ": " + TScratchFolder::Read(path.string());
        else
            seen = "kind " + std::to_string(int(status.type()));
    }
    return snapshot;
}

mode_t ModeOf(const std::string& path)
{
    struct stat status{};
    EXPECT_EQ(lstat(path.c_str(), &status), 0) << path;
    return status.st_mode;
}

class OutputFiles : public testing::Test {
protected:
    TScratchFolder Scratch;
    std::ostringstream Out, Err;

    std::string File(const std::string& name) const { return Scratch.File(name); }
    // The short run, with more arguments.
    int Run(const std::vector<std::string>& more)
    {
        std::vector<std::string> args = kShortRun;
        args.insert(args.end(), more.begin(), more.end());
        Out.str("");
        Err.str("");
        return RunSimTool(args, Out, Err);
    }
};

TEST_F(OutputFiles, AFifoIsWrittenThroughAndStaysAFifo)
{
    const std::string fifo = File("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    TCollector reader([fifo] { return open(fifo.c_str(), O_RDONLY); });
    EXPECT_EQ(Run({"--state", fifo}), 0) << Err.str();
    // Lets the reader go should the tool never have opened the FIFO.
    if (const int release = open(fifo.c_str(), O_WRONLY | O_NONBLOCK); release >= 0)
        close(release);
    EXPECT_EQ(reader.Received(), ShortRunState());
    EXPECT_TRUE(S_ISFIFO(ModeOf(fifo)));
    EXPECT_EQ(Scratch.Entries(), std::set<std::string>{"fifo"});
}

TEST_F(OutputFiles, ASocketIsWrittenThroughAndStaysASocket)
{
    const std::string path = File("socket");
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof address.sun_path);
    path.copy(address.sun_path, path.size());
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 1), 0);
    TCollector reader([listener] { return accept(listener, nullptr, nullptr); });
    const int status = Run({"--census", path});
    if (status != 0)
        shutdown(listener, SHUT_RDWR);  // lets the waiting accept go
    EXPECT_EQ(status, 0) << Err.str();
    EXPECT_EQ(reader.Received().rfind("tick,total,births,deaths,", 0), 0u);
    close(listener);
    EXPECT_TRUE(S_ISSOCK(ModeOf(path)));
}

TEST_F(OutputFiles, ACharacterDeviceIsWrittenThroughAndStaysADevice)
{
    const std::string null = File("null");
    if (mknod(null.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "making a device node needs root";
    const mode_t mode = ModeOf(null);
    EXPECT_EQ(Run({"--state", null, "--png", File("p.png")}), 0) << Err.str();
    EXPECT_EQ(ModeOf(null), mode);
    EXPECT_TRUE(S_ISCHR(mode));
    EXPECT_EQ(Scratch.Entries(), (std::set<std::string>{"null", "p.png"}));
}

// Like /dev/stdout and a shell's >(...): a path that names a descriptor already open.
TEST_F(OutputFiles, AnOpenDescriptorIsWrittenThroughItsOwnPipe)
{
    for (const bool throughLink : {false, true}) {
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        TCollector reader([readEnd = pipeEnds[0]] { return readEnd; });
        const std::string descriptor = "/proc/self/fd/" + std::to_string(pipeEnds[1]);
        const std::string link = File("stdout");
        if (throughLink)
            fs::create_symlink(descriptor, link);
        EXPECT_EQ(Run({"--state", throughLink ? link : descriptor}), 0) << Err.str();
        close(pipeEnds[1]);
        EXPECT_EQ(reader.Received(), ShortRunState()) << throughLink;
        if (throughLink) {
            EXPECT_TRUE(S_ISLNK(ModeOf(link)));
            fs::remove(link);
        }
        EXPECT_TRUE(Scratch.Entries().empty());
    }
}

struct TReplaceCase {
    const char* Name;
    mode_t Umask;
    std::function<void(const TScratchFolder&)> Prepare;
    std::string Named;    // in the folder
    std::string Written;  // where the bytes must land
    mode_t Mode;          // of what was written
};

class ReplacedFiles : public testing::TestWithParam<TReplaceCase> {};

TEST_P(ReplacedFiles, LandOnTheLinkedTargetWithItsMode)
{
    const TReplaceCase& c = GetParam();
    TScratchFolder scratch;
    c.Prepare(scratch);
    auto expected = Snapshot(scratch);
    const std::string written = scratch.File(c.Written);

    std::vector<std::string> args = kShortRun;
    args.insert(args.end(), {"--state", scratch.File(c.Named)});
    std::ostringstream out, err;
    const mode_t umaskBefore = umask(c.Umask);
    const int status = RunSimTool(args, out, err);
    umask(umaskBefore);

    ASSERT_EQ(status, 0) << err.str();
    EXPECT_EQ(TScratchFolder::Read(written), ShortRunState());
    EXPECT_TRUE(S_ISREG(ModeOf(written)));
    EXPECT_EQ(ModeOf(written) & 07777, c.Mode);
    // Everything else as it was: links still links, and no temporary file left beside.
    auto after = Snapshot(scratch);
    const std::string landed = fs::relative(written, scratch.Path).begin()->string();
    expected.erase(landed);
    after.erase(landed);
    EXPECT_EQ(after, expected);
}

void PutFile(const TScratchFolder& folder, const std::string& name, mode_t mode)
{
    TScratchFolder::Write(folder.File(name), "what was there before\n");
    chmod(folder.File(name).c_str(), mode);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, ReplacedFiles,
    testing::Values(
        TReplaceCase{"NewFile", 022, [](const TScratchFolder&) {}, "new.tsv", "new.tsv", 0644},
        TReplaceCase{"NewFileUnderATightUmask", 077, [](const TScratchFolder&) {}, "new.tsv", "new.tsv", 0600},
        TReplaceCase{"ReadOnlyFile", 022, [](const TScratchFolder& f) { PutFile(f, "old.tsv", 0444); }, "old.tsv",
                     "old.tsv", 0444},
        TReplaceCase{"GroupReadableFile", 077, [](const TScratchFolder& f) { PutFile(f, "old.tsv", 0640); },
                     "old.tsv", "old.tsv", 0640},
        TReplaceCase{"LinkToAFile", 022,
                     [](const TScratchFolder& f) {
                         PutFile(f, "real.tsv", 0604);
                         fs::create_symlink("real.tsv", f.File("link"));
                     },
                     "link", "real.tsv", 0604},
        TReplaceCase{"LinkToNothingYet", 022,
                     [](const TScratchFolder& f) {
                         fs::create_directory(f.File("sub"));
                         fs::create_symlink("sub/made.tsv", f.File("link"));
                     },
                     "link", "sub/made.tsv", 0644},
        TReplaceCase{"ChainOfLinks", 022,
                     [](const TScratchFolder& f) {
                         PutFile(f, "real.tsv", 0600);
                         fs::create_symlink(f.File("real.tsv"), f.File("b"));
                         fs::create_symlink("b", f.File("a"));
                     },
                     "a", "real.tsv", 0600},
        TReplaceCase{"ThroughALinkedFolder", 022,
                     [](const TScratchFolder& f) {
                         fs::create_directory(f.File("sub"));
                         fs::create_directory_symlink("sub", f.File("folder"));
                     },
                     "folder/x.tsv", "sub/x.tsv", 0644}),
    [](const testing::TestParamInfo<TReplaceCase>& info) { return info.param.Name; });

struct TSameFileCase {
    const char* Name;
    std::function<void(const TScratchFolder&)> Prepare;
    std::function<std::vector<std::string>(const TScratchFolder&)> Outputs;
};

class SameFileTwice : public testing::TestWithParam<TSameFileCase> {};

TEST_P(SameFileTwice, IsRefusedBeforeAnythingIsWritten)
{
    const TSameFileCase& c = GetParam();
    TScratchFolder scratch;
    c.Prepare(scratch);
    const auto before = Snapshot(scratch);
    std::vector<std::string> args = kShortRun;
    for (const std::string& arg : c.Outputs(scratch))
        args.push_back(arg);
    std::ostringstream out, err;
    EXPECT_EQ(RunSimTool(args, out, err), 2);
    const std::string message = err.str();
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    EXPECT_NE(message.find("name the same file"), std::string::npos) << message;
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(Snapshot(scratch), before);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SameFileTwice,
    testing::Values(
        TSameFileCase{"Twice", [](const TScratchFolder&) {},
                      [](const TScratchFolder& f) {
                          return std::vector<std::string>{"--state", f.File("x"), "--census", f.File("x")};
                      }},
        TSameFileCase{"DotSlash", [](const TScratchFolder&) {},
                      [](const TScratchFolder& f) {
                          return std::vector<std::string>{"--state", f.File("x"), "--census", f.File("./x")};
                      }},
        TSameFileCase{"ThroughTheParent", [](const TScratchFolder& f) { fs::create_directory(f.File("sub")); },
                      [](const TScratchFolder& f) {
                          return std::vector<std::string>{"--state", f.File("x"), "--png", f.File("sub/../x")};
                      }},
        TSameFileCase{"ExistingFileAndALinkToIt",
                      [](const TScratchFolder& f) {
                          PutFile(f, "x", 0644);
                          fs::create_symlink("x", f.File("link"));
                      },
                      [](const TScratchFolder& f) {
                          return std::vector<std::string>{"--census", f.File("link"), "--state", f.File("x")};
                      }},
        TSameFileCase{"NewFileAndALinkToIt", [](const TScratchFolder& f) { fs::create_symlink("x", f.File("link")); },
                      [](const TScratchFolder& f) {
                          return std::vector<std::string>{"--state", f.File("link"), "--census", f.File("x")};
                      }},
        TSameFileCase{"HardLinks",
                      [](const TScratchFolder& f) {
                          PutFile(f, "x", 0644);
                          fs::create_hard_link(f.File("x"), f.File("y"));
                      },
                      [](const TScratchFolder& f) {
                          return std::vector<std::string>{"--state", f.File("x"), "--census", f.File("y")};
                      }},
        TSameFileCase{"StandardOutputTwice", [](const TScratchFolder&) {},
                      [](const TScratchFolder&) {
                          return std::vector<std::string>{"--state", "-", "--census", "-"};
                      }},
        TSameFileCase{"StandardOutputAndItsDescriptor", [](const TScratchFolder&) {},
                      [](const TScratchFolder&) {
                          return std::vector<std::string>{"--state", "-", "--census", "/proc/self/fd/1"};
                      }}),
    [](const testing::TestParamInfo<TSameFileCase>& info) { return info.param.Name; });

TEST_F(OutputFiles, TemporaryFilesHaveFreshUnpredictableNames)
{
    const std::string target = File("state.tsv");
    // A link planted where the temporary file of a run with this process id would once have
    // gone must not lead the write elsewhere.
    TScratchFolder::Write(File("victim"), "precious");
    const std::string planted = "state.tsv.tmp" + std::to_string(getpid());
    fs::create_symlink(File("victim"), File(planted));

    TOutputSet first(Out);
    TOutputSet second(Out);
    std::ostream& written = first.Add("--state", target);
    second.Add("--state", target);
    std::string error;
    ASSERT_EQ(first.Open(error), TOutputStatus::Ready) << error;
    ASSERT_EQ(second.Open(error), TOutputStatus::Ready) << error;

    std::vector<std::string> temporaries;
    for (const std::string& name : Scratch.Entries())
        if (name != "victim" && name != planted)
            temporaries.push_back(name);
    ASSERT_EQ(temporaries.size(), 2u);
    EXPECT_NE(temporaries[0], temporaries[1]);
    for (const std::string& name : temporaries) {
        EXPECT_EQ(name.rfind(".state.tsv.", 0), 0u) << name;
        EXPECT_TRUE(S_ISREG(ModeOf(File(name)))) << name;
    }

    written << "the state";
    ASSERT_TRUE(first.Commit(error)) << error;
    EXPECT_EQ(TScratchFolder::Read(target), "the state");
    EXPECT_EQ(TScratchFolder::Read(File("victim")), "precious");
    EXPECT_TRUE(S_ISLNK(ModeOf(File(planted))));
    EXPECT_EQ(Scratch.Entries().size(), 4u) << "the second set's temporary file is still there until it ends";
}

TEST_F(OutputFiles, AnUncommittedSetLeavesNothing)
{
    {
        TOutputSet outputs(Out);
        outputs.Add("--state", File("s.tsv")) << "half";
        std::string error;
        ASSERT_EQ(outputs.Open(error), TOutputStatus::Ready) << error;
    }
    EXPECT_TRUE(Scratch.Entries().empty());
}

// Lowers the file-size limit and ignores the signal its excess sends, as tolvenn-sim does,
// for the life of the object.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &Before_);
        rlimit lowered = Before_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
        Handler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &Before_);
        std::signal(SIGXFSZ, Handler_);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit Before_{};
    void (*Handler_)(int) = nullptr;
};

TEST_F(OutputFiles, AFailedWriteLeavesEveryTargetAsItWas)
{
    PutFile(Scratch, "state.tsv", 0644);
    const auto before = Snapshot(Scratch);
    const std::string census = File("census.csv");
    int status = 0;
    {
        // Room for the state table, not for two thousand census rows.
        const TFileSizeLimit limit(32 * 1024);
        status = Run({"--ticks", "2000", "--state", File("state.tsv"), "--census", census});
    }
    EXPECT_EQ(status, 1);
    EXPECT_EQ(Err.str(), "tolvenn-sim: cannot write '" + census + "': File too large\n");
    EXPECT_EQ(Snapshot(Scratch), before);
}

TEST_F(OutputFiles, AnOutputThatCannotOpenLeavesNoSibling)
{
    // A socket nobody listens on any more.
    const std::string path = File("socket");
    const int closed = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, path.size());
    ASSERT_EQ(bind(closed, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    close(closed);

    EXPECT_EQ(Run({"--state", File("state.tsv"), "--census", path}), 1);
    EXPECT_EQ(Err.str(), "tolvenn-sim: cannot write '" + path + "': Connection refused\n");
    EXPECT_EQ(Scratch.Entries(), std::set<std::string>{"socket"});
}

// Each is refused before the first tick: with the largest tick count the run would
// otherwise take days.
TEST_F(OutputFiles, ABadPathFailsBeforeTheRun)
{
    TScratchFolder::Write(File("file"), "");
    fs::create_directory(File("folder"));
    fs::create_symlink("loop", File("loop"));
    const struct {
        std::string Path;
        std::string Reason;
    } cases[] = {
        {File("missing/state.tsv"), "No such file or directory"},
        {File("folder"), "Is a directory"},
        {File("file/state.tsv"), "Not a directory"},
        {File("loop"), "Too many levels of symbolic links"},
        {"/proc/self/fd/987654", "Bad file descriptor"},
    };
    const auto before = Snapshot(Scratch);
    for (const auto& c : cases)
        for (const char* option : {"--state", "--census", "--png"}) {
            EXPECT_EQ(Run({"--ticks", "2147483647", option, c.Path}), 1);
            EXPECT_EQ(Err.str(), "tolvenn-sim: cannot write '" + c.Path + "': " + c.Reason + "\n");
        }
    EXPECT_EQ(Snapshot(Scratch), before);
}

[[noreturn]] void InterruptWhileWriting(const std::string& path)
{
    RemoveTemporaryFilesOnSignals();
    std::ostringstream out;
    TOutputSet outputs(out);
    std::ostream& census = outputs.Add("--census", path);
    std::string error;
    if (outputs.Open(error) == TOutputStatus::Ready)
        census << "half a census" << std::flush;
    raise(SIGINT);
    std::abort();
}

TEST_F(OutputFiles, AnInterruptedRunLeavesNoTemporaryFile)
{
    EXPECT_EXIT(InterruptWhileWriting(File("census.csv")), testing::KilledBySignal(SIGINT), "");
    EXPECT_TRUE(Scratch.Entries().empty());
}

#if !defined(__SANITIZE_ADDRESS__)
// The largest tank with its picture, in a process with room for a quarter of that picture.
[[noreturn]] void RunOutOfMemory(const std::string& png)
{
    std::ifstream statm("/proc/self/statm");
    rlim_t pages = 0;
    statm >> pages;
    const rlim_t room = pages * rlim_t(sysconf(_SC_PAGESIZE)) + (rlim_t(256) << 20);
    const rlimit limit{room, room};
    setrlimit(RLIMIT_AS, &limit);
    std::ostringstream out;
    std::exit(RunSimTool({"--tank", "16384x16384", "--ticks", "0", "--png", png}, out, std::cerr));
}
#endif

TEST_F(OutputFiles, RunningOutOfMemoryIsOneLineAndLeavesNoFile)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer's allocator does not throw when memory runs out";
#else
    EXPECT_EXIT(RunOutOfMemory(File("p.png")), testing::ExitedWithCode(1), "^tolvenn-sim: out of memory\n$");
    EXPECT_TRUE(Scratch.Entries().empty());
#endif
}

}  // namespace
