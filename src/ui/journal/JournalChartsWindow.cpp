#include "ui/journal/JournalChartsWindow.h"

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/cards/CardFaceCache.h"
#include "core/lang/UiText.h"
#include "core/util/WholeFile.h"
#include "ui/common/Interaction.h"

#include <QCursor>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The card picture shown beside the top cards' bars under the pointer.
const QSize PictureSize(120, 200);

} // namespace

JournalChartsWindow::JournalChartsWindow(const DialogContext &context, const JournalStats &stats,
                                         ChartsPlugin::MakeChart makeChart, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
    , m_stats(stats)
    , m_makeChart(makeChart)
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

void JournalChartsWindow::addChart(const ChartsPlugin::Chart &chart, const char *name)
{
    QWidget *view = m_makeChart(chart, m_tabs);
    view->setObjectName(QLatin1String(name));
    m_tabs->addTab(view, chart.title);
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

ChartsPlugin::Chart JournalChartsWindow::topCardsChart()
{
    const QList<std::pair<int, int>> top = m_stats.top(TopCardCount);
    ChartsPlugin::Chart chart;
    chart.kind = ChartsPlugin::Chart::Kind::HorizontalBars;
    chart.title = m_context.data.uiText(UiText::ChartsTopCards);
    for (const auto &[number, count] : top) {
        chart.labels << m_context.data.cardTitle(number);
        chart.values << count;
    }
    chart.hovered = [this, top](bool shown, int index) {
        if (index >= 0 && index < top.size())
            showCardPicture(shown, top.at(index).first);
    };
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

ChartsPlugin::Chart JournalChartsWindow::arcanaChart() const
{
    ChartsPlugin::Chart chart;
    chart.kind = ChartsPlugin::Chart::Kind::Pie;
    chart.title = m_context.data.uiText(UiText::ChartsArcana);
    chart.labels << groupLabel(QStringLiteral("major"));
    chart.values << m_stats.majorArcana();
    const auto suits = m_stats.suits();
    for (int suit = 0; suit < JournalStats::SuitCount; ++suit) {
        chart.labels << groupLabel(QStringLiteral("suit%1").arg(suit + 1));
        chart.values << suits[size_t(suit)];
    }
    return chart;
}

ChartsPlugin::Chart JournalChartsWindow::orientationChart() const
{
    ChartsPlugin::Chart chart;
    chart.kind = ChartsPlugin::Chart::Kind::Pie;
    chart.title = m_context.data.uiText(UiText::ChartsOrientation);
    chart.labels << groupLabel(QStringLiteral("upright")) << groupLabel(QStringLiteral("reversed"));
    chart.values << m_stats.upright << m_stats.reversed;
    return chart;
}

ChartsPlugin::Chart JournalChartsWindow::perMonthChart() const
{
    ChartsPlugin::Chart chart;
    chart.kind = ChartsPlugin::Chart::Kind::Bars;
    chart.title = m_context.data.uiText(UiText::ChartsPerMonth);
    chart.labels = m_stats.perMonth.keys();
    chart.values = m_stats.perMonth.values();
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
