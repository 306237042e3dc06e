#include "ui/journal/JournalCommands.h"

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/journal/JournalIndex.h"
#include "core/lang/UiText.h"
#include "ui/common/Interaction.h"
#include "ui/journal/JournalWindow.h"
#include "ui/table/TableWindow.h"

void JournalCommands::open(TableWindow *table, const DialogContext &context,
                           const QString &databasePath)
{
    if (!context.preferences.journalAsked()) {
        const ProgramData &data = context.data;
        context.preferences.setKeepEveryReading(
            context.interaction.askOkCancel(table, data.uiText(UiText::JournalKeepQuestion),
                                            data.uiTexts().buttonString(UiText::JournalTitle)));
        context.preferences.setJournalAsked(true);
    }
    auto *window = table->findChild<JournalWindow *>();
    if (!window) {
        window = new JournalWindow(
            context, databasePath.isEmpty() ? JournalIndex::defaultPath() : databasePath, table);
        QObject::connect(window, &JournalWindow::openRequested, table, &TableWindow::openFile);
    } else {
        window->startIndexing();
    }
    window->show();
    window->raise();
    window->activateWindow();
}
