#include "core/reports/Paper.h"

#include <QList>

Paper Paper::forLocale(const QLocale &locale)
{
    // The countries that print on US Letter.
    static const QList<QLocale::Territory> letter = {
        QLocale::UnitedStates, QLocale::Canada,           QLocale::Mexico,      QLocale::Chile,
        QLocale::Colombia,     QLocale::Venezuela,        QLocale::Philippines, QLocale::PuertoRico,
        QLocale::Guatemala,    QLocale::CostaRica,        QLocale::Panama,      QLocale::ElSalvador,
        QLocale::Nicaragua,    QLocale::DominicanRepublic};
    if (letter.contains(locale.territory()))
        return {QSize(21590, 27940), QStringLiteral("Letter")};
    return {QSize(21000, 29700), QStringLiteral("A4")};
}

Paper Paper::system()
{
    // The paper follows LC_PAPER, as the desktop's own applications do.
    for (const char *variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const QString name = qEnvironmentVariable(variable).section(QLatin1Char('.'), 0, 0);
        if (!name.isEmpty() && name != QLatin1String("C") && name != QLatin1String("POSIX"))
            return forLocale(QLocale(name));
    }
    return forLocale(QLocale());
}
