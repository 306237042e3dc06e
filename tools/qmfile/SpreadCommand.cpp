#include "SpreadCommand.h"

#include "CommandOutput.h"
#include "core/spreads/Spread.h"
#include "core/spreads/SpreadText.h"
#include "core/util/RandomGenerator.h"

namespace {

using CommandOutput::failure;
using CommandOutput::print;

int unpack(const QString &path)
{
    Spread spread;
    QString error;
    if (spread.load(path, &error) != Spread::LoadResult::Loaded)
        return failure(QStringLiteral("%1: not a readable spread file: %2").arg(path, error));
    const QString fault = SpreadText::formatFault(spread);
    if (!fault.isEmpty())
        return failure(QStringLiteral("%1: cannot be shown as text: %2").arg(path, fault));
    return print(SpreadText::format(spread));
}

int pack(const QString &textPath, const QString &outPath)
{
    return CommandOutput::pack<Spread>(
        textPath, outPath, SpreadText::parse,
        [](const Spread &spread, const QString &path, QString *error) {
            RandomGenerator random;
            return spread.save(path, random, error);
        });
}

} // namespace

int SpreadCommand::run(const QStringList &arguments)
{
    if (arguments.size() == 2 && arguments.at(0) == QLatin1String("unpack"))
        return unpack(arguments.at(1));
    if (arguments.size() == 3 && arguments.at(0) == QLatin1String("pack"))
        return pack(arguments.at(1), arguments.at(2));
    return failure(
        QStringLiteral("usage: qmfile spread unpack FILE | qmfile spread pack TEXT OUT"));
}
