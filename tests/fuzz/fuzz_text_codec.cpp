// Decoding file text for each language, and writing it back: text that came
// from a file is written back in that file's own encoding, byte for byte.

#include "FuzzSupport.h"

#include "core/util/TextCodec.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    for (const QString &language :
         {QStringLiteral("English"), QStringLiteral("Russian"), QStringLiteral("German")}) {
        const QString text = TextCodec::decode(bytes, language);
        const TextCodec::Encoding encoding = TextCodec::detect(bytes, language);
        bool ok = false;
        const QByteArray encoded = TextCodec::encode(text, encoding, &ok);
        if (ok && encoding != TextCodec::Encoding::Utf8)
            FUZZ_CHECK(encoded == bytes);
        (void)TextCodec::encodeLike(text, bytes, language);
    }
    return 0;
}
