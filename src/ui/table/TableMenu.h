#pragma once

#include <QByteArray>
#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class UiTextTable;

// The table's main menu, built from one list of entries that gives each
// command its name, interface text, default caption and shortcut.
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
    };
    // What each command does, by its action's name.
    using Handlers = QHash<QByteArray, std::function<void()>>;

    // Builds every entry on `bar`. A command without a handler is greyed out:
    // this build lacks its window.
    TableMenu(QMenuBar *bar, const Handlers &handlers, QObject *parent = nullptr);

    // The menus and their commands, in the order they are shown.
    static const QList<Entry> &entries();

    // The action called `name`; null when there is none.
    QAction *action(const char *name) const;
    // Captions every menu and command in the loaded language.
    void retranslate(const UiTextTable &texts);

private:
    QMenuBar *m_bar;
    QList<std::pair<QAction *, int>> m_captioned;
};
