#pragma once

#include "core/journal/JournalStats.h"
#include "ui/common/DialogContext.h"
#include "ui/journal/ChartsPlugin.h"

#include <QWidget>

class QLabel;
class QTabWidget;

// Charts of the readings the journal shows: the cards that came up most
// (with the card's picture under the pointer), the Major Arcana against each
// suit, upright against reversed, and readings per month. Each chart can be
// saved as a picture, and the numbers as CSV. The charts are drawn by the
// charts plugin's `makeChart`.
class JournalChartsWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int TopCardCount = 15;

    JournalChartsWindow(const DialogContext &context, const JournalStats &stats,
                        ChartsPlugin::MakeChart makeChart, QWidget *parent = nullptr);

    // Writes the chart on the tab at hand as a PNG picture; false, with the
    // reason in `errorString`, when the file could not be written.
    bool savePicture(const QString &path, QString *errorString = nullptr) const;
    bool saveNumbers(const QString &path, QString *errorString = nullptr) const;

private:
    ChartsPlugin::Chart topCardsChart();
    ChartsPlugin::Chart arcanaChart() const;
    ChartsPlugin::Chart orientationChart() const;
    ChartsPlugin::Chart perMonthChart() const;
    void addChart(const ChartsPlugin::Chart &chart, const char *name);
    // Asks where to save and saves with `save`; tells the user of a failure.
    void saveAs(const QString &suffix,
                bool (JournalChartsWindow::*save)(const QString &, QString *) const);
    void showCardPicture(bool shown, int number);
    QString groupLabel(const QString &key) const;

    const DialogContext m_context;
    JournalStats m_stats;
    ChartsPlugin::MakeChart m_makeChart;
    QTabWidget *m_tabs = nullptr;
    QLabel *m_picture = nullptr;
};
