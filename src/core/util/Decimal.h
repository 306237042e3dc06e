#pragma once

#include <QByteArray>

#include <optional>

// Whole numbers as the program's text files write them.
namespace Decimal {

// `field` as a decimal integer when it is one and nothing else (a sign,
// digits, no spaces around them); empty otherwise.
std::optional<qint32> parse(const QByteArray &field);

} // namespace Decimal
