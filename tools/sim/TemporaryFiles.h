// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

// Temporary files that an interrupt, a hang-up or a termination removes before the process
// ends, so that a long run stopped from outside leaves nothing behind. The paths are held by
// pointer: each must stay valid until it is forgotten.
void RemoveOnSignal(const char* path);
void ForgetOnSignal(const char* path);

// Makes SIGINT, SIGHUP and SIGTERM remove the files first, then end the process as they
// would have; a signal the process was started ignoring stays ignored.
void RemoveTemporaryFilesOnSignals();
