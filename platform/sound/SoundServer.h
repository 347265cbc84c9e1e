// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

// Whether a sound server answers, asked as the toolkit's multimedia library asks it: the
// same client library, the same connect call.
bool SoundServerAnswers();
