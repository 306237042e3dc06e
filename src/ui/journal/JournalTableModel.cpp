#include "ui/journal/JournalTableModel.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"

#include <QBrush>
#include <QColor>
#include <QLocale>

JournalTableModel::JournalTableModel(const UiTextTable &texts,
                                     std::function<QString(int)> shortTitle, QObject *parent)
    : QAbstractTableModel(parent)
    , m_texts(texts)
    , m_shortTitle(std::move(shortTitle))
{}

void JournalTableModel::setRows(const QList<JournalIndex::Row> &rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

int JournalTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int JournalTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString JournalTableModel::cardsText(const JournalIndex::Row &row) const
{
    QStringList cards;
    for (const auto &[number, reversed] : row.cards)
        cards << m_shortTitle(number) + (reversed ? QStringLiteral(" \u21c5") : QString());
    return cards.join(QStringLiteral(", "));
}

QVariant JournalTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const JournalIndex::Row &row = m_rows.at(index.row());
    if (role == IdRole)
        return row.id;
    if (role == PathRole)
        return row.path;
    const bool damaged = !row.damage.isEmpty();
    if (role == Qt::ForegroundRole && damaged)
        return QBrush(QColor(0x80, 0, 0));
    if (role == Qt::ToolTipRole)
        return damaged ? m_texts.string(UiText::JournalDamaged).arg(row.damage) : row.path;
    if (role != Qt::DisplayRole && role != SortRole)
        return {};
    switch (index.column()) {
    case DateColumn:
        if (role == SortRole)
            return row.date.toString(Qt::ISODate) + row.path;
        return QLocale().toString(row.date, QLocale::ShortFormat);
    case SpreadColumn:
        return row.spreadName;
    case DeckColumn:
        return row.deckSize > 0 ? QVariant(row.deckSize) : QVariant();
    case CardsColumn:
        return cardsText(row);
    case CommentsColumn:
        return damaged ? m_texts.string(UiText::JournalDamaged).arg(row.damage)
                       : row.firstCommentLine;
    default:
        return {};
    }
}

QVariant JournalTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const int titles[] = {UiText::JournalColumnDate, UiText::JournalColumnSpread,
                                 UiText::JournalColumnDeck, UiText::JournalColumnCards,
                                 UiText::JournalColumnComments};
    return section >= 0 && section < ColumnCount ? m_texts.string(titles[section]) : QVariant();
}
