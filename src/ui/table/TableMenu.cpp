#include "ui/table/TableMenu.h"

#include "core/lang/UiTextTable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

TableMenu::TableMenu(QMenuBar *bar, const QList<Entry> &entries, QObject *parent)
    : QObject(parent)
    , m_bar(bar)
    , m_entries(entries)
{
    QMenu *menu = nullptr;
    for (const Entry &entry : entries) {
        QAction *action = nullptr;
        switch (entry.kind) {
        case Entry::Kind::Menu:
            menu = bar->addMenu(QString::fromUtf8(entry.caption));
            menu->setObjectName(QLatin1String(entry.name));
            action = menu->menuAction();
            break;
        case Entry::Kind::Separator:
            menu->addSeparator();
            continue;
        case Entry::Kind::BarItem:
            action = bar->addAction(QString::fromUtf8(entry.caption));
            break;
        case Entry::Kind::Item:
        case Entry::Kind::CheckItem:
            action = menu->addAction(QString::fromUtf8(entry.caption));
            action->setCheckable(entry.kind == Entry::Kind::CheckItem);
            break;
        }
        if (entry.kind != Entry::Kind::Menu)
            action->setObjectName(QLatin1String(entry.name));
        action->setShortcut(entry.shortcut);
        if (entry.handler)
            connect(action, &QAction::triggered, this, entry.handler);
        else if (entry.kind != Entry::Kind::Menu)
            action->setEnabled(false); // a command this build does not have yet
        if (entry.textIndex >= 0)
            m_captioned.append({action, entry.textIndex});
    }
}

QAction *TableMenu::action(const char *name) const
{
    return m_bar->findChild<QAction *>(QLatin1String(name));
}

void TableMenu::retranslate(const UiTextTable &texts)
{
    for (const auto &[action, index] : m_captioned)
        action->setText(texts.string(index));
}
