// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <memory>
#include <string>

class QWidget;
class TCensusHistory;
class TWindow;
struct TTank;

// The census window: a non-modal window beside the tank that shows, a few times a second,
// the tick, the population against the capacity, births and deaths per tick over the last
// few seconds, the highest generation alive, the seed and tank size, and for each species
// its picture, name, count and line over time, with the stacked graph of the whole run.
// It only reads the tank and the history the tick keeps; it never slows or changes the run.
class TCensusWindow {
public:
    TCensusWindow(const TTank& tank, const TCensusHistory& history);
    ~TCensusWindow();
    TCensusWindow(const TCensusWindow&) = delete;
    TCensusWindow& operator=(const TCensusWindow&) = delete;

    // Shows it beside the window (made the first time) and brings it to the front.
    void Show(TWindow& beside);
    void Close();
    // For a tank that was replaced as a whole: forgets what it measured before (the rates,
    // the graph's scale) and stays where it is, shown or not.
    void StartAfresh();
    // Reads the tank and the history now, as the window's own timer does.
    void Refresh();
    // Writes the history in the headless tool's census format, as "Export..." does; false
    // with a reason.
    bool Export(const std::string& path, std::string& error) const;
    QWidget* Widget() const;

private:
    struct TImpl;
    std::unique_ptr<TImpl> Impl_;
};
