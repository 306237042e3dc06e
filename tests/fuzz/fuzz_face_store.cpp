// The face store: whatever bytes lie in a stored face's file, reading it
// gives no face or one of exactly the size asked for, and the face read one
// way up is the face read the other way turned by 180 degrees.

#include "FuzzSupport.h"

#include "core/cards/FaceStore.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The seed's picture: 4 by 6 pixels, made from a picture file of 1000
    // bytes last written at 1 700 000 000 000 ms.
    constexpr QSize Shown{4, 6};
    const FaceStore::Source source{QStringLiteral("/decks/Seed/1.jpg"), 1000, 1700000000000};
    const FaceStore store(fuzzScratchFolder());
    QFile entry(store.entryPath(source.path, Shown));
    if (!entry.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    entry.write(fuzzBytes(data, size));
    entry.close();

    const QImage upright = store.find(source, Shown, false);
    const QImage turned = store.find(source, Shown, true);
    FUZZ_CHECK(upright.isNull() == turned.isNull());
    if (!upright.isNull()) {
        FUZZ_CHECK(upright.size() == Shown);
        FUZZ_CHECK(turned == upright.mirrored(true, true));
    }
    return 0;
}
