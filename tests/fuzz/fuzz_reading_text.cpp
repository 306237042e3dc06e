// The readable reading text `qmfile reading pack` reads. What it accepts
// prints back the same, and the packed file reads back as the same reading.

#include "FuzzSupport.h"

#include "core/readings/ReadingFile.h"
#include "core/readings/ReadingText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ReadingFile reading;
    if (!ReadingText::parse(fuzzBytes(data, size), reading, nullptr))
        return 0;
    FUZZ_CHECK(ReadingText::formatFault(reading).isEmpty());
    const QByteArray text = ReadingText::format(reading);
    ReadingFile again;
    QString error;
    FUZZ_CHECK_ACCEPTED(ReadingText::parse(text, again, &error), error, text);
    FUZZ_CHECK(ReadingText::format(again) == text);
    return 0;
}
