#include "core/cards/MeaningDocument.h"

#include "core/util/TextCodec.h"

MeaningDocument::MeaningDocument(MeaningText::Source source)
    : m_source(std::move(source))
    , m_bytes(MeaningText::lookup(m_source))
{}

QString MeaningDocument::text() const
{
    QString text = TextCodec::decode(m_bytes, m_source.language);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

bool MeaningDocument::save(const QString &text, bool withDeck, bool asDefault,
                           QString *errorString) const
{
    QString withFileBreaks = text;
    withFileBreaks.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return MeaningText::save(m_source,
                             TextCodec::encodeLike(withFileBreaks, m_bytes, m_source.language),
                             withDeck, asDefault, errorString);
}
