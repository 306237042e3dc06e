#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The journal's charts, drawn with Qt Charts (and the OpenGL libraries it
// brings) in a plugin of its own, loaded when the statistics are first shown.
// The program describes each chart as plain data.
namespace ChartsPlugin {

constexpr const char *Name = "quillmoor-charts.so";
constexpr const char *Symbol = "quillmoor_make_chart";

struct Chart
{
    enum class Kind
    {
        // Bars from the left, the first label at the top.
        HorizontalBars,
        // Bars from the bottom, the labels slanted under them.
        Bars,
        // Slices labelled "label: value"; an empty slice has no label.
        Pie,
    };
    Kind kind = Kind::Bars;
    QString title;
    QStringList labels;
    QList<int> values;
    // Told when the pointer enters or leaves the bar at `index` (from the top).
    std::function<void(bool shown, int index)> hovered;
};

// A view of `chart` as a child of `parent`.
using MakeChart = QWidget *(*)(const Chart &chart, QWidget *parent);

} // namespace ChartsPlugin
