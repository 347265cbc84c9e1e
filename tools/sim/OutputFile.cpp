#include "tools/sim/OutputFile.h"

#include "base/text/Utf8.h"
#include "tools/sim/DescriptorStream.h"
#include "tools/sim/Quote.h"
#include "tools/sim/TemporaryFiles.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Like the kernel's own limit on links followed in one lookup.
constexpr int kMaxLinks = 40;
// Room left in a file name for the temporary file's prefix and random suffix.
constexpr std::size_t kTemporaryNameKept = 200;

// How an output reaches its file.
enum class TWay {
    StandardOutput,
    Replace,     // a temporary file renamed onto Target
    Through,     // Target opened and written in place
    Descriptor,  // a copy of this process's own descriptor
};

// One file, however it is named: a new file is its directory and name.
struct TFileKey {
    dev_t Device = 0;
    ino_t Inode = 0;
    std::string Name;

    bool operator==(const TFileKey&) const = default;
};

std::string DirName(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseName(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A directory of open descriptors, /proc/PID/fd or /proc/PID/task/TID/fd (also reached as
// /dev/fd or /proc/self/fd): returns its PID, or 0 for any other directory.
pid_t DescriptorDirectoryOwner(const std::string& directory)
{
    char* real = realpath(directory.c_str(), nullptr);
    if (!real)
        return 0;
    const std::string path = real;
    std::free(real);
    constexpr std::string_view kProc = "/proc/";
    if (path.rfind(kProc, 0) != 0 || path.size() < 3 || path.compare(path.size() - 3, 3, "/fd") != 0)
        return 0;
    const std::size_t end = path.find('/', kProc.size());
    const std::string pid = path.substr(kProc.size(), end - kProc.size());
    if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos || pid.size() > 9)
        return 0;
    return pid_t(std::stol(pid));
}

int ParseDescriptor(const std::string& name)
{
    if (name.empty() || name.size() > 9 || name.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoi(name);
}

mode_t NewFileMode()
{
    // The umask can only be read by setting it; this tool runs on one thread.
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

int ConnectSocket(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        errno = ENAMETOOLONG;
        return -1;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return -1;
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const int error = errno;
        ::close(socket);
        errno = error;
        return -1;
    }
    return socket;
}

}  // namespace

struct TOutputSet::TOutput {
    std::string Option;
    std::string Path;
    TWay Way = TWay::Replace;
    std::string Target;
    int Descriptor = -1;  // for TWay::Descriptor
    std::string Temporary;
    TFileKey Key;
    TDescriptorStream Stream;

    // Follows the path's links to what it finally names and decides how to write it.
    // Returns 0 or the errno of the failure.
    int Resolve();
    // The file the output will write; 0 or an errno.
    int Identify();
    int OpenFile();
    int CreateTemporary();
    std::string Failure(int error) const { return "cannot write " + Quoted(Path) + ": " + std::strerror(error); }
};

int TOutputSet::TOutput::Resolve()
{
    if (Path == "-") {
        Way = TWay::StandardOutput;
        return 0;
    }
    std::string path = Path;
    for (int links = 0; links <= kMaxLinks; ++links) {
        struct stat status;
        if (const pid_t owner = DescriptorDirectoryOwner(DirName(path))) {
            if (lstat(path.c_str(), &status) != 0)
                return errno == ENOENT ? EBADF : errno;
            Target = path;
            if (owner != getpid()) {
                Way = TWay::Through;
                return 0;
            }
            Way = TWay::Descriptor;
            Descriptor = ParseDescriptor(BaseName(path));
            return Descriptor < 0 ? EBADF : 0;
        }
        if (lstat(path.c_str(), &status) != 0) {
            if (errno != ENOENT)
                return errno;
            if (BaseName(path).empty())
                return EISDIR;
            Target = path;
            Way = TWay::Replace;
            return 0;
        }
        if (!S_ISLNK(status.st_mode)) {
            Target = path;
            Way = S_ISREG(status.st_mode) ? TWay::Replace : TWay::Through;
            return 0;
        }
        char link[PATH_MAX];
        const ssize_t length = readlink(path.c_str(), link, sizeof link);
        if (length < 0)
            return errno;
        if (std::size_t(length) == sizeof link)
            return ENAMETOOLONG;
        const std::string to(link, std::size_t(length));
        path = to.front() == '/' ? to : DirName(path) + '/' + to;
    }
    return ELOOP;
}

int TOutputSet::TOutput::Identify()
{
    struct stat status;
    switch (Way) {
    case TWay::StandardOutput:
        if (fstat(STDOUT_FILENO, &status) != 0) {
            Key = {0, 0, "-"};
            return 0;
        }
        break;
    case TWay::Descriptor:
        if (fstat(Descriptor, &status) != 0)
            return errno;
        break;
    case TWay::Through:
        if (stat(Target.c_str(), &status) != 0)
            return errno;
        break;
    case TWay::Replace:
        if (stat(Target.c_str(), &status) == 0)
            break;
        if (errno != ENOENT || stat(DirName(Target).c_str(), &status) != 0)
            return errno;
        Key = {status.st_dev, status.st_ino, BaseName(Target)};
        return 0;
    }
    Key = {status.st_dev, status.st_ino, {}};
    return 0;
}

int TOutputSet::TOutput::OpenFile()
{
    int descriptor = -1;
    struct stat status;
    switch (Way) {
    case TWay::StandardOutput:
        return 0;
    case TWay::Replace:
        return CreateTemporary();
    case TWay::Descriptor:
        descriptor = fcntl(Descriptor, F_DUPFD_CLOEXEC, 0);
        break;
    case TWay::Through:
        if (stat(Target.c_str(), &status) != 0)
            return errno;
        if (S_ISSOCK(status.st_mode)) {
            descriptor = ConnectSocket(Target);
        } else {
            // A regular file behind another process's descriptor is added to, as its owner would.
            const int append = S_ISREG(status.st_mode) ? O_APPEND : 0;
            descriptor = open(Target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | append);
        }
        break;
    }
    if (descriptor < 0)
        return errno;
    Stream.Attach(descriptor);
    return 0;
}

int TOutputSet::TOutput::CreateTemporary()
{
    const std::string name = BaseName(Target);
    std::string pattern =
        DirName(Target) + "/." + name.substr(0, Utf8PrefixLength(name, kTemporaryNameKept)) + ".XXXXXX";
    const int descriptor = mkostemp(pattern.data(), O_CLOEXEC);
    if (descriptor < 0)
        return errno;
    Temporary = pattern;
    RemoveOnSignal(Temporary.c_str());
    Stream.Attach(descriptor);

    struct stat status;
    const mode_t mode = stat(Target.c_str(), &status) == 0 ? status.st_mode & 0777 : NewFileMode();
    return fchmod(descriptor, mode) == 0 ? 0 : errno;
}

TOutputSet::TOutputSet(std::ostream& standardOutput) : StandardOutput_(standardOutput) {}

TOutputSet::~TOutputSet()
{
    RemoveTemporaries();
}

std::ostream& TOutputSet::Add(std::string option, std::string path)
{
    auto& output = *Outputs_.emplace_back(std::make_unique<TOutput>());
    output.Option = std::move(option);
    output.Path = std::move(path);
    if (output.Path == "-")
        return StandardOutput_;
    return output.Stream;
}

TOutputStatus TOutputSet::Open(std::string& error)
{
    for (std::size_t i = 0; i < Outputs_.size(); ++i) {
        TOutput& output = *Outputs_[i];
        int failure = output.Resolve();
        if (failure == 0)
            failure = output.Identify();
        if (failure != 0) {
            error = output.Failure(failure);
            return TOutputStatus::Failed;
        }
        for (std::size_t j = 0; j < i; ++j)
            if (Outputs_[j]->Key == output.Key) {
                error = Outputs_[j]->Option + ' ' + Quoted(Outputs_[j]->Path) + " and " + output.Option + ' ' +
                        Quoted(output.Path) + " name the same file";
                return TOutputStatus::SameFile;
            }
    }
    for (const auto& output : Outputs_)
        if (const int failure = output->OpenFile(); failure != 0) {
            error = output->Failure(failure);
            RemoveTemporaries();
            return TOutputStatus::Failed;
        }
    return TOutputStatus::Ready;
}

bool TOutputSet::Commit(std::string& error)
{
    error.clear();
    for (const auto& output : Outputs_) {
        if (output->Way == TWay::StandardOutput) {
            if (!StandardOutput_.flush() && error.empty())
                error = "cannot write to standard output";
        } else if (!output->Stream.Close(!output->Temporary.empty()) && error.empty()) {
            error = output->Failure(output->Stream.Error());
        }
    }
    for (const auto& output : Outputs_) {
        if (!error.empty())
            break;
        if (output->Temporary.empty())
            continue;
        if (std::rename(output->Temporary.c_str(), output->Target.c_str()) != 0) {
            error = output->Failure(errno);
        } else {
            ForgetOnSignal(output->Temporary.c_str());
            output->Temporary.clear();
        }
    }
    RemoveTemporaries();
    return error.empty();
}

void TOutputSet::RemoveTemporaries()
{
    for (const auto& output : Outputs_)
        if (!output->Temporary.empty()) {
            std::remove(output->Temporary.c_str());
            ForgetOnSignal(output->Temporary.c_str());
            output->Temporary.clear();
        }
}
