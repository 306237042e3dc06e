#include "core/spreads/PositionLabels.h"

#include "core/spreads/Spread.h"
#include "core/util/TextCodec.h"

namespace {

QByteArray ordinaryNumber(const Spread &spread, int position)
{
    return QByteArray::number(position + 1 - spread.significatorCount());
}

} // namespace

QByteArray PositionLabels::tableLabel(const Spread &spread, int position)
{
    if (!spread.positions.at(position).significator)
        return ordinaryNumber(spread, position) + ". ";
    if (spread.significatorCount() == 1)
        return "S. ";
    return "S" + QByteArray::number(position + 1) + ". ";
}

QByteArray PositionLabels::editorLabel(const Spread &spread, int position)
{
    if (spread.positions.at(position).significator)
        return "S" + QByteArray::number(position + 1) + ". ";
    return ordinaryNumber(spread, position) + ". ";
}

QByteArray PositionLabels::reportLabel(const Spread &spread, int position)
{
    if (!spread.positions.at(position).significator)
        return ordinaryNumber(spread, position);
    if (spread.significatorCount() == 1)
        return "S";
    return "S" + QByteArray::number(position + 1);
}

QByteArray PositionLabels::hint(const Spread &spread, int position)
{
    const QByteArray &explanation = spread.positions.at(position).explanation;
    if (!spread.positions.at(position).significator)
        return ordinaryNumber(spread, position) + ". " + explanation;
    if (spread.significatorCount() == 1)
        return explanation;
    return explanation + " " + QByteArray::number(position + 1);
}

QByteArray PositionLabels::documentHeading(const Spread &spread, int position)
{
    if (spread.positions.at(position).significator && spread.significatorCount() > 1)
        return spread.positions.at(position).explanation + QByteArray::number(position + 1);
    return hint(spread, position);
}

QString PositionLabels::tableLabelText(const Spread &spread, int position, const QString &language)
{
    return TextCodec::decode(tableLabel(spread, position), language);
}

QString PositionLabels::hintText(const Spread &spread, int position, const QString &language)
{
    return TextCodec::decode(hint(spread, position), language);
}
