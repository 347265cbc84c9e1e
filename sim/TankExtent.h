#pragma once

// The sides a tank may have, in pixels, caption included: small enough that every
// coordinate and the picture's byte count stay well inside their types.
inline constexpr int kMinTankSide = 64;
inline constexpr int kMaxTankSide = 16384;

constexpr bool IsAllowedTankSide(int side)
{
    return side >= kMinTankSide && side <= kMaxTankSide;
}
