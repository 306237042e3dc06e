#include "core/util/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Editors that save UTF-8 often begin the file with this mark.
constexpr char ByteOrderMark[] = "\xef\xbb\xbf";

const char *codecName(TextCodec::Encoding encoding)
{
    switch (encoding) {
    case TextCodec::Encoding::Utf8:
        return "UTF-8";
    case TextCodec::Encoding::Windows1251:
        return "windows-1251";
    case TextCodec::Encoding::Windows1252:
        return "windows-1252";
    }
    return "UTF-8";
}

bool isUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

TextCodec::Encoding TextCodec::codePageFor(const QString &language)
{
    static const QString Cyrillic[] = {QStringLiteral("Russian"), QStringLiteral("Ukrainian"),
                                       QStringLiteral("Belarusian"), QStringLiteral("Bulgarian")};
    for (const QString &name : Cyrillic) {
        if (language.compare(name, Qt::CaseInsensitive) == 0)
            return Encoding::Windows1251;
    }
    return Encoding::Windows1252;
}

TextCodec::Encoding TextCodec::detect(const QByteArray &bytes, const QString &language)
{
    return isUtf8(bytes) ? Encoding::Utf8 : codePageFor(language);
}

QString TextCodec::decode(const QByteArray &bytes, const QString &language)
{
    const Encoding encoding = detect(bytes, language);
    if (encoding == Encoding::Utf8) {
        const bool marked = bytes.startsWith(ByteOrderMark);
        return QString::fromUtf8(marked ? bytes.mid(3) : bytes);
    }
    QStringDecoder decoder(codecName(encoding));
    // Without the code page in this Qt build the bytes are at least shown
    // one character each.
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QByteArray TextCodec::encode(const QString &text, Encoding encoding, bool *ok)
{
    QByteArray bytes;
    bool fits = true;
    if (encoding == Encoding::Utf8) {
        bytes = text.toUtf8();
    } else {
        QStringEncoder encoder(codecName(encoding));
        if (encoder.isValid()) {
            bytes = encoder.encode(text);
            // A character the code page lacks comes out as a substitute, so
            // compare the way back rather than trust the encoder's flag.
            QStringDecoder decoder(codecName(encoding));
            fits = !encoder.hasError() && decoder.decode(bytes) == text;
        } else {
            fits = false;
        }
        if (!fits)
            bytes.clear();
    }
    if (ok)
        *ok = fits;
    return bytes;
}

QByteArray TextCodec::encodeLike(const QString &text, const QByteArray &original,
                                 const QString &language)
{
    if (decode(original, language) == text)
        return original;
    if (original.startsWith(ByteOrderMark))
        return QByteArray(ByteOrderMark) + text.toUtf8();
    bool fits = false;
    const QByteArray bytes = encode(text, detect(original, language), &fits);
    return fits ? bytes : text.toUtf8();
}
