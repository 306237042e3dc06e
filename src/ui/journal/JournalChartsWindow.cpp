#include "ui/journal/JournalChartsWindow.h"

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/cards/CardFaceCache.h"
#include "core/lang/UiText.h"
#include "core/util/WholeFile.h"
#include "ui/common/Interaction.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QPieSeries>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace {

// The card picture shown beside the top cards' bars under the pointer.
const QSize PictureSize(120, 200);

QPieSeries *pieOf(const QList<std::pair<QString, int>> &slices)
{
    auto *series = new QPieSeries;
    for (const auto &[label, count] : slices) {
        QPieSlice *slice = series->append(QStringLiteral("%1: %2").arg(label).arg(count), count);
        slice->setLabelVisible(count > 0);
    }
    return series;
}

} // namespace

JournalChartsWindow::JournalChartsWindow(const DialogContext &context, const JournalStats &stats,
                                         QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
    , m_stats(stats)
{
    setObjectName(QStringLiteral("journalChartsWindow"));
    const ProgramData &data = m_context.data;
    setWindowTitle(data.uiText(UiText::ChartsTitle));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("chartTabs"));
    addChart(topCardsChart(), "topCardsChart");
    addChart(arcanaChart(), "arcanaChart");
    addChart(orientationChart(), "orientationChart");
    addChart(perMonthChart(), "perMonthChart");

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *picture =
        buttons->addButton(data.uiText(UiText::ChartsSavePicture), QDialogButtonBox::ActionRole);
    picture->setObjectName(QStringLiteral("savePictureButton"));
    QPushButton *numbers =
        buttons->addButton(data.uiText(UiText::ChartsSaveNumbers), QDialogButtonBox::ActionRole);
    numbers->setObjectName(QStringLiteral("saveNumbersButton"));
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    connect(picture, &QPushButton::clicked, this,
            [this] { saveAs(QStringLiteral("png"), &JournalChartsWindow::savePicture); });
    connect(numbers, &QPushButton::clicked, this,
            [this] { saveAs(QStringLiteral("csv"), &JournalChartsWindow::saveNumbers); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    m_picture = new QLabel(this, Qt::ToolTip);
    m_picture->setObjectName(QStringLiteral("cardPicture"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buttons);
    resize(1000, 680);
}

void JournalChartsWindow::addChart(QChart *chart, const char *name)
{
    chart->setAnimationOptions(QChart::NoAnimation);
    auto *view = new QChartView(chart, m_tabs);
    view->setObjectName(QLatin1String(name));
    view->setRenderHint(QPainter::Antialiasing);
    m_tabs->addTab(view, chart->title());
}

QString JournalChartsWindow::groupLabel(const QString &key) const
{
    static const QHash<QString, int> texts = {
        {QStringLiteral("major"), UiText::ChartsMajorArcana},
        {QStringLiteral("suit1"), UiText::ChartsWands},
        {QStringLiteral("suit2"), UiText::ChartsCups},
        {QStringLiteral("suit3"), UiText::ChartsSwords},
        {QStringLiteral("suit4"), UiText::ChartsPentacles},
        {QStringLiteral("upright"), UiText::JournalUpright},
        {QStringLiteral("reversed"), UiText::JournalReversed},
    };
    return m_context.data.uiText(texts.value(key, UiText::ChartsTitle));
}

QChart *JournalChartsWindow::topCardsChart()
{
    const QList<std::pair<int, int>> top = m_stats.top(TopCardCount);
    auto *set = new QBarSet(m_context.data.uiText(UiText::ChartsTopCards));
    QStringList titles;
    int highest = 1;
    // Listed from the bottom up, so the card that came up most is on top.
    for (auto it = top.crbegin(); it != top.crend(); ++it) {
        *set << it->second;
        titles << m_context.data.cardTitle(it->first);
        highest = std::max(highest, it->second);
    }
    auto *series = new QHorizontalBarSeries;
    series->append(set);
    auto *chart = new QChart;
    chart->setTitle(m_context.data.uiText(UiText::ChartsTopCards));
    chart->addSeries(series);
    auto *cards = new QBarCategoryAxis;
    cards->append(titles);
    chart->addAxis(cards, Qt::AlignLeft);
    series->attachAxis(cards);
    auto *counts = new QValueAxis;
    counts->setRange(0, highest);
    counts->setLabelFormat(QStringLiteral("%d"));
    counts->applyNiceNumbers();
    chart->addAxis(counts, Qt::AlignBottom);
    series->attachAxis(counts);
    chart->legend()->hide();
    connect(set, &QBarSet::hovered, this, [this, top](bool shown, int index) {
        if (index >= 0 && index < top.size())
            showCardPicture(shown, top.at(top.size() - 1 - index).first);
    });
    return chart;
}

void JournalChartsWindow::showCardPicture(bool shown, int number)
{
    if (!shown) {
        m_picture->hide();
        return;
    }
    const QImage face = m_context.faces.face(m_context.preferences.deckName(), number, false,
                                             PictureSize, m_picture->devicePixelRatioF());
    if (face.isNull())
        return;
    m_picture->setPixmap(QPixmap::fromImage(face));
    m_picture->adjustSize();
    m_picture->move(QCursor::pos() + QPoint(16, 16));
    m_picture->show();
}

QChart *JournalChartsWindow::arcanaChart()
{
    QList<std::pair<QString, int>> slices{
        {groupLabel(QStringLiteral("major")), m_stats.majorArcana()}};
    const auto suits = m_stats.suits();
    for (int suit = 0; suit < JournalStats::SuitCount; ++suit)
        slices.append({groupLabel(QStringLiteral("suit%1").arg(suit + 1)), suits[size_t(suit)]});
    auto *chart = new QChart;
    chart->setTitle(m_context.data.uiText(UiText::ChartsArcana));
    chart->addSeries(pieOf(slices));
    return chart;
}

QChart *JournalChartsWindow::orientationChart()
{
    auto *chart = new QChart;
    chart->setTitle(m_context.data.uiText(UiText::ChartsOrientation));
    chart->addSeries(pieOf({{groupLabel(QStringLiteral("upright")), m_stats.upright},
                            {groupLabel(QStringLiteral("reversed")), m_stats.reversed}}));
    return chart;
}

QChart *JournalChartsWindow::perMonthChart()
{
    auto *set = new QBarSet(m_context.data.uiText(UiText::ChartsPerMonth));
    int highest = 1;
    for (auto month = m_stats.perMonth.cbegin(); month != m_stats.perMonth.cend(); ++month) {
        *set << month.value();
        highest = std::max(highest, month.value());
    }
    auto *series = new QBarSeries;
    series->append(set);
    auto *chart = new QChart;
    chart->setTitle(m_context.data.uiText(UiText::ChartsPerMonth));
    chart->addSeries(series);
    auto *months = new QBarCategoryAxis;
    months->append(m_stats.perMonth.keys());
    months->setLabelsAngle(-60);
    chart->addAxis(months, Qt::AlignBottom);
    series->attachAxis(months);
    auto *counts = new QValueAxis;
    counts->setRange(0, highest);
    counts->setLabelFormat(QStringLiteral("%d"));
    counts->applyNiceNumbers();
    chart->addAxis(counts, Qt::AlignLeft);
    series->attachAxis(counts);
    chart->legend()->hide();
    return chart;
}

bool JournalChartsWindow::savePicture(const QString &path, QString *errorString) const
{
    const QImage picture = m_tabs->currentWidget()->grab().toImage();
    return WholeFile::write(
        path,
        [&picture](QIODevice &device, QString *error) {
            if (picture.save(&device, "PNG"))
                return true;
            if (error)
                *error = device.errorString();
            return false;
        },
        errorString);
}

bool JournalChartsWindow::saveNumbers(const QString &path, QString *errorString) const
{
    const QByteArray csv =
        m_stats.toCsv([this](int number) { return m_context.data.cardTitle(number); },
                      [this](const QString &key) { return groupLabel(key); });
    return WholeFile::write(path, csv, errorString);
}

void JournalChartsWindow::saveAs(const QString &suffix,
                                 bool (JournalChartsWindow::*save)(const QString &, QString *)
                                     const)
{
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("chartsSaveDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.setNameFilter(QStringLiteral("*.") + suffix);
    dialog.setDirectory(m_context.data.readingsDir());
    if (m_context.interaction.execDialog(dialog) != QDialog::Accepted ||
        dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    QString reason;
    if (!(this->*save)(path, &reason))
        m_context.interaction.showMessage(
            this, m_context.data.uiText(UiText::ChartsNotSaved) +
                      QStringLiteral("\n%1: %2").arg(QDir::toNativeSeparators(path), reason));
}
