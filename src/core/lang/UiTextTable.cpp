#include "core/lang/UiTextTable.h"

#include <utility>

UiTextTable::UiTextTable()
    : m_lines(InitialLineCount)
{}

QByteArray UiTextTable::text(int index) const
{
    if (index < 0 || index >= m_lines.size())
        return {};
    return m_lines.at(index);
}

QString UiTextTable::string(int index) const
{
    return QString::fromLocal8Bit(text(index));
}

void UiTextTable::replace(QList<QByteArray> lines)
{
    m_lines = std::move(lines);
}
