// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/sound/SoundServer.h"

#include <pulse/context.h>
#include <pulse/mainloop.h>

bool SoundServerAnswers()
{
    pa_mainloop* loop = pa_mainloop_new();
    if (!loop)
        return false;
    bool ready = false;
    if (pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "tolvenn")) {
        // No flags: a server is looked for, and started where that is allowed, as the
        // multimedia library does.
        if (pa_context_connect(context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) >= 0) {
            for (;;) {
                const pa_context_state_t state = pa_context_get_state(context);
                ready = state == PA_CONTEXT_READY;
                if (ready || !PA_CONTEXT_IS_GOOD(state) || pa_mainloop_iterate(loop, 1, nullptr) < 0)
                    break;
            }
            pa_context_disconnect(context);
        }
        pa_context_unref(context);
    }
    pa_mainloop_free(loop);
    return ready;
}
