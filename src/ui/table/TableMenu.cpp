#include "ui/table/TableMenu.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

const QList<TableMenu::Entry> &TableMenu::entries()
{
    using Kind = Entry::Kind;
    static const QList<Entry> all = {
        {Kind::Menu, "readingsMenu", UiText::MenuReadings, "Readings"},
        {Kind::Item, "startAction", UiText::MenuStart, "Start...", Qt::Key_F9},
        {Kind::Item, "openAction", UiText::MenuOpen, "Open...", QKeySequence::Open},
        {Kind::Item, "saveAction", UiText::MenuSave, "Save...", QKeySequence::Save},
        {Kind::Item, "inputAction", UiText::MenuInput, "Input...", Qt::Key_F8},
        {Kind::Item, "printAction", UiText::MenuPrint, "Print...", QKeySequence::Print},
        {Kind::Item, "journalAction", UiText::MenuJournal, "Journal...", Qt::CTRL | Qt::Key_J},
        {Kind::Separator},
        {Kind::Item, "exitAction", UiText::MenuExit, "Exit", {}},
        {Kind::BarItem, "startReadingAction", UiText::MenuStartReading, "Start reading...", {}},
        {Kind::Menu, "spreadsMenu", UiText::MenuSpreads, "Spreads"},
        {Kind::Item, "createSpreadAction", UiText::MenuCreateSpread, "Create new...", Qt::Key_F3},
        {Kind::Item, "editSpreadAction", UiText::MenuEditSpread, "Edit...", Qt::Key_F4},
        {Kind::Menu, "viewMenu", UiText::MenuView, "View"},
        {Kind::Item, "toggleSpreadViewAction", UiText::MenuToggleSpreadView, "Toggle spread view",
         Qt::Key_Delete},
        {Kind::Separator},
        {Kind::Item, "backgroundColorAction", UiText::MenuBackgroundColor, "Background color...",
         Qt::CTRL | Qt::Key_B},
        {Kind::Item,
         "defaultBackgroundAction",
         UiText::MenuDefaultBackground,
         "Default background",
         {}},
        {Kind::Separator},
        {Kind::CheckItem, "spreadTipsAction", UiText::MenuShowSpreadTips, "Show spread tips",
         Qt::CTRL | Qt::Key_T},
        {Kind::Menu, "optionsMenu", UiText::MenuOptions, "Options"},
        {Kind::Item, "selectDeckAction", UiText::MenuSelectDeck, "Select deck...",
         Qt::CTRL | Qt::Key_D},
        {Kind::Separator},
        {Kind::CheckItem, "majorArcanaOnlyAction", UiText::MenuMajorArcanaOnly, "Major Arcana only",
         Qt::CTRL | Qt::Key_A},
        {Kind::CheckItem, "reversedPositionsAction", UiText::MenuUseReversed,
         "Use reverse positions", Qt::CTRL | Qt::Key_R},
        {Kind::CheckItem, "automaticDrawAction", UiText::MenuDrawAutomatically,
         "Draw cards automatically", Qt::CTRL | Qt::Key_F9},
        {Kind::Separator},
        {Kind::CheckItem, "cutDeckAction", UiText::MenuCutDeck, "Cut deck", {}},
        {Kind::CheckItem, "threePilesAction", UiText::MenuCutThreePiles, "Cut deck in 3 piles", {}},
        {Kind::Separator},
        {Kind::Item, "imageSettingsAction", UiText::MenuImageSettings, "Enlarged image settings...",
         Qt::CTRL | Qt::Key_I},
        {Kind::Separator},
        {Kind::Item, "musicSettingsAction", UiText::MenuMusicSettings, "Music settings...",
         Qt::CTRL | Qt::Key_M},
        {Kind::CheckItem, "playMusicAction", UiText::MenuPlayMusic, "Play music", {}},
        {Kind::Item, "nextPieceAction", UiText::MenuNextPiece, "Next piece", {}},
        {Kind::Separator},
        {Kind::Item, "languageAction", UiText::MenuLanguage, "Language", Qt::CTRL | Qt::Key_L},
        {Kind::Menu, "helpMenu", UiText::MenuHelp, "Help"},
        {Kind::Item, "contentsAction", UiText::MenuContents, "Contents", Qt::Key_F1},
        {Kind::Separator},
        {Kind::Item, "aboutAction", UiText::MenuAbout, "About...", {}},
    };
    return all;
}

TableMenu::TableMenu(QMenuBar *bar, const Handlers &handlers, QObject *parent)
    : QObject(parent)
    , m_bar(bar)
{
    QMenu *menu = nullptr;
    for (const Entry &entry : entries()) {
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
        const auto handler = handlers.constFind(QByteArray(entry.name));
        if (handler != handlers.cend())
            connect(action, &QAction::triggered, this, *handler);
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
