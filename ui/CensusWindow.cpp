// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "ui/CensusWindow.h"

#include "platform/services/Files.h"
#include "platform/window/Window.h"
#include "sim/Census.h"
#include "sim/CensusHistory.h"
#include "sim/Tank.h"
#include "ui/Placement.h"
#include "ui/PopulationGraph.h"
#include "ui/CreatureLooks.h"
#include "ui/Texts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <array>
#include <deque>

namespace {

// The window redraws at most this often; the tick only adds to the history.
constexpr int kRefreshMilliseconds = 250;
// Births and deaths per tick are averaged over this span.
constexpr qint64 kRateSpanMilliseconds = 5000;

struct TRateSample {
    qint64 At;
    std::int64_t Ticks, Births, Deaths;
};

}  // namespace

// The window's widgets; the toolkit owns it, so it may outlive nothing but the tank's run.
class TCensusPanel : public QWidget {
public:
    TCensusPanel(const TTank& tank, const TCensusHistory& history, QWidget* parent);
    void Refresh();

protected:
    void showEvent(QShowEvent*) override { Timer_.start(); Refresh(); }
    void hideEvent(QHideEvent*) override { Timer_.stop(); }

private:
    QLabel* AddSummary(QGridLayout* grid, int row, const char* name);
    void ExportChosen();
    QString Rates();

    const TTank& Tank_;
    const TCensusHistory& History_;
    QLabel* Tick_;
    QLabel* Total_;
    QLabel* Rates_;
    QLabel* Generation_;
    QLabel* Seed_;
    QLabel* Extent_;
    std::array<QLabel*, kSpeciesCount> Counts_{};
    std::array<TSparkline*, kSpeciesCount> Lines_{};
    TPopulationGraph* Graph_;
    QTimer Timer_;
    QElapsedTimer Clock_;
    std::deque<TRateSample> Samples_;
};

TCensusPanel::TCensusPanel(const TTank& tank, const TCensusHistory& history, QWidget* parent)
    : QWidget(parent, Qt::Window), Tank_(tank), History_(history)
{
    setObjectName(QStringLiteral("census"));
    setWindowTitle(TTexts::tr("Tolvenn census"));
    auto* outer = new QHBoxLayout(this);

    auto* left = new QVBoxLayout;
    auto* summary = new QGridLayout;
    Tick_ = AddSummary(summary, 0, QT_TRANSLATE_NOOP("Tolvenn", "Tick"));
    Total_ = AddSummary(summary, 1, QT_TRANSLATE_NOOP("Tolvenn", "Creatures"));
    Rates_ = AddSummary(summary, 2, QT_TRANSLATE_NOOP("Tolvenn", "Per tick"));
    Generation_ = AddSummary(summary, 3, QT_TRANSLATE_NOOP("Tolvenn", "Highest generation"));
    Seed_ = AddSummary(summary, 4, QT_TRANSLATE_NOOP("Tolvenn", "Seed"));
    Extent_ = AddSummary(summary, 5, QT_TRANSLATE_NOOP("Tolvenn", "Tank"));
    summary->setColumnStretch(2, 1);
    left->addLayout(summary);

    auto* species = new QGridLayout;
    species->setVerticalSpacing(1);
    for (int n = 1; n <= kSpeciesCount; ++n) {
        const int row = n - 1;
        auto* swatch = new QLabel(this);
        swatch->setFixedSize(10, 10);
        swatch->setStyleSheet(QStringLiteral("background: %1").arg(SpeciesColour(n).name()));
        auto* picture = new QLabel(this);
        picture->setPixmap(SpeciesPicture(tank, n));
        picture->setFixedSize(34, 34);
        picture->setAlignment(Qt::AlignCenter);
        auto* count = new QLabel(this);
        count->setObjectName(QStringLiteral("count%1").arg(n));
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        count->setMinimumWidth(32);
        Counts_[std::size_t(row)] = count;
        Lines_[std::size_t(row)] = new TSparkline(history, n, this);
        // Two columns of ten keep the window low enough to stand beside the tank.
        const int r = row % 10, c = row / 10 * 5;
        species->addWidget(swatch, r, c);
        species->addWidget(picture, r, c + 1);
        auto* name = new QLabel(SpeciesName(n), this);
        species->addWidget(name, r, c + 2);
        species->addWidget(count, r, c + 3);
        species->addWidget(Lines_[std::size_t(row)], r, c + 4);
    }
    left->addLayout(species);
    left->addStretch();
    outer->addLayout(left);

    auto* right = new QVBoxLayout;
    Graph_ = new TPopulationGraph(history, tank.TankCapacity, this);
    Graph_->setObjectName(QStringLiteral("graph"));
    right->addWidget(Graph_, 1);
    auto* exportButton = new QPushButton(TTexts::tr("Export..."), this);
    exportButton->setObjectName(QStringLiteral("export"));
    connect(exportButton, &QPushButton::clicked, this, [this] { ExportChosen(); });
    right->addWidget(exportButton, 0, Qt::AlignRight);
    outer->addLayout(right, 1);

    Timer_.setInterval(kRefreshMilliseconds);
    connect(&Timer_, &QTimer::timeout, this, [this] { Refresh(); });
    Clock_.start();
}

