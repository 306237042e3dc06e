#pragma once

#include "core/journal/JournalFilter.h"
#include "ui/common/DialogContext.h"

#include <QWidget>

#include <memory>

class JournalIndex;
class JournalIndexer;
class JournalSpreadPane;
class JournalTableModel;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QSpinBox;
class QTableView;
class QTimer;

// The journal of readings: every reading file in the journal's folders in a
// sortable table, searched as the user types and narrowed by spread, card,
// orientation and dates, with the selected reading's spread drawn beside it.
// The index is brought up to date in the background while the window is used.
class JournalWindow : public QWidget
{
    Q_OBJECT

public:
    // The index is kept in the database file at `databasePath`.
    JournalWindow(const DialogContext &context, const QString &databasePath,
                  QWidget *parent = nullptr);
    ~JournalWindow() override;

    // The filter the controls make now.
    JournalFilter filter() const;
    // Reads the folders again: files new, changed or gone since are taken in.
    void startIndexing();
    bool isIndexing() const;

signals:
    // The user asked for the reading file at `path` to be laid on the table.
    void openRequested(const QString &path);

private:
    void createControls();
    // Shows the readings the filter lets through.
    void refresh();
    void refillSpreadFilter();
    void onIndexingFinished();
    void showSelected();
    void addFolder();
    void showStatistics();
    QString shortTitle(int number) const;

    ProgramData &m_data;
    Preferences &m_preferences;
    CardFaceCache &m_faces;
    Interaction &m_interaction;
    QString m_databasePath;
    std::unique_ptr<JournalIndex> m_index;
    JournalIndexer *m_indexer;
    JournalTableModel *m_model = nullptr;
    QSortFilterProxyModel *m_sorted = nullptr;
    QTableView *m_table = nullptr;
    QLineEdit *m_search = nullptr;
    QComboBox *m_spreadFilter = nullptr;
    QComboBox *m_cardFilter = nullptr;
    QSpinBox *m_positionFilter = nullptr;
    QComboBox *m_orientationFilter = nullptr;
    QDateEdit *m_fromDate = nullptr;
    QDateEdit *m_toDate = nullptr;
    QCheckBox *m_keepEvery = nullptr;
    QLabel *m_status = nullptr;
    JournalSpreadPane *m_pane = nullptr;
    // Shows the journal as it grows while the index is brought up to date.
    QTimer *m_growing = nullptr;
    // The folders changed while an update ran.
    bool m_indexAgain = false;
};
