// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

// The C library's random numbers, exactly: rand() is a 32-bit linear congruential
// generator, and the long draw runs a 64-bit generator whose low half is that same
// 32-bit state, so a long draw changes what rand() returns next.
class TRandom {
public:
    static constexpr int RAND_MAX_VALUE = 32767;

    // Sets the shared 32-bit state; the high half of the long state is kept.
    void srand(std::uint32_t seed) { State_ = (State_ & 0xFFFFFFFF00000000ull) | seed; }

    // 0 to 32767.
    int rand()
    {
        const std::uint32_t low = std::uint32_t(State_) * 22695477u + 1u;
        State_ = (State_ & 0xFFFFFFFF00000000ull) | low;
        return int((low >> 16) & 0x7FFF);
    }

    // 0 to 2147483647.
    std::int32_t LongRand()
    {
        State_ = State_ * ((0x15A4ull << 32) | 0x4E35ull) + 1u;
        return std::int32_t((State_ >> 32) & 0x7FFFFFFFu);
    }

    // The whole state, both halves: what a saved run needs to continue exactly.
    std::uint64_t State() const { return State_; }
    void SetState(std::uint64_t state) { State_ = state; }

private:
    std::uint64_t State_ = 1;
};
