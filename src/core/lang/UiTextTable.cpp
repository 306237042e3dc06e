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

void UiTextTable::replace(QList<QByteArray> lines)
{
    m_lines = std::move(lines);
}
