// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

// The widget tests share one toolkit session on the offscreen platform.

#include "platform/window/Application.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TPlatformSession session(argc, argv);
    return RUN_ALL_TESTS();
}
