#include "core/spreads/SpreadText.h"

#include "core/spreads/Spread.h"
#include "core/util/Decimal.h"

#include <QList>

namespace {

bool fail(QString *errorString, const QString &message)
{
    if (errorString)
        *errorString = message;
    return false;
}

bool toInt(const QByteArray &field, qint32 &value)
{
    const std::optional<qint32> decimal = Decimal::parse(field);
    if (decimal)
        value = *decimal;
    return decimal.has_value();
}

} // namespace

QByteArray SpreadText::format(const Spread &spread)
{
    QByteArray text = QByteArray::number(spread.positionCount()) + '\n';
    for (const SpreadPosition &position : spread.positions) {
        if (position.significator)
            text += 'S';
        text += QByteArray::number(position.place.x()) + ',' +
                QByteArray::number(position.place.y()) + ',' + position.explanation + '\n';
    }
    return text;
}

QString SpreadText::formatFault(const Spread &spread)
{
    for (int i = 0; i < spread.positionCount(); ++i) {
        const QByteArray &explanation = spread.positions.at(i).explanation;
        if (explanation.contains('\n') || explanation.contains('\r') || explanation.contains('\0'))
            return QStringLiteral("the explanation of position %1 holds a line end or a NUL byte")
                .arg(i + 1);
    }
    return spread.layoutFault();
}

bool SpreadText::parse(const QByteArray &text, Spread &spread, QString *errorString)
{
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.contains('\r') || line.contains('\0'))
            return fail(errorString, QStringLiteral("a line holds a stray CR or NUL byte"));
    }
    qint32 count = 0;
    if (lines.isEmpty() || !toInt(lines.first(), count))
        return fail(errorString, QStringLiteral("line 1 must hold the number of positions"));
    if (count < 0 || count > Spread::Capacity)
        return fail(errorString, QStringLiteral("a spread holds 0 to %1 positions, not %2")
                                     .arg(Spread::Capacity)
                                     .arg(count));
    if (lines.size() - 1 != count)
        return fail(errorString, QStringLiteral("line 1 announces %1 positions but %2 follow")
                                     .arg(count)
                                     .arg(lines.size() - 1));
    spread.positions.clear();
    for (int i = 0; i < count; ++i) {
        const QByteArray &line = lines.at(i + 1);
        const QString where = QStringLiteral("line %1: ").arg(i + 2);
        const qsizetype firstComma = line.indexOf(',');
        const qsizetype secondComma = line.indexOf(',', firstComma + 1);
        if (firstComma < 0 || secondComma < 0)
            return fail(errorString, where + QStringLiteral("expected [S]x,y,explanation"));
        SpreadPosition position;
        QByteArray x = line.left(firstComma);
        if (x.startsWith('S')) {
            x.remove(0, 1);
            position.significator = true;
        }
        qint32 left = 0;
        qint32 top = 0;
        if (!toInt(x, left) || !toInt(line.mid(firstComma + 1, secondComma - firstComma - 1), top))
            return fail(errorString, where + QStringLiteral("x and y must be whole numbers"));
        position.place = QPoint(left, top);
        position.explanation = line.mid(secondComma + 1);
        spread.positions.append(position);
    }
    // The table could not lay it, so it is no spread to pack.
    const QString fault = spread.layoutFault();
    return fault.isEmpty() || fail(errorString, fault);
}
