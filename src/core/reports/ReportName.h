#pragma once

#include <QDateTime>
#include <QString>

class QDir;

// The names reports are kept under: "<date> <time> - <spread>", readable in
// a file manager, sorted by when they were made, and never one that is taken.
namespace ReportName {

// "2026-12-09 14.05 - Celtic Cross" for a report made at `when`. Characters
// that file systems or mail refuse in a name become "_", and a long spread
// name is cut, so the name works on any disk the user copies it to.
QString dated(const QString &spreadName, const QDateTime &when);

// `base` + `suffix` when `folder` has nothing of that name, else the first of
// `base` + " (2)" + `suffix`, " (3)"... that is free.
QString unused(const QDir &folder, const QString &base, const QString &suffix);

} // namespace ReportName
