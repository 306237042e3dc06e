#pragma once

#include <QString>

class TableWindow;
struct DialogContext;

// Readings > Journal: asks once whether every reading should be kept, then
// shows the table's one journal window, whose readings open on the table.
namespace JournalCommands {

// Shows the journal of `table`, made at the first call; its index is kept
// in `databasePath` (empty: the user's cache folder).
void open(TableWindow *table, const DialogContext &context, const QString &databasePath = {});

} // namespace JournalCommands
