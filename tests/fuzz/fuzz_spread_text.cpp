// The readable spread text `qmfile spread pack` reads. What it accepts must
// be a spread the table can lay, print back the same, and survive the
// packed file: saved and loaded again it is the same spread.

#include "FuzzSupport.h"

#include "core/spreads/Spread.h"
#include "core/spreads/SpreadText.h"
#include "core/table/SpreadLayout.h"
#include "core/util/RandomGenerator.h"

#include <QSize>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Spread spread;
    if (!SpreadText::parse(fuzzBytes(data, size), spread, nullptr))
        return 0;
    FUZZ_CHECK(SpreadText::formatFault(spread).isEmpty());
    const SpreadLayout layout(spread, QSize(800, 600));
    (void)layout.surfaceSize();

    const QByteArray text = SpreadText::format(spread);
    const QString path = fuzzScratchFolder() + QStringLiteral("/packed.spread");
    RandomGenerator random;
    FUZZ_CHECK(spread.save(path, random));
    Spread loaded;
    FUZZ_CHECK(loaded.load(path) == Spread::LoadResult::Loaded);
    FUZZ_CHECK(SpreadText::format(loaded) == text);
    return 0;
}
