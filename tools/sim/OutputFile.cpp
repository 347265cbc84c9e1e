// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "tools/sim/OutputFile.h"

#include "tools/sim/DescriptorStream.h"
#include "tools/sim/OutputTarget.h"
#include "base/text/Quoted.h"

#include <cstring>

struct TOutputSet::TOutput {
    std::string Option;
    std::string Path;
    TOutputTarget Target;
    TDescriptorStream Stream;

    std::string Failure(int error) const { return "cannot write " + Quoted(Path) + ": " + std::strerror(error); }
};

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
        if (const int failure = output.Target.Resolve(output.Path); failure != 0) {
            error = output.Failure(failure);
            return TOutputStatus::Failed;
        }
        for (std::size_t j = 0; j < i; ++j)
            if (Outputs_[j]->Target.SameFileAs(output.Target)) {
                error = Outputs_[j]->Option + ' ' + Quoted(Outputs_[j]->Path) + " and " + output.Option + ' ' +
                        Quoted(output.Path) + " name the same file";
                return TOutputStatus::SameFile;
            }
    }
    for (const auto& output : Outputs_) {
        int descriptor = -1;
        const int failure = output->Target.Open(descriptor);
        if (descriptor >= 0)
            output->Stream.Attach(descriptor);
        if (failure != 0) {
            error = output->Failure(failure);
            RemoveTemporaries();
            return TOutputStatus::Failed;
        }
    }
    return TOutputStatus::Ready;
}

bool TOutputSet::Commit(std::string& error)
{
    error.clear();
    for (const auto& output : Outputs_) {
        if (output->Target.IsStandardOutput()) {
            if (!StandardOutput_.flush() && error.empty())
                error = "cannot write to standard output";
        } else if (!output->Stream.Close(output->Target.IsTemporary()) && error.empty()) {
            error = output->Failure(output->Stream.Error());
        }
    }
    for (const auto& output : Outputs_) {
        if (!error.empty())
            break;
        if (const int failure = output->Target.Commit(); failure != 0)
            error = output->Failure(failure);
    }
    RemoveTemporaries();
    return error.empty();
}

void TOutputSet::RemoveTemporaries()
{
    for (const auto& output : Outputs_)
        output->Target.Discard();
}
