// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

enum class TOutputStatus { Ready, SameFile, Failed };

// The files one run writes, handled as one unit, so that a failure leaves every target as it
// was: each output is reached as TOutputTarget says (straight through, or by a temporary
// file beside its target), and the temporary files are renamed onto their targets only
// when every output of the set was written whole.
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
