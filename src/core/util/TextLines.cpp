#include "core/util/TextLines.h"

#include <utility>

namespace {

qsizetype lineEndAt(const QByteArray &text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        const char byte = text.at(i);
        if (byte == '\r' || byte == '\n')
            return i;
    }
    return -1;
}

} // namespace

TextLines::Cursor::Cursor(QByteArray text)
    : m_text(std::move(text))
{}

bool TextLines::Cursor::hasLineEnd() const
{
    return lineEndAt(m_text, m_pos) >= 0;
}

std::optional<QByteArray> TextLines::Cursor::next()
{
    const qsizetype end = lineEndAt(m_text, m_pos);
    if (end < 0)
        return std::nullopt;
    QByteArray line = m_text.mid(m_pos, end - m_pos);
    m_pos = end + 1;
    if (m_text.at(end) == '\r' && m_pos < m_text.size() && m_text.at(m_pos) == '\n')
        ++m_pos;
    ++m_lineNumber;
    return line;
}

QByteArray TextLines::Cursor::rest() const
{
    return m_text.mid(m_pos);
}

QList<QByteArray> TextLines::split(const QByteArray &text)
{
    QList<QByteArray> lines;
    Cursor cursor(text);
    while (const std::optional<QByteArray> line = cursor.next())
        lines.append(*line);
    const QByteArray tail = cursor.rest();
    if (!tail.isEmpty())
        lines.append(tail);
    return lines;
}
