// A language's Cards.lng under every numbering: the list fills card titles
// in order and never writes past the deck.

#include "FuzzSupport.h"

#include "core/lang/CardTitles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text = fuzzBytes(data, size);
    for (const bool strengthEleven : {false, true}) {
        for (const bool ardenvaleStyle : {false, true}) {
            CardTitles::Table titles;
            titles.fill(QByteArrayLiteral("unset"));
            CardTitles::applyCardList(text, {strengthEleven, ardenvaleStyle}, titles);
            // Each title is a piece of the file, or untouched.
            for (const QByteArray &title : titles)
                FUZZ_CHECK(title == "unset" || text.contains(title));
        }
    }
    return 0;
}