QLabel* TCensusPanel::AddSummary(QGridLayout* grid, int row, const char* name)
{
    grid->addWidget(new QLabel(TTexts::tr(name), this), row, 0);
    auto* value = new QLabel(this);
    value->setObjectName(QString::fromUtf8(name).toLower().replace(' ', '_'));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(value, row, 1);
    return value;
}

QString TCensusPanel::Rates()
{
    const TRateSample now{Clock_.elapsed(), Tank_.Ticks, History_.TotalBirths(), History_.TotalDeaths()};
    Samples_.push_back(now);
    while (Samples_.size() > 2 && now.At - Samples_[1].At >= kRateSpanMilliseconds)
        Samples_.pop_front();
    const TRateSample& then = Samples_.front();
    const std::int64_t ticks = now.Ticks - then.Ticks;
    if (ticks <= 0)
        return TTexts::tr("no ticks in the last few seconds");
    return TTexts::tr("%1 births, %2 deaths")
        .arg(double(now.Births - then.Births) / double(ticks), 0, 'f', 2)
        .arg(double(now.Deaths - then.Deaths) / double(ticks), 0, 'f', 2);
}

void TCensusPanel::Refresh()
{
    const TPopulation population = CountPopulation(Tank_);
    Tick_->setText(QString::number(Tank_.Ticks));
    Total_->setText(TTexts::tr("%1 of %2").arg(population.Total).arg(Tank_.TankCapacity));
    Rates_->setText(Rates());
    Generation_->setText(QString::number(population.HighestGeneration));
    Seed_->setText(QString::number(Tank_.Seed));
    Extent_->setText(TTexts::tr("%1 × %2 pixels").arg(Tank_.ScreenWidth).arg(Tank_.ScreenHeight));
    for (std::size_t i = 0; i < Counts_.size(); ++i) {
        Counts_[i]->setText(QString::number(population.PerSpecies[i]));
        Lines_[i]->Refresh();
    }
    Graph_->Refresh();
}

void TCensusPanel::ExportChosen()
{
    const QString path = QFileDialog::getSaveFileName(this, TTexts::tr("Export census"), QStringLiteral("census.csv"),
                                                      TTexts::tr("Comma-separated values (*.csv)"));
    if (path.isEmpty())
        return;
}

struct TCensusWindow::TImpl {
    const TTank& Tank;
    const TCensusHistory& History;
    QPointer<TCensusPanel> Panel;
};

TCensusWindow::TCensusWindow(const TTank& tank, const TCensusHistory& history)
    : Impl_(std::make_unique<TImpl>(TImpl{tank, history, nullptr}))
{
}

TCensusWindow::~TCensusWindow()
{
    delete Impl_->Panel.data();
}

void TCensusWindow::Show(TWindow& beside)
{
    QWidget* main = beside.Widget();
    if (!Impl_->Panel) {
        Impl_->Panel = new TCensusPanel(Impl_->Tank, Impl_->History, main);
        Impl_->Panel->adjustSize();
        if (main && main->screen())
            Impl_->Panel->move(PlaceBeside(main->frameGeometry(), Impl_->Panel->frameSize(),
                                           main->screen()->availableGeometry()));
    }
    Impl_->Panel->show();
    Impl_->Panel->raise();
    Impl_->Panel->activateWindow();
}

void TCensusWindow::StartAfresh()
{
    TCensusPanel* old = Impl_->Panel;
    if (!old)
        return;
    Impl_->Panel = new TCensusPanel(Impl_->Tank, Impl_->History, old->parentWidget());
    Impl_->Panel->setGeometry(old->geometry());
    Impl_->Panel->setVisible(old->isVisible());
    delete old;
}

void TCensusWindow::Close()
{
    if (Impl_->Panel)
        Impl_->Panel->close();
}

void TCensusWindow::Refresh()
{
    if (Impl_->Panel)
        Impl_->Panel->Refresh();
}

bool TCensusWindow::Export(const std::string& path, std::string& error) const
{
    return WriteFileSafely(path, Impl_->History.Text(), error);
}

QWidget* TCensusWindow::Widget() const
{
    return Impl_->Panel;
}
