#include "tools/sim/OutputFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

bool WriteOutput(const std::string& path, std::string_view bytes, std::ostream& standardOutput, std::string& error)
{
    if (path == "-") {
        standardOutput.write(bytes.data(), std::streamsize(bytes.size()));
        standardOutput.flush();
        if (!standardOutput) {
            error = "cannot write to standard output";
            return false;
        }
        return true;
    }

    const std::string temporary = path + ".tmp" + std::to_string(getpid());
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        error = "cannot create " + path + ": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        error = "cannot write " + path + ": " + std::strerror(written ? errno : writeErrno);
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
