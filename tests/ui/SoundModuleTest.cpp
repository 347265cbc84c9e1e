// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/resources/ResourceStore.h"
#include "platform/services/SoundOutput.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

TEST(SoundModule, LoadsFromBesideTheProgramAndPlaysOnlyWaves)
{
    ISoundOutput* output = LoadSoundOutput();
    ASSERT_NE(output, nullptr);
    EXPECT_EQ(LoadSoundOutput(), output);
    const unsigned char junk[16] = {'R', 'I', 'F', 'F'};
    EXPECT_FALSE(output->Play(junk, sizeof junk));
    // A real wave plays where there is an output device and is refused where there is
    // none; either way the output stays usable.
    const TResourceEntry* wave = FindResourceA("sui", "WAVE");
    ASSERT_NE(wave, nullptr);
    output->Play(wave->Data, wave->Size);
    output->Finish(0);
}

TEST(SoundServer, OneThatDoesNotAnswerIsNone)
{
    const char* before = std::getenv("PULSE_SERVER");
    const std::string saved = before ? before : "";
    setenv("PULSE_SERVER", "unix:/nonexistent/tolvenn-test/native", 1);
    EXPECT_FALSE(SoundServerAnswers());
    if (before)
        setenv("PULSE_SERVER", saved.c_str(), 1);
    else
        unsetenv("PULSE_SERVER");
}
