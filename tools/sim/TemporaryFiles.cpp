// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "tools/sim/TemporaryFiles.h"

#include <array>
#include <atomic>
#include <csignal>
#include <unistd.h>

namespace {

// Fixed room, so that the handler touches nothing but these slots; a file beyond it is
// only left behind should a signal come.
std::array<std::atomic<const char*>, 16> gPending{};

extern "C" void RemovePendingAndEnd(int signal)
{
    for (auto& slot : gPending)
        if (const char* path = slot.load())
            unlink(path);
    // The handler was reset on entry: the signal, raised again, ends the process on return.
    raise(signal);
}

}  // namespace

void RemoveOnSignal(const char* path)
{
    for (auto& slot : gPending) {
        const char* empty = nullptr;
        if (slot.compare_exchange_strong(empty, path))
            return;
    }
}

void ForgetOnSignal(const char* path)
{
    for (auto& slot : gPending) {
        const char* held = path;
        slot.compare_exchange_strong(held, nullptr);
    }
}

void RemoveTemporaryFilesOnSignals()
{
    for (const int signal : {SIGINT, SIGHUP, SIGTERM}) {
        struct sigaction before{};
        if (sigaction(signal, nullptr, &before) != 0 || before.sa_handler == SIG_IGN)
            continue;
        struct sigaction action{};
        action.sa_handler = RemovePendingAndEnd;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
}
