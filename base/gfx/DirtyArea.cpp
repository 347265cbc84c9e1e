// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/gfx/DirtyArea.h"

#include <algorithm>
#include <bit>

void TDirtyArea::Resize(int width, int height)
{
    Width_ = std::max(width, 0);
    Height_ = std::max(height, 0);
    Columns_ = (Width_ + kTile - 1) / kTile;
    Rows_ = (Height_ + kTile - 1) / kTile;
    Words_ = (Columns_ + 63) / 64;
    Bits_.assign(std::size_t(Rows_) * std::size_t(Words_), 0);
    FirstRow_ = 0;
    LastRow_ = -1;
}

void TDirtyArea::Add(const TRect& rect)
{
    const TRect r = rect.Intersect({0, 0, Width_, Height_});
    if (r.IsEmpty())
        return;
    const int firstColumn = r.Left / kTile, lastColumn = (r.Right - 1) / kTile;
    const int firstRow = r.Top / kTile, lastRow = (r.Bottom - 1) / kTile;
    for (int row = firstRow; row <= lastRow; ++row) {
        std::uint64_t* bits = Row(row);
        for (int word = firstColumn / 64; word <= lastColumn / 64; ++word) {
            const int from = std::max(firstColumn - word * 64, 0);
            const int to = std::min(lastColumn - word * 64, 63);
            bits[word] |= (~std::uint64_t(0) >> (63 - (to - from))) << from;
        }
    }
    if (IsEmpty()) {
        FirstRow_ = firstRow;
        LastRow_ = lastRow;
    } else {
        FirstRow_ = std::min(FirstRow_, firstRow);
        LastRow_ = std::max(LastRow_, lastRow);
    }
}

void TDirtyArea::Clear()
{
    if (IsEmpty())
        return;
    std::fill(Row(FirstRow_), Row(LastRow_) + Words_, 0);
    FirstRow_ = 0;
    LastRow_ = -1;
}

bool TDirtyArea::SameColumns(int a, int b) const
{
    return std::equal(Row(a), Row(a) + Words_, Row(b));
}

void TDirtyArea::AddRuns(int row, int bottom, std::vector<TRect>& out) const
{
    const std::uint64_t* bits = Row(row);
    const int top = row * kTile;
    int column = 0;
    while (column < Columns_) {
        // Skip to the next set bit, then to the next clear one.
        const int word = column / 64;
        const std::uint64_t set = bits[word] >> (column % 64);
        if (set == 0) {
            column = (word + 1) * 64;
            continue;
        }
        const int first = column + std::countr_zero(set);
        int last = first;
        for (;;) {
            const std::uint64_t rest = ~bits[last / 64] >> (last % 64);
            const int run = rest == 0 ? 64 - last % 64 : std::countr_zero(rest);
            last += run;
            if (rest != 0 || last >= Columns_)
                break;
        }
        last = std::min(last, Columns_);
        out.push_back({first * kTile, top, std::min(last * kTile, Width_), bottom});
        column = last;
    }
}

void TDirtyArea::Rects(std::vector<TRect>& out) const
{
    out.clear();
    int row = FirstRow_;
    while (row <= LastRow_) {
        int end = row + 1;
        while (end <= LastRow_ && SameColumns(row, end))
            ++end;
        AddRuns(row, std::min(end * kTile, Height_), out);
        row = end;
    }
}
