#include "ui/journal/JournalWindow.h"

#include "core/app/Plugins.h"
#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/journal/JournalIndex.h"
#include "core/journal/JournalIndexer.h"
#include "core/lang/UiText.h"
#include "ui/common/Interaction.h"
#include "ui/journal/JournalChartsWindow.h"
#include "ui/journal/JournalSpreadPane.h"
#include "ui/journal/JournalTableModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The first day a date filter can name; a date edit showing it sets no limit.
const QDate NoLimit(1900, 1, 1);
// While the index grows, the table is shown again this often.
constexpr int GrowingRefresh = 700;

} // namespace

JournalWindow::JournalWindow(const DialogContext &context, const QString &databasePath,
                             QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_data(context.data)
    , m_preferences(context.preferences)
    , m_faces(context.faces)
    , m_interaction(context.interaction)
    , m_databasePath(databasePath)
    , m_index(std::make_unique<JournalIndex>(databasePath))
    , m_indexer(new JournalIndexer(this))
    , m_growing(new QTimer(this))
{
    setObjectName(QStringLiteral("journalWindow"));
    setWindowTitle(m_data.uiTexts().buttonString(UiText::JournalTitle));
    createControls();
    resize(1180, 720);
    // Opened first, so that a damaged index is made again before the
    // indexer's own connection reads it.
    QString error;
    if (!m_index->open(&error))
        m_status->setText(m_data.uiText(UiText::JournalIndexFailed) + QLatin1Char(' ') + error);
    m_growing->setInterval(GrowingRefresh);
    connect(m_growing, &QTimer::timeout, this, &JournalWindow::refresh);
    connect(m_indexer, &JournalIndexer::progress, this, [this](int done, int total) {
        m_status->setText(m_data.uiText(UiText::JournalIndexing).arg(done).arg(total));
    });
    connect(m_indexer, &JournalIndexer::finished, this, &JournalWindow::onIndexingFinished);
    refresh();
    startIndexing();
}

JournalWindow::~JournalWindow() = default;

QString JournalWindow::shortTitle(int number) const
{
    // "XXI. The World" is "The World" in a row of cards.
    static const QRegularExpression numeral(QStringLiteral("^[IVXL0]+\\.\\s*"));
    return m_data.cardTitle(number).remove(numeral);
}

void JournalWindow::createControls()
{
    const UiTextTable &texts = m_data.uiTexts();
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("searchEdit"));
    m_search->setPlaceholderText(texts.string(UiText::JournalSearchHint));
    m_search->setClearButtonEnabled(true);

    m_spreadFilter = new QComboBox(this);
    m_spreadFilter->setObjectName(QStringLiteral("spreadFilter"));
    m_cardFilter = new QComboBox(this);
    m_cardFilter->setObjectName(QStringLiteral("cardFilter"));
    m_cardFilter->addItem(texts.string(UiText::JournalAnyCard), -1);
    for (int number = 0; number < (m_data.deck79() ? 79 : 78); ++number)
        m_cardFilter->addItem(m_data.cardTitle(number), number);
    m_positionFilter = new QSpinBox(this);
    m_positionFilter->setObjectName(QStringLiteral("positionFilter"));
    m_positionFilter->setRange(0, 79);
    m_positionFilter->setSpecialValueText(texts.string(UiText::JournalAnyPosition));
    m_positionFilter->setPrefix(texts.string(UiText::JournalPosition).arg(QString()));
    m_orientationFilter = new QComboBox(this);
    m_orientationFilter->setObjectName(QStringLiteral("orientationFilter"));
    for (int text :
         {UiText::JournalAnyOrientation, UiText::JournalUpright, UiText::JournalReversed})
        m_orientationFilter->addItem(texts.string(text));
    const auto dateEdit = [this](const char *name) {
        auto *edit = new QDateEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setCalendarPopup(true);
        edit->setMinimumDate(NoLimit);
        edit->setSpecialValueText(QStringLiteral("\u2014"));
        edit->setDate(NoLimit);
        return edit;
    };
    m_fromDate = dateEdit("fromDate");
    m_toDate = dateEdit("toDate");

    m_model = new JournalTableModel(
        texts, [this](int number) { return shortTitle(number); }, this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(JournalTableModel::SortRole);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("readingsTable"));
    m_table->setModel(m_sorted);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(JournalTableModel::DateColumn, Qt::DescendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    // One line a reading: the cards and comments are cut short, the pane shows all.
    m_table->setWordWrap(false);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(JournalTableModel::DateColumn, 90);
    m_table->setColumnWidth(JournalTableModel::SpreadColumn, 150);
    m_table->setColumnWidth(JournalTableModel::DeckColumn, 50);
    m_table->setColumnWidth(JournalTableModel::CardsColumn, 330);

    m_pane = new JournalSpreadPane(
        m_data.roots(), m_faces, [this] { return m_preferences.deckName(); }, this);
    m_pane->setObjectName(QStringLiteral("spreadPane"));
    auto *split = new QSplitter(this);
    split->addWidget(m_table);
    split->addWidget(m_pane);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 1);
    split->setSizes({800, 400});

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("statusLabel"));
    m_keepEvery = new QCheckBox(texts.string(UiText::JournalKeepEvery), this);
    m_keepEvery->setObjectName(QStringLiteral("keepEveryCheck"));
    m_keepEvery->setChecked(m_preferences.keepEveryReading());
    auto *addFolderButton = new QPushButton(texts.string(UiText::JournalAddFolder), this);
    addFolderButton->setObjectName(QStringLiteral("addFolderButton"));
    auto *statisticsButton = new QPushButton(texts.string(UiText::JournalStatistics), this);
    statisticsButton->setObjectName(QStringLiteral("statisticsButton"));

    auto *filters = new QHBoxLayout;
    filters->addWidget(m_search, 3);
    filters->addWidget(m_spreadFilter, 1);
    filters->addWidget(m_cardFilter, 1);
    filters->addWidget(m_positionFilter);
    filters->addWidget(m_orientationFilter);
    filters->addWidget(new QLabel(texts.string(UiText::JournalFrom), this));
    filters->addWidget(m_fromDate);
    filters->addWidget(new QLabel(texts.string(UiText::JournalTo), this));
    filters->addWidget(m_toDate);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(m_keepEvery);
    bottom->addWidget(addFolderButton);
    bottom->addWidget(statisticsButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(split, 1);
    layout->addLayout(bottom);

    connect(m_search, &QLineEdit::textChanged, this, &JournalWindow::refresh);
    for (QComboBox *box : {m_spreadFilter, m_cardFilter, m_orientationFilter})
        connect(box, &QComboBox::currentIndexChanged, this, &JournalWindow::refresh);
    connect(m_positionFilter, &QSpinBox::valueChanged, this, &JournalWindow::refresh);
    for (QDateEdit *edit : {m_fromDate, m_toDate})
        connect(edit, &QDateEdit::dateChanged, this, &JournalWindow::refresh);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &JournalWindow::showSelected);
    // Double-click and Enter alike.
    connect(m_table, &QTableView::activated, this, [this](const QModelIndex &index) {
        emit openRequested(index.data(JournalTableModel::PathRole).toString());
    });
    connect(m_keepEvery, &QCheckBox::toggled, &m_preferences, &Preferences::setKeepEveryReading);
    connect(addFolderButton, &QPushButton::clicked, this, &JournalWindow::addFolder);
    connect(statisticsButton, &QPushButton::clicked, this, &JournalWindow::showStatistics);
}

