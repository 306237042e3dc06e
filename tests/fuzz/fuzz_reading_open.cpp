// A reading file as Readings > Open reads it, in either format, against the
// bundled spreads. A reading the plan calls ready must have a slot for every
// position, and what `qmfile reading unpack` prints of it must pack back into
// the same reading.

#include "FuzzSupport.h"

#include "core/engine/Deck.h"
#include "core/readings/ReadingOpenPlan.h"
#include "core/readings/ReadingText.h"
#include "core/spreads/Spread.h"
#include "core/spreads/SpreadText.h"
#include "core/util/RandomGenerator.h"
#include "core/util/WholeFile.h"

#include <QDir>

namespace {

ReadingOpenPlan::Context &context()
{
    static ReadingOpenPlan::Context context;
    return context;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The program folder's spreads, packed from the bundled texts.
    const QString appDir = fuzzScratchFolder();
    QDir(appDir).mkpath(QStringLiteral("Spreads"));
    const QDir sources(QStringLiteral(QUILLMOOR_SOURCE_SPREADS_DIR));
    for (const QString &file : sources.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        QByteArray text;
        Spread spread;
        if (!WholeFile::read(sources.filePath(file), text) ||
            !SpreadText::parse(text, spread, nullptr))
            continue;
        const QString name = file.chopped(4);
        RandomGenerator random;
        spread.save(Spread::filePath(appDir, name), random);
        context().spreadNames.append(name);
    }
    context().roots = appDir;
    context().deck79 = true;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const ReadingOpenPlan plan = ReadingOpenPlan::fromBytes(bytes, context());
    if (plan.result != ReadingOpenPlan::Outcome::Ready)
        return 0;

    FUZZ_CHECK(plan.positionSlots.size() == plan.positionCount);
    for (const int slot : plan.positionSlots)
        FUZZ_CHECK(slot >= 0 && slot < Deck::SlotCount);
    Deck::Slots cards{};
    plan.applyDeck(cards);
    for (int position = 0; position < plan.positionCount; ++position) {
        const int slot = plan.prepareSlot(cards, position);
        FUZZ_CHECK(slot >= 0 && slot < Deck::SlotCount);
    }

    // What `qmfile reading unpack` prints, it must read back; what it
    // cannot print, it refuses.
    if (!ReadingText::formatFault(plan.reading).isEmpty())
        return 0;
    const QByteArray text = ReadingText::format(plan.reading);
    ReadingFile packed;
    QString error;
    FUZZ_CHECK_ACCEPTED(ReadingText::parse(text, packed, &error), error, text);
    FUZZ_CHECK(ReadingText::format(packed) == text);
    return 0;
}
