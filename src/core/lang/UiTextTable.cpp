#include "core/lang/UiTextTable.h"

#include "core/util/TextCodec.h"
#include "core/util/TextLines.h"

#include <QFile>
#include <QStringList>

#include <utility>

const QList<QByteArray> &UiTextTable::builtinLines()
{
    static const QList<QByteArray> lines = [] {
        QFile list(QStringLiteral(":/builtin/English/List.lng"));
        return list.open(QIODevice::ReadOnly) ? TextLines::split(list.readAll())
                                              : QList<QByteArray>();
    }();
    return lines;
}

QByteArray UiTextTable::text(int index) const
{
    if (index < 0)
        return {};
    if (index < m_lines.size())
        return m_lines.at(index);
    const QList<QByteArray> &builtin = builtinLines();
    return index < builtin.size() ? builtin.at(index) : QByteArray();
}

QString UiTextTable::string(int index) const
{
    return decoded(text(index));
}

QString UiTextTable::buttonString(int index) const
{
    QString text = string(index).remove(QLatin1Char('&'));
    while (text.endsWith(QLatin1Char('.')) || text.endsWith(QChar(0x2026)))
        text.chop(1);
    return text;
}

QString UiTextTable::decoded(const QByteArray &bytes) const
{
    return TextCodec::decode(bytes, m_language);
}

QByteArray UiTextTable::encoded(const QString &edited, const QByteArray &original) const
{
    return edited == decoded(original) ? original : edited.toUtf8();
}

QString UiTextTable::decodedLines(const QByteArray &bytes) const
{
    QStringList lines;
    for (const QByteArray &line : TextLines::split(bytes))
        lines << decoded(line);
    return lines.join(QLatin1Char('\n'));
}

void UiTextTable::replace(QList<QByteArray> lines)
{
    m_lines = std::move(lines);
}
