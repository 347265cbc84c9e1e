// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <ostream>

struct TTank;

// Population counts as comma-separated rows, written out as they are taken: tick, total,
// births and deaths since the previous row, then the number of creatures of each species
// in catalogue order. The header row is written at construction.
class TCensus {
public:
    explicit TCensus(std::ostream& out);

    void AddRow(std::int64_t tick, const TTank& tank, std::int64_t births, std::int64_t deaths);

private:
    std::ostream& Out_;
};
