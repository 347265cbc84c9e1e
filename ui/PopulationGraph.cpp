// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "ui/PopulationGraph.h"

#include "sim/CensusHistory.h"
#include "ui/CreatureLooks.h"
#include "ui/Texts.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int kLeftMargin = 36;
constexpr int kBottomMargin = 16;

// The top of the scale: a round number a little above the highest total, so that a small
// population still fills the graph; never above the capacity.
int Ceiling(const TCensusHistory& history, int capacity)
{
    int highest = 10;
    for (const auto& row : history.Rows())
        highest = std::max(highest, row.Population.Total);
    const int step = highest < 100 ? 10 : highest < 400 ? 50 : 100;
    return std::min((highest + highest / 10 + step) / step * step, std::max(capacity, highest));
}

}  // namespace

TPopulationGraph::TPopulationGraph(const TCensusHistory& history, int capacity, QWidget* parent)
    : QWidget(parent), History_(history), Capacity_(std::max(capacity, 1)), Ceiling_(Capacity_)
{
    setMouseTracking(true);
    setMinimumSize(320, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect TPopulationGraph::Plot() const
{
    return rect().adjusted(kLeftMargin, 4, -4, -kBottomMargin);
}

std::size_t TPopulationGraph::RowAt(int x) const
{
    const std::size_t rows = History_.Rows().size();
    const QRect plot = Plot();
    if (rows < 2 || plot.width() < 2)
        return 0;
    const int column = std::clamp(x - plot.left(), 0, plot.width() - 1);
    return std::size_t(std::lround(double(column) * double(rows - 1) / double(plot.width() - 1)));
}

void TPopulationGraph::Refresh()
{
    const auto& rows = History_.Rows();
    const std::int64_t last = rows.empty() ? -1 : rows.back().Tick;
    if (rows.size() == RenderedRows_ && last == RenderedTick_ && Rendered_.size() == size())
        return;
    Render();
    update();
}

void TPopulationGraph::resizeEvent(QResizeEvent*)
{
    Render();
}

void TPopulationGraph::Render()
{
    const auto& rows = History_.Rows();
    RenderedRows_ = rows.size();
    RenderedTick_ = rows.empty() ? -1 : rows.back().Tick;
    Ceiling_ = Ceiling(History_, Capacity_);
    Rendered_ = QPixmap(size());
    Rendered_.fill(palette().color(QPalette::Base));
    QPainter painter(&Rendered_);
    const QRect plot = Plot();
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(0, plot.top(), kLeftMargin - 4, 14), Qt::AlignRight, QString::number(Ceiling_));
    painter.drawText(QRect(0, plot.bottom() - 12, kLeftMargin - 4, 14), Qt::AlignRight, QStringLiteral("0"));
    if (!rows.empty()) {
        painter.drawText(QRect(plot.left(), plot.bottom() + 2, plot.width(), 14), Qt::AlignLeft,
                         QString::number(rows.front().Tick));
        painter.drawText(QRect(plot.left(), plot.bottom() + 2, plot.width(), 14), Qt::AlignRight,
                         TTexts::tr("tick %1").arg(rows.back().Tick));
    }
    painter.drawRect(plot.adjusted(-1, -1, 0, 0));
    if (rows.size() < 2 || plot.width() < 2)
        return;

    // One column a pixel: each band runs from the sum of the species below it up by its count.
    const int columns = plot.width();
    std::vector<double> below(std::size_t(columns), 0.0);
    const double scale = double(plot.height()) / double(Ceiling_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int species = 1; species <= kSpeciesCount; ++species) {
        QPolygonF band;
        band.reserve(columns * 2);
        std::vector<double> above(below);
        for (int c = 0; c < columns; ++c) {
            const auto& row = rows[RowAt(plot.left() + c)];
            above[std::size_t(c)] += row.Population.PerSpecies[std::size_t(species - 1)];
            band << QPointF(plot.left() + c, plot.bottom() + 1 - above[std::size_t(c)] * scale);
        }
        for (int c = columns - 1; c >= 0; --c)
            band << QPointF(plot.left() + c + 1, plot.bottom() + 1 - below[std::size_t(c)] * scale);
        painter.setPen(Qt::NoPen);
        painter.setBrush(SpeciesColour(species));
        painter.drawPolygon(band);
        below.swap(above);
    }
}

void TPopulationGraph::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawPixmap(event->rect(), Rendered_, event->rect());
}

int TPopulationGraph::SpeciesAt(QPoint at, int* count, std::int64_t* tick) const
{
    const auto& rows = History_.Rows();
    const QRect plot = Plot();
    if (rows.empty() || !plot.contains(at))
        return 0;
    const auto& row = rows[RowAt(at.x())];
    const double value = double(plot.bottom() + 1 - at.y()) * double(Ceiling_) / double(plot.height());
    double top = 0;
    for (int species = 1; species <= kSpeciesCount; ++species) {
        const int n = row.Population.PerSpecies[std::size_t(species - 1)];
        top += n;
        if (value < top) {
            if (count)
                *count = n;
            if (tick)
                *tick = row.Tick;
            return species;
        }
    }
    return 0;
}

void TPopulationGraph::mouseMoveEvent(QMouseEvent* event)
{
    int count = 0;
    std::int64_t tick = 0;
    const QPoint at = event->position().toPoint();
    if (const int species = SpeciesAt(at, &count, &tick))
        QToolTip::showText(event->globalPosition().toPoint(),
                           TTexts::tr("%1: %2 at tick %3").arg(SpeciesName(species)).arg(count).arg(tick), this);
    else
        QToolTip::hideText();
}

TSparkline::TSparkline(const TCensusHistory& history, int species, QWidget* parent)
    : QWidget(parent), History_(history), Species_(species)
{
    setFixedSize(80, 18);
}

void TSparkline::Refresh()
{
    const auto& rows = History_.Rows();
    const std::int64_t last = rows.empty() ? -1 : rows.back().Tick;
    if (last != ShownTick_) {
        ShownTick_ = last;
        update();
    }
}

void TSparkline::paintEvent(QPaintEvent*)
{
    const auto& rows = History_.Rows();
    if (rows.size() < 2)
        return;
    const std::size_t index = std::size_t(Species_ - 1);
    int highest = 1;
    for (const auto& row : rows)
        highest = std::max(highest, row.Population.PerSpecies[index]);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(SpeciesColour(Species_).darker(130), 1.5));
    QPolygonF line;
    const int w = width() - 2, h = height() - 3;
    for (int x = 0; x <= w; ++x) {
        const auto& row = rows[std::size_t(std::lround(double(x) * double(rows.size() - 1) / double(w)))];
        line << QPointF(1 + x, 1.5 + h - double(row.Population.PerSpecies[index]) * h / highest);
    }
    painter.drawPolyline(line);
}
