#pragma once

#include "ScriptedInteraction.h"
#include "core/table/ReadingSession.h"
#include "ui/lang/LanguageDialog.h"
#include "ui/spreads/SpreadChooser.h"
#include "ui/table/CardImage.h"
#include "ui/table/DeckView.h"
#include "ui/table/TableWindow.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

// Steps a test takes on the real table the way a user would: menu commands,
// the spread chooser, the buttons and clicks on the fan and the positions.
namespace TableSteps {

inline QAction *action(TableWindow &table, const char *name)
{
    return table.findChild<QAction *>(QLatin1String(name));
}

template <typename Widget> Widget *part(TableWindow &table, const QString &name)
{
    return table.findChild<Widget *>(name);
}

inline CardImage *positionImage(TableWindow &table, int position)
{
    return table.findChild<CardImage *>(QStringLiteral("positionImage%1").arg(position));
}

// The next `Dialog` picks `text` in its `list` and accepts it; it is
// cancelled when the list lacks the text.
template <typename Dialog>
void expectPicked(ScriptedInteraction &interaction, QListWidget *Dialog::*list, const QString &text)
{
    interaction.expectDialog<Dialog>([list, text](Dialog &dialog) {
        const auto items = (dialog.*list)->findItems(text, Qt::MatchExactly);
        if (items.isEmpty())
            return int(QDialog::Rejected);
        (dialog.*list)->setCurrentItem(items.first());
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        return dialog.result();
    });
}

// The next Language dialog picks `language` and accepts it.
inline void expectLanguageChosen(ScriptedInteraction &interaction, const QString &language)
{
    expectPicked(interaction, &LanguageDialog::languageList, language);
}

// The next spread chooser picks `spread` and accepts it.
inline void expectSpreadChosen(ScriptedInteraction &interaction, const QString &spread)
{
    expectPicked(interaction, &SpreadChooser::spreadList, spread);
}

// Starts a reading of `spread` from the Readings menu.
inline void startReading(TableWindow &table, ScriptedInteraction &interaction,
                         const QString &spread)
{
    expectSpreadChosen(interaction, spread);
    action(table, "startAction")->trigger();
}

// Shuffles for a few frames with the Shuffle button, then presses Stop.
inline void shuffleAndStop(TableWindow &table)
{
    QTest::mouseClick(part<QPushButton>(table, QStringLiteral("shuffleButton")), Qt::LeftButton);
    QTest::qWait(20);
    QTest::mouseClick(part<QPushButton>(table, QStringLiteral("stopButton")), Qt::LeftButton);
}

// Where a click draws fan card `slot`: just right of its left edge only this
// card and the one below it lie, and this one is painted on top.
inline QPoint fanPoint(TableWindow &table, int slot)
{
    const Card &card = table.session().cards()[slot];
    return QPoint(card.x + 5, card.y + 50);
}

// The topmost card still in the fan, or -1.
inline int topFanSlot(TableWindow &table)
{
    for (int slot = table.session().deckSize() - 1; slot >= 0; --slot) {
        if (table.session().cards()[slot].isPainted())
            return slot;
    }
    return -1;
}

inline void clickTable(TableWindow &table, const QPoint &point)
{
    QTest::mouseClick(part<DeckView>(table, QStringLiteral("deckView")), Qt::LeftButton, {}, point);
}

// Draws the topmost fan card by clicking it.
inline void drawTopCard(TableWindow &table)
{
    clickTable(table, fanPoint(table, topFanSlot(table)));
}

inline void clickPosition(TableWindow &table, int position)
{
    QTest::mouseClick(positionImage(table, position), Qt::LeftButton);
}

} // namespace TableSteps
