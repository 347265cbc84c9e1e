// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

// Exits 0 when a sound server answers, 1 when none does. Run by the sound player before it
// loads the sound module, so that the window itself never maps the sound server's client
// library when there is no server to talk to.

#include "platform/sound/SoundServer.h"

int main()
{
    return SoundServerAnswers() ? 0 : 1;
}
