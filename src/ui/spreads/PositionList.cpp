#include "ui/spreads/PositionList.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QTimer>

#include <functional>

namespace {

constexpr int LabelRole = Qt::UserRole;

// Shows each row's label before its explanation; the editor in place holds
// the explanation alone.
class LabelledDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = index.data(LabelRole).toString() + option->text;
    }
};

} // namespace

PositionList::PositionList(QWidget *parent)
    : QListWidget(parent)
{
    setItemDelegate(new LabelledDelegate(this));
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setWordWrap(false);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_filling && row >= 0)
            emit positionChosen(row);
    });
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) {
        if (m_filling)
            return;
        const int index = row(item);
        const QString text = item->text();
        later([this, index, text] { emit explanationEdited(index, text); });
    });
}

void PositionList::showRows(const QList<Row> &rows, int current)
{
    m_filling = true;
    while (count() > rows.size())
        delete takeItem(count() - 1);
    while (count() < rows.size())
        addItem(new QListWidgetItem);
    for (int i = 0; i < rows.size(); ++i) {
        QListWidgetItem *entry = item(i);
        entry->setData(LabelRole, rows.at(i).label);
        entry->setText(rows.at(i).explanation);
        entry->setToolTip(rows.at(i).explanation);
        Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled;
        if (rows.at(i).editable)
            flags |= Qt::ItemIsEditable;
        entry->setFlags(flags);
    }
    setCurrentRow(current);
    m_filling = false;
}

void PositionList::keyPressEvent(QKeyEvent *event)
{
    const bool up = event->key() == Qt::Key_Up;
    if ((up || event->key() == Qt::Key_Down) && event->modifiers() == Qt::ControlModifier &&
        currentRow() >= 0) {
        const int from = currentRow();
        emit moveRequested(from, from + (up ? -1 : 1));
        return;
    }
    QListWidget::keyPressEvent(event);
}

void PositionList::dropEvent(QDropEvent *event)
{
    const int from = currentRow();
    const QModelIndex target = indexAt(event->position().toPoint());
    // The row the position is put before: on a row's lower half, the next one.
    int before = count();
    if (target.isValid())
        before = target.row() + (event->position().y() > visualRect(target).center().y() ? 1 : 0);
    const int to = before > from ? before - 1 : before;
    // The list moves nothing itself: the editor changes the design and shows it again.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (from >= 0 && to != from)
        later([this, from, to] { emit moveRequested(from, to); });
}

void PositionList::later(const std::function<void()> &signal)
{
    QTimer::singleShot(0, this, signal);
}
