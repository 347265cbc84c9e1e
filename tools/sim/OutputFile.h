#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

enum class TOutputStatus { Ready, SameFile, Failed };

// The files one run writes, handled as one unit, so that a failure leaves every target as it
// was. "-" is standard output. A path that names something other than a regular file (a
// device, a FIFO, a socket, an open descriptor such as /dev/stdout) is written straight
// through and never replaced. Any other path is followed through its symbolic links to the
// final target; its bytes go to a fresh, unpredictably named temporary file beside that
// target, renamed onto it only when every output of the set was written whole. So a link
// stays a link, a file keeps its permission bits, and a new file gets 0666 under the umask.
class TOutputSet {
public:
    explicit TOutputSet(std::ostream& standardOutput);
    // Removes the temporary files of a set that was not committed.
    ~TOutputSet();
    TOutputSet(const TOutputSet&) = delete;
    TOutputSet& operator=(const TOutputSet&) = delete;

    // Adds the output an option (say "--state", for messages) names. Its stream takes the
    // bytes once Open has succeeded.
    std::ostream& Add(std::string option, std::string path);

    // Before the run: refuses two outputs that are one file (SameFile), then opens every
    // output, creating the temporary files, so that a path that cannot be written fails
    // at once (Failed). Otherwise `error` gets one line saying what is wrong.
    TOutputStatus Open(std::string& error);

    // After the run: finishes every output and, when all were written whole, renames each
    // temporary file onto its target. On failure the temporary files are gone, and `error`
    // is one line naming the path and the reason.
    bool Commit(std::string& error);

private:
    struct TOutput;

    void RemoveTemporaries();

    std::ostream& StandardOutput_;
    std::vector<std::unique_ptr<TOutput>> Outputs_;
};
