#pragma once

#include <cstdint>
#include <string>

struct TTank;

// Population counts as comma-separated rows: tick, total, births and deaths since the
// previous row, then the number of creatures of each species in catalogue order.
class TCensus {
public:
    TCensus();

    void AddRow(std::int64_t tick, const TTank& tank, std::int64_t births, std::int64_t deaths);
    const std::string& Text() const { return Text_; }

private:
    std::string Text_;
};
