// The charts plugin: draws the journal's charts with Qt Charts, which the
// program loads only when the statistics are shown.
#include "ui/journal/ChartsPlugin.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QPieSeries>
#include <QValueAxis>

#include <algorithm>

namespace {

using ChartsPlugin::Chart;

QPieSeries *pieOf(const Chart &chart)
{
    auto *series = new QPieSeries;
    for (qsizetype slice = 0; slice < chart.labels.size() && slice < chart.values.size(); ++slice) {
        const int value = chart.values[slice];
        series->append(QStringLiteral("%1: %2").arg(chart.labels[slice]).arg(value), value)
            ->setLabelVisible(value > 0);
    }
    return series;
}

// Bars with their labels on one axis and whole counts on the other.
void addBars(QChart *view, const Chart &chart)
{
    const bool horizontal = chart.kind == Chart::Kind::HorizontalBars;
    auto *set = new QBarSet(chart.title);
    QStringList labels = chart.labels;
    QList<int> values = chart.values;
    // A horizontal series runs from the bottom up: reversed, the first
    // label is at the top.
    if (horizontal) {
        std::reverse(labels.begin(), labels.end());
        std::reverse(values.begin(), values.end());
    }
    for (int value : values)
        *set << value;
    QAbstractBarSeries *series =
        horizontal ? static_cast<QAbstractBarSeries *>(new QHorizontalBarSeries) : new QBarSeries;
    series->append(set);
    view->addSeries(series);
    auto *categories = new QBarCategoryAxis;
    categories->append(labels);
    if (!horizontal)
        categories->setLabelsAngle(-60);
    view->addAxis(categories, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    series->attachAxis(categories);
    auto *counts = new QValueAxis;
    counts->setRange(
        0, std::max(1, values.isEmpty() ? 1 : *std::max_element(values.begin(), values.end())));
    counts->setLabelFormat(QStringLiteral("%d"));
    counts->applyNiceNumbers();
    view->addAxis(counts, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(counts);
    view->legend()->hide();
    if (chart.hovered) {
        const qsizetype count = values.size();
        QObject::connect(set, &QBarSet::hovered, set,
                         [hovered = chart.hovered, horizontal, count](bool shown, int index) {
                             hovered(shown, horizontal ? int(count - 1 - index) : index);
                         });
    }
}

} // namespace

extern "C" Q_DECL_EXPORT QWidget *quillmoor_make_chart(const ChartsPlugin::Chart &chart,
                                                       QWidget *parent)
{
    auto *view = new QChart;
    view->setTitle(chart.title);
    view->setAnimationOptions(QChart::NoAnimation);
    if (chart.kind == Chart::Kind::Pie)
        view->addSeries(pieOf(chart));
    else
        addBars(view, chart);
    auto *widget = new QChartView(view, parent);
    widget->setRenderHint(QPainter::Antialiasing);
    return widget;
}

// Checked by the compiler: the plugin's function is what the program calls.
static_assert(std::is_same_v<decltype(&quillmoor_make_chart), ChartsPlugin::MakeChart>);
