#include "core/app/Plugins.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

QString Plugins::folder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../lib/quillmoor/plugins"));
}

void *Plugins::address(const QString &name, const char *symbol, QString *error)
{
    QLibrary library(folder() + QLatin1Char('/') + name);
    // Resolved now, so a damaged plugin is refused here and not in the
    // middle of playing or printing.
    library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    void *function = reinterpret_cast<void *>(library.resolve(symbol));
    if (!function && error)
        *error = library.errorString();
    return function;
}
