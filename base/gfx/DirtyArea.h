// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/gfx/Rect.h"

#include <cstdint>
#include <vector>

// What changed on a picture, kept as a grid of square tiles: noting a rectangle costs a
// few bit operations whatever its size, and however many rectangles were noted, the
// changed area comes back as a few rectangles that cover every changed pixel.
class TDirtyArea {
public:
    static constexpr int kTile = 8;

    // Fits the grid to a picture of this size and forgets what was noted.
    void Resize(int width, int height);
    // Notes a rectangle; what lies outside the picture is ignored.
    void Add(const TRect& rect);
    bool IsEmpty() const { return FirstRow_ > LastRow_; }
    void Clear();

    // The changed tiles as rectangles clipped to the picture, in bands: a band is a run of
    // tile rows with the same changed columns, and holds one rectangle per run of changed
    // tiles, left to right. Bands go top to bottom; rectangles do not overlap, and those of
    // a band share top and bottom and never touch side by side. `out` is replaced; its
    // storage is reused.
    void Rects(std::vector<TRect>& out) const;

private:
    const std::uint64_t* Row(int row) const { return Bits_.data() + std::size_t(row) * std::size_t(Words_); }
    std::uint64_t* Row(int row) { return Bits_.data() + std::size_t(row) * std::size_t(Words_); }
    bool SameColumns(int a, int b) const;
    void AddRuns(int row, int bottom, std::vector<TRect>& out) const;

    int Width_ = 0;
    int Height_ = 0;
    int Columns_ = 0;
    int Rows_ = 0;
    int Words_ = 0;  // 64-bit words per tile row
    std::vector<std::uint64_t> Bits_;
    // The tile rows that hold changes; empty when FirstRow_ > LastRow_.
    int FirstRow_ = 0;
    int LastRow_ = -1;
};
