#pragma once

#include "core/journal/JournalIndex.h"

#include <QAbstractTableModel>

#include <functional>

class UiTextTable;

// The journal's readings as the window's table shows them: date, spread,
// deck, the cards by short title and the first line of the comments. A
// damaged file shows why in place of its comments.
class JournalTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        DateColumn,
        SpreadColumn,
        DeckColumn,
        CardsColumn,
        CommentsColumn,
        ColumnCount,
    };
    // What a column sorts by, and the entry's id in every column.
    static constexpr int SortRole = Qt::UserRole;
    static constexpr int IdRole = Qt::UserRole + 1;
    static constexpr int PathRole = Qt::UserRole + 2;

    // `shortTitle` names a card in the cards column.
    JournalTableModel(const UiTextTable &texts, std::function<QString(int)> shortTitle,
                      QObject *parent = nullptr);

    void setRows(const QList<JournalIndex::Row> &rows);
    const QList<JournalIndex::Row> &rows() const { return m_rows; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString cardsText(const JournalIndex::Row &row) const;

    const UiTextTable &m_texts;
    std::function<QString(int)> m_shortTitle;
    QList<JournalIndex::Row> m_rows;
};
