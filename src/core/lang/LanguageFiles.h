#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Where a language's files lie and how they are found. A language is a
// folder under Langs beside the program; English is the fallback.
namespace LanguageFiles {

QString folder(const QString &appDir, const QString &language);

// The language's `fileName`, else the English one; empty when neither exists.
QString fileWithFallback(const QString &appDir, const QString &language, const QString &fileName);

// The lines of the language's interface texts (English as fallback); empty
// when no list exists or it holds no text.
QList<QByteArray> readUiTexts(const QString &appDir, const QString &language);

// The user's guide of `language`, its Doded.htm, else the English one;
// empty when neither exists.
QString helpGuide(const QString &appDir, const QString &language);

// Entries of the Langs folder, in the order the file system gives them,
// leaving out names that begin with a dot.
QStringList languageEntries(const QString &appDir);

} // namespace LanguageFiles
