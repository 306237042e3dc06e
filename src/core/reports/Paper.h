#pragma once

#include <QLocale>
#include <QSize>
#include <QString>

// The paper a report is laid out for: A4, or US Letter where the locale
// prints on it.
struct Paper
{
    // Width and height in hundredths of a millimetre.
    QSize size;
    // "A4" or "Letter".
    QString name;

    // The paper of `locale`'s country.
    static Paper forLocale(const QLocale &locale);
    // The paper of the user's locale for paper (LC_PAPER unless LC_ALL is
    // set, else LANG, else Qt's locale).
    static Paper system();
};
