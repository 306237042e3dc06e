#pragma once

#include "core/data/DataRoots.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Where a language's files lie and how they are found. A language is a
// folder under Langs in the data roots; English is the fallback. Each file is
// looked up on its own, so a user's folder may hold only the files they changed.
namespace LanguageFiles {

// A language's lists (the interface texts, the card titles) are a few hundred
// short lines; a file larger than this is no such list.
inline constexpr qint64 LargestFile = 4LL * 1024 * 1024;

// The language's own `fileName`; empty when no root has it.
QString ownFile(const DataRoots &roots, const QString &language, const QString &fileName);

// The language's `fileName`, else the English one; empty when neither exists.
QString fileWithFallback(const DataRoots &roots, const QString &language, const QString &fileName);

// Whether `bytes` can be a language's list: text, without the control
// characters binary data is full of (tabs and line ends are text).
bool isText(const QByteArray &bytes);

// The lines of the language's interface texts (English as fallback); empty
// when no list exists, it holds no text or it is binary junk, so that the
// built-in English texts are shown and the language counts as incomplete.
QList<QByteArray> readUiTexts(const DataRoots &roots, const QString &language);

// The user's guide of `language`, its Doded.htm, else the English one;
// empty when neither exists.
QString helpGuide(const DataRoots &roots, const QString &language);

// Entries of the Langs folders, the user's first, each in the order the file
// system gives them, leaving out names that begin with a dot.
QStringList languageEntries(const DataRoots &roots);

} // namespace LanguageFiles
