#include "core/spreads/SpreadList.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

void SpreadList::arrange(QStringList &names)
{
    names.removeAll(QString());
    const QStringList groups[] = {
        {QStringLiteral("Seven Cards Ellipse"), QStringLiteral("Семикарточный эллипс")},
        {QStringLiteral("Relationship"), QStringLiteral("Отношения")},
        {QStringLiteral("Question"), QStringLiteral("Вопрос")},
    };
    QStringList front;
    for (const QStringList &group : groups) {
        for (auto it = names.begin(); it != names.end();) {
            if (group.contains(*it)) {
                front.append(*it);
                it = names.erase(it);
            } else {
                ++it;
            }
        }
    }
    QCollator collator(QLocale::system());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), collator);
    names = front + names;
}
