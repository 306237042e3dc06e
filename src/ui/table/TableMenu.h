#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class UiTextTable;

// The table's main menu, built from one list of entries that gives each
// command its name, interface text, default caption, shortcut and handler.
class TableMenu : public QObject
{
    Q_OBJECT

public:
    struct Entry
    {
        enum class Kind
        {
            // Opens a new menu; the items after it belong to it.
            Menu,
            Item,
            CheckItem,
            Separator,
            // A command directly on the menu bar.
            BarItem,
        };

        Kind kind;
        // The action's objectName, by which tests and the window find it.
        const char *name = "";
        // The interface text that captions it, and the caption before any
        // language is loaded.
        int textIndex = -1;
        const char *caption = "";
        QKeySequence shortcut = {};
        std::function<void()> handler = {};
    };

    TableMenu(QMenuBar *bar, const QList<Entry> &entries, QObject *parent = nullptr);

    // The action called `name`; null when there is none.
    QAction *action(const char *name) const;
    // The entries the menu was built from.
    const QList<Entry> &entries() const { return m_entries; }
    // Captions every menu and command in the loaded language.
    void retranslate(const UiTextTable &texts);

private:
    QMenuBar *m_bar;
    const QList<Entry> m_entries;
    QList<std::pair<QAction *, int>> m_captioned;
};
