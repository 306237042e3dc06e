#pragma once

#include "core/data/DataRoots.h"
#include "core/journal/JournalEntry.h"
#include "core/spreads/Spread.h"

#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>

class QFileInfo;

// Reads reading files into journal entries with the program's own reading
// reader. A reading file does not say how many positions its spread has, so
// the spread is looked up among the installed ones (each read once); a file
// whose spread is missing is damaged for the journal as it is for Open.
class JournalReader
{
public:
    // Spreads are found in `roots`; comments and explanations are decoded
    // for `language`; dates in file names are read in `locale`'s short format.
    JournalReader(const DataRoots &roots, const QString &language,
                  const QLocale &locale = QLocale::system());

    JournalEntry read(const QFileInfo &file);

    // The day a reading was made: the date its file name begins with (as the
    // journal and the Save dialog propose names), else the day it was last
    // written.
    static QDate dateOf(const QString &fileName, const QDateTime &modified, const QLocale &locale);

private:
    struct KnownSpread
    {
        Spread spread;
        // Why the spread cannot count the reading's positions; empty when it can.
        QString fault;
    };
    const KnownSpread &spreadNamed(const QString &name);
    // Fills the entry from the bytes of its file, or says what is wrong.
    void readBytes(const QByteArray &bytes, JournalEntry &entry);

    DataRoots m_roots;
    QString m_language;
    QLocale m_locale;
    QStringList m_spreadNames;
    QHash<QString, KnownSpread> m_spreads;
};
