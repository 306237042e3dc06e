// A spread file as the table loads it: the input is the file's plain text,
// scrambled and written to disk as a saved spread would be. What loads must
// be a spread the table can lay, and what `qmfile spread unpack` prints of it
// must pack back into the same spread.

#include "FuzzSupport.h"

#include "core/spreads/Spread.h"
#include "core/spreads/SpreadText.h"
#include "core/table/SpreadLayout.h"
#include "core/util/ScrambledText.h"
#include "core/util/WholeFile.h"

#include <QSize>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzzScratchFolder() + QStringLiteral("/fuzz.spread");
    if (!WholeFile::write(path, ScrambledText::scramble(fuzzBytes(data, size))))
        return 0;

    // A record that held another spread before, as the table's does.
    Spread spread;
    spread.positions = {{QPoint(), "S1", true}, {QPoint(), "S2", true}};
    if (spread.load(path) != Spread::LoadResult::Loaded)
        return 0;

    FUZZ_CHECK(spread.positionCount() >= 1 && spread.positionCount() <= Spread::Capacity);
    int significators = 0;
    for (int i = 0; i < spread.positionCount(); ++i)
        significators += spread.positions.at(i).significator ? 1 : 0;
    FUZZ_CHECK(spread.significatorCount() == significators);

    const SpreadLayout layout(spread, QSize(800, 600));
    for (int i = 0; i < spread.positionCount(); ++i)
        FUZZ_CHECK(!layout.positionRect(i).isEmpty());

    // What `qmfile spread unpack` prints, it must read back; what it cannot
    // print, it refuses.
    if (!SpreadText::formatFault(spread).isEmpty())
        return 0;
    const QByteArray text = SpreadText::format(spread);
    Spread packed;
    QString error;
    FUZZ_CHECK_ACCEPTED(SpreadText::parse(text, packed, &error), error, text);
    FUZZ_CHECK(SpreadText::format(packed) == text);
    return 0;
}
