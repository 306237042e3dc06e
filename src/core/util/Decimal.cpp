#include "core/util/Decimal.h"

std::optional<qint32> Decimal::parse(const QByteArray &field)
{
    bool ok = false;
    const qint32 value = field.toInt(&ok);
    if (!ok || field.trimmed() != field)
        return std::nullopt;
    return value;
}
