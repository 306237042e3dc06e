// Splitting file text into lines: the lines and what is left after the last
// line end put back together give the text again.

#include "FuzzSupport.h"

#include "core/util/TextLines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    TextLines::Cursor cursor(bytes);
    qsizetype taken = 0;
    int lines = 0;
    while (cursor.hasLineEnd()) {
        const std::optional<QByteArray> line = cursor.next();
        FUZZ_CHECK(line.has_value());
        taken += line->size();
        ++lines;
        FUZZ_CHECK(cursor.lineNumber() == lines);
    }
    FUZZ_CHECK(!cursor.next().has_value());
    FUZZ_CHECK(bytes.endsWith(cursor.rest()));
    FUZZ_CHECK(taken + cursor.rest().size() <= bytes.size());
    FUZZ_CHECK(TextLines::split(bytes).size() >= lines);
    return 0;
}
