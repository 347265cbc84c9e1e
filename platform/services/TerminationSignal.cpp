// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/services/TerminationSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int WriteEnd = -1;

// Only async-signal-safe work here: one byte down the pipe wakes the message loop.
extern "C" void Signalled(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(WriteEnd, &byte, 1);
}

}  // namespace

void OnTerminationSignal(std::function<void()> handler)
{
    int ends[2];
    if (WriteEnd >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return;
    WriteEnd = ends[0];
    auto* notifier = new QSocketNotifier(ends[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier, handler, fd = ends[1]] {
        char byte;
        [[maybe_unused]] const ssize_t got = ::read(fd, &byte, 1);
        notifier->setEnabled(false);
        handler();
    });
    struct sigaction action = {};
    action.sa_handler = Signalled;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
