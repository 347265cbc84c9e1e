// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "app/RunMeter.h"

#include <charconv>

namespace {

std::string Fixed(double value, int decimals)
{
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return error == std::errc() ? std::string(text, end) : std::string("0");
}

}  // namespace

void TRunMeter::Start(int runForSeconds)
{
    Begin_ = TClock::now();
    BeginCpu_ = std::clock();
    RunFor_ = std::chrono::seconds(runForSeconds);
    TimeUpTold_ = false;
    Stopped_ = false;
}

bool TRunMeter::TimeIsUp()
{
    if (TimeUpTold_ || RunFor_ <= TClock::duration::zero() || TClock::now() - Begin_ < RunFor_)
        return false;
    TimeUpTold_ = true;
    return true;
}

void TRunMeter::Stop(std::int64_t ticks, int population)
{
    Stopped_ = true;
    Ticks_ = ticks;
    Population_ = population;
    Seconds_ = std::chrono::duration<double>(TClock::now() - Begin_).count();
    CpuSeconds_ = double(std::clock() - BeginCpu_) / CLOCKS_PER_SEC;
}

std::string TRunMeter::StatsLine() const
{
    return Stopped_ ? FormatRunStats(Ticks_, Seconds_, Population_, CpuSeconds_) : std::string();
}

std::string FormatRunStats(std::int64_t ticks, double seconds, int population, double cpuSeconds)
{
    const double perSecond = seconds > 0 ? double(ticks) / seconds : 0;
    const double cpuMsPerTick = ticks > 0 ? cpuSeconds * 1000 / double(ticks) : 0;
    return "ticks=" + std::to_string(ticks) + " seconds=" + Fixed(seconds, 3) + " ticks_per_s=" +
           Fixed(perSecond, 1) + " population=" + std::to_string(population) +
           " cpu_ms_per_tick=" + Fixed(cpuMsPerTick, 3);
}
