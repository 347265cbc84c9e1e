// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "tools/sim/OutputTarget.h"

#include "base/text/Utf8.h"
#include "tools/sim/TemporaryFiles.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Like the kernel's own limit on links followed in one lookup.
constexpr int kMaxLinks = 40;
// Of the target's name, what the temporary file's name keeps, leaving room for the rest.
constexpr std::size_t kTemporaryNameKept = 200;

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

// A process id or a descriptor number written in plain digits; -1 for anything else.
int SmallNumber(std::string_view text)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return -1;
    return std::atoi(std::string(text).c_str());
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
    if (!path.starts_with(kProc) || !path.ends_with("/fd"))
        return 0;
    const std::size_t end = path.find('/', kProc.size());
    return pid_t(std::max(SmallNumber(std::string_view(path).substr(kProc.size(), end - kProc.size())), 0));
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

int TOutputTarget::Resolve(const std::string& named)
{
    if (named == "-") {
        Way_ = TWay::StandardOutput;
        return Identify();
    }
    std::string path = named;
    for (int links = 0; links <= kMaxLinks; ++links) {
        struct stat status;
        if (const pid_t owner = DescriptorDirectoryOwner(DirName(path))) {
            if (lstat(path.c_str(), &status) != 0)
                return errno == ENOENT ? EBADF : errno;
            Target_ = path;
            Way_ = owner == getpid() ? TWay::Descriptor : TWay::Through;
            Descriptor_ = SmallNumber(BaseName(path));
            return Way_ == TWay::Descriptor && Descriptor_ < 0 ? EBADF : Identify();
        }
        if (lstat(path.c_str(), &status) != 0) {
            if (errno != ENOENT)
                return errno;
            if (BaseName(path).empty())
                return EISDIR;
            Target_ = path;
            Way_ = TWay::Replace;
            return Identify();
        }
        if (!S_ISLNK(status.st_mode)) {
            Target_ = path;
            Way_ = S_ISREG(status.st_mode) ? TWay::Replace : TWay::Through;
            return Identify();
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

int TOutputTarget::Identify()
{
    struct stat status;
    switch (Way_) {
    case TWay::StandardOutput:
        // Closed, it is no file, yet still the one standard output: device and inode 0.
        if (fstat(STDOUT_FILENO, &status) != 0)
            return 0;
        break;
    case TWay::Descriptor:
        if (fstat(Descriptor_, &status) != 0)
            return errno;
        break;
    case TWay::Through:
        if (stat(Target_.c_str(), &status) != 0)
            return errno;
        break;
    case TWay::Replace:
        if (stat(Target_.c_str(), &status) == 0)
            break;
        if (errno != ENOENT || stat(DirName(Target_).c_str(), &status) != 0)
            return errno;
        NewName_ = BaseName(Target_);
        break;
    }
    Device_ = status.st_dev;
    Inode_ = status.st_ino;
    return 0;
}

bool TOutputTarget::SameFileAs(const TOutputTarget& other) const
{
    return Device_ == other.Device_ && Inode_ == other.Inode_ && NewName_ == other.NewName_;
}

int TOutputTarget::Open(int& descriptor)
{
    descriptor = -1;
    struct stat status;
    switch (Way_) {
    case TWay::StandardOutput:
        return 0;
    case TWay::Replace:
        return CreateTemporary(descriptor);
    case TWay::Descriptor:
        descriptor = fcntl(Descriptor_, F_DUPFD_CLOEXEC, 0);
        break;
    case TWay::Through:
        if (stat(Target_.c_str(), &status) != 0)
            return errno;
        if (S_ISSOCK(status.st_mode)) {
            descriptor = ConnectSocket(Target_);
        } else {
            // A regular file behind another process's descriptor is added to, as its owner would.
            const int append = S_ISREG(status.st_mode) ? O_APPEND : 0;
            descriptor = open(Target_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | append);
        }
        break;
    }
    return descriptor < 0 ? errno : 0;
}

int TOutputTarget::CreateTemporary(int& descriptor)
{
    const std::string name = BaseName(Target_);
    std::string pattern =
        DirName(Target_) + "/." + name.substr(0, Utf8PrefixLength(name, kTemporaryNameKept)) + ".XXXXXX";
    descriptor = mkostemp(pattern.data(), O_CLOEXEC);
    if (descriptor < 0)
        return errno;
    Temporary_ = pattern;
    RemoveOnSignal(Temporary_.c_str());

    struct stat status;
    const mode_t mode = stat(Target_.c_str(), &status) == 0 ? status.st_mode & 0777 : NewFileMode();
    return fchmod(descriptor, mode) == 0 ? 0 : errno;
}

int TOutputTarget::Commit()
{
    if (Temporary_.empty())
        return 0;
    if (std::rename(Temporary_.c_str(), Target_.c_str()) != 0)
        return errno;
    ForgetOnSignal(Temporary_.c_str());
    Temporary_.clear();
    return 0;
}

void TOutputTarget::Discard()
{
    if (Temporary_.empty())
        return;
    std::remove(Temporary_.c_str());
    ForgetOnSignal(Temporary_.c_str());
    Temporary_.clear();
}
