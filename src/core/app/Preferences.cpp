#include "core/app/Preferences.h"

#include <QDate>
#include <QLocale>

Preferences::Preferences(QObject *parent)
    : QObject(parent)
    // A report's comments start as today's date, as the user's locale writes it.
    , m_reportComments(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat))
{}
