#pragma once

#include "core/data/DataRoots.h"

#include <QString>

// Which saved readings depend on a spread: a reading file stores one line per
// position and is read with the spread's count, so changing how many
// positions a spread has would make those readings unreadable.
namespace SpreadUsage {

// How many reading files in the saved-readings folders (and their
// sub-folders) name `spreadName`, compared as the table compares names when
// it opens a reading.
int readingsUsing(const DataRoots &roots, const QString &spreadName,
                  const QString &language = QStringLiteral("English"));

} // namespace SpreadUsage
