// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QPixmap>
#include <QWidget>

#include <cstdint>

class TCensusHistory;

// The census over the whole run as a stacked area graph, species 1 at the bottom, scaled
// to a little above the highest total (at most the capacity). It is drawn once into a picture whenever the history has
// a new row and only copied otherwise; hovering a band names its species and count.
class TPopulationGraph : public QWidget {
public:
    TPopulationGraph(const TCensusHistory& history, int capacity, QWidget* parent);

    // Redraws when the history changed since the last look.
    void Refresh();
    // The species (1 to 20) whose band covers a point of the widget, and its count there;
    // 0 when none does.
    int SpeciesAt(QPoint at, int* count = nullptr, std::int64_t* tick = nullptr) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QRect Plot() const;
    // The history row a column of the plot shows.
    std::size_t RowAt(int x) const;
    void Render();

    const TCensusHistory& History_;
    int Capacity_;
    int Ceiling_;
    QPixmap Rendered_;
    std::size_t RenderedRows_ = 0;
    std::int64_t RenderedTick_ = -1;
};

// One species' count over the run as a small line, scaled to its own highest count.
class TSparkline : public QWidget {
public:
    TSparkline(const TCensusHistory& history, int species, QWidget* parent);
    void Refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TCensusHistory& History_;
    int Species_;
    std::int64_t ShownTick_ = -1;
};
