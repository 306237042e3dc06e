#include "core/lang/TextLines.h"

QList<QByteArray> TextLines::split(const QByteArray &text)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (;;) {
        const qsizetype cr = text.indexOf('\r', start);
        if (cr < 0)
            break;
        lines.append(text.mid(start, cr - start));
        start = cr + 1;
        if (start < text.size() && text.at(start) == '\n')
            ++start;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}
