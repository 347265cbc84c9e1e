// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>

// Runs `handler` on the user-interface thread, from the message loop, when the process is
// asked to end by SIGTERM (as screensavers end their programs) or SIGINT.
void OnTerminationSignal(std::function<void()> handler);
