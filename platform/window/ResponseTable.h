// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/window/Messages.h"

#include <span>

// A window's response table: which message (or, for WM_COMMAND, which command id) goes
// to which handler method. Dispatch returns false for a message the table does not list,
// so that the caller can pass it on to its base class and finally to default handling.
template <class TOwner>
struct TResponseEntry {
    unsigned Message;
    unsigned CommandId;  // only looked at for WM_COMMAND
    void (TOwner::*Handler)(TMessage&);
};

template <class TOwner>
bool DispatchResponse(TOwner& owner, std::span<const TResponseEntry<TOwner>> table, TMessage& msg)
{
    for (const auto& entry : table) {
        if (entry.Message != msg.Message)
            continue;
        if (msg.Message == WM_COMMAND && entry.CommandId != (msg.WParam & 0xFFFF))
            continue;
        (owner.*entry.Handler)(msg);
        return true;
    }
    return false;
}
