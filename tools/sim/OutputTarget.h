// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <sys/types.h>

// Where the bytes of one output go, found from the path the user named. "-" is standard
// output. A path that names something other than a regular file (a device, a FIFO, a
// socket, an open descriptor such as /dev/stdout) is written straight through. Any other
// path is followed through its symbolic links to the final target, and its bytes go to a
// fresh, unpredictably named temporary file beside that target, created exclusively and
// renamed onto it at the end: so a link stays a link, a file keeps its permission bits and
// a new file gets 0666 under the umask. Every step returns 0 or the errno of its failure.
class TOutputTarget {
public:
    // Finds what the path finally names and how to write it.
    int Resolve(const std::string& path);
    // After Resolve: true when both are one file, however named.
    bool SameFileAs(const TOutputTarget& other) const;
    bool IsStandardOutput() const { return Way_ == TWay::StandardOutput; }
    bool IsTemporary() const { return !Temporary_.empty(); }

    // Gives the descriptor to write to (none for standard output), creating the temporary
    // file where there is one.
    int Open(int& descriptor);
    // Renames the temporary file onto the target.
    int Commit();
    // Removes the temporary file, if there is one.
    void Discard();

private:
    enum class TWay {
        StandardOutput,
        Replace,     // a temporary file renamed onto Target_
        Through,     // Target_ opened and written in place
        Descriptor,  // a copy of this process's own descriptor
    };

    int Identify();
    int CreateTemporary(int& descriptor);

    TWay Way_ = TWay::Replace;
    std::string Target_;
    int Descriptor_ = -1;  // for TWay::Descriptor
    std::string Temporary_;
    // The file: device and inode, with a name for a file yet to be made in that directory.
    dev_t Device_ = 0;
    ino_t Inode_ = 0;
    std::string NewName_;
};