JournalFilter JournalWindow::filter() const
{
    JournalFilter filter;
    filter.text = m_search->text();
    filter.spreadName =
        m_spreadFilter->currentIndex() > 0 ? m_spreadFilter->currentText() : QString();
    filter.card = m_cardFilter->currentData().toInt();
    filter.position = m_positionFilter->value() - 1;
    filter.orientation = JournalFilter::Orientation(m_orientationFilter->currentIndex());
    if (m_fromDate->date() != NoLimit)
        filter.from = m_fromDate->date();
    if (m_toDate->date() != NoLimit)
        filter.to = m_toDate->date();
    return filter;
}

void JournalWindow::refresh()
{
    const qint64 selected = m_table->currentIndex().data(JournalTableModel::IdRole).toLongLong();
    m_model->setRows(m_index->find(filter()));
    for (int row = 0; row < m_sorted->rowCount(); ++row) {
        const QModelIndex index = m_sorted->index(row, 0);
        if (index.data(JournalTableModel::IdRole).toLongLong() == selected) {
            m_table->setCurrentIndex(index);
            break;
        }
    }
    if (!m_table->currentIndex().isValid())
        m_pane->clear();
    if (!isIndexing()) {
        int damaged = 0;
        for (const JournalIndex::Row &row : m_model->rows())
            damaged += row.damage.isEmpty() ? 0 : 1;
        m_status->setText(
            m_data.uiText(UiText::JournalShown).arg(m_model->rowCount() - damaged).arg(damaged));
    }
}

