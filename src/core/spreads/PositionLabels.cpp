#include "PositionLabels.h"

#include "SpParser.h"

namespace {

QByteArray ordinaryNumber(const TSpreadParser &spread, int position)
{
    return QByteArray::number(position + 1 - spread.SignificatorCount);
}

} // namespace

QByteArray PositionLabels::tableLabel(const TSpreadParser &spread, int position)
{
    if (!spread.IsSignificator[position])
        return ordinaryNumber(spread, position) + ". ";
    if (spread.SignificatorCount == 1)
        return "S. ";
    return "S" + QByteArray::number(position + 1) + ". ";
}

QByteArray PositionLabels::editorLabel(const TSpreadParser &spread, int position)
{
    if (spread.IsSignificator[position])
        return "S" + QByteArray::number(position + 1) + ". ";
    return ordinaryNumber(spread, position) + ". ";
}

QByteArray PositionLabels::hint(const TSpreadParser &spread, int position)
{
    const QByteArray &explanation = spread.Explanation[position];
    if (!spread.IsSignificator[position])
        return ordinaryNumber(spread, position) + ". " + explanation;
    if (spread.SignificatorCount == 1)
        return explanation;
    return explanation + " " + QByteArray::number(position + 1);
}
