#include "core/reports/ReportName.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Leaves room for the date, a counter and an extension within the 255 bytes
// a file name may have, even when every character takes several bytes.
constexpr int LongestSpreadPart = 60;

} // namespace

QString ReportName::dated(const QString &spreadName, const QDateTime &when)
{
    QString spread;
    for (const QChar c : spreadName.left(LongestSpreadPart)) {
        const bool refused =
            c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c);
        spread += refused ? QLatin1Char('_') : c;
    }
    spread = spread.trimmed();
    // A leading dot would hide the file.
    while (spread.startsWith(QLatin1Char('.')))
        spread.remove(0, 1);
    const QString stamp = when.toString(QStringLiteral("yyyy-MM-dd HH.mm"));
    return spread.isEmpty() ? stamp : stamp + QStringLiteral(" - ") + spread;
}

QString ReportName::unused(const QDir &folder, const QString &base, const QString &suffix)
{
    QString name = base + suffix;
    for (int counter = 2;
         QFileInfo::exists(folder.filePath(name)) || QFileInfo(folder.filePath(name)).isSymLink();
         ++counter)
        name = QStringLiteral("%1 (%2)%3").arg(base).arg(counter).arg(suffix);
    return name;
}