void JournalWindow::refillSpreadFilter()
{
    const QString current = m_spreadFilter->currentText();
    const QSignalBlocker quiet(m_spreadFilter);
    m_spreadFilter->clear();
    m_spreadFilter->addItem(m_data.uiText(UiText::JournalAnySpread));
    m_spreadFilter->addItems(m_index->spreadNames());
    m_spreadFilter->setCurrentIndex(std::max(0, m_spreadFilter->findText(current)));
}

bool JournalWindow::isIndexing() const
{
    return m_indexer->isRunning();
}

void JournalWindow::startIndexing()
{
    JournalIndexer::Job job;
    job.databasePath = m_databasePath;
    job.folders = m_data.roots().folders(QStringLiteral("Saved")) + m_preferences.journalFolders();
    job.roots = m_data.roots();
    job.language = m_preferences.language();
    job.titles = m_data.cardTitles();
    CardTitles::load(job.englishTitles, m_data.roots(), QStringLiteral("English"), m_data.deck79(),
                     {m_preferences.strengthEleven(), m_preferences.ardenvaleStyle()});
    // A folder added while an update runs is read by the next one, at once.
    m_indexAgain = !m_indexer->start(job);
    if (!m_indexAgain)
        m_growing->start();
}

void JournalWindow::onIndexingFinished()
{
    m_growing->stop();
    const JournalIndexer::Result result = m_indexer->result();
    if (!result.error.isEmpty()) {
        m_status->setText(m_data.uiText(UiText::JournalIndexFailed) + QLatin1Char(' ') +
                          result.error);
        return;
    }
    refillSpreadFilter();
    refresh();
    if (m_indexAgain)
        startIndexing();
}

void JournalWindow::showSelected()
{
    const QModelIndex current = m_table->currentIndex();
    const std::optional<JournalEntry> entry =
        current.isValid() ? m_index->entry(current.data(JournalTableModel::IdRole).toLongLong())
                          : std::nullopt;
    if (entry)
        m_pane->showEntry(*entry);
    else
        m_pane->clear();
}

void JournalWindow::addFolder()
{
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("journalFolderDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (m_interaction.execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QStringList folders = m_preferences.journalFolders();
    const QString folder = dialog.selectedFiles().first();
    if (!folders.contains(folder))
        m_preferences.setJournalFolders(folders << folder);
    startIndexing();
}

void JournalWindow::showStatistics()
{
    QString reason;
    const auto makeChart = Plugins::resolve<ChartsPlugin::MakeChart>(
        QLatin1String(ChartsPlugin::Name), ChartsPlugin::Symbol, &reason);
    if (!makeChart) {
        m_interaction.showMessage(this,
                                  m_data.uiText(UiText::ChartsTitle) + QLatin1Char('\n') + reason);
        return;
    }
    auto *charts =
        new JournalChartsWindow(DialogContext{m_data, m_preferences, m_faces, m_interaction},
                                m_index->stats(filter()), makeChart, this);
    charts->setAttribute(Qt::WA_DeleteOnClose);
    charts->show();
}
