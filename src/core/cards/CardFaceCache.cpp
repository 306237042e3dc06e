#include "core/cards/CardFaceCache.h"

#include "core/cards/CardPicture.h"

size_t qHash(const CardFaceCache::Key &key, size_t seed)
{
    return qHashMulti(seed, std::get<0>(key), std::get<1>(key), std::get<2>(key), std::get<3>(key),
                      std::get<4>(key));
}

CardFaceCache::CardFaceCache(const DataRoots &roots)
    : m_roots(roots)
{}

QSize CardFaceCache::naturalSize(const QString &deckName, int number)
{
    const QSize size = CardPicture::pictureSize(m_roots, deckName, number);
    if (size.isValid())
        return size;
    reportFault(deckName, number);
    return CardPicture::PlaceholderSize;
}

void CardFaceCache::reportFault(const QString &deckName, int number)
{
    if (!m_reportFault)
        return;
    const QString fault = CardPicture::fault(m_roots, deckName, number);
    if (fault.isEmpty() || m_reported.contains(fault))
        return;
    m_reported.insert(fault);
    m_reportFault(fault);
}

QImage CardFaceCache::face(const QString &deckName, int number, bool reversed, const QSize &size)
{
    const Key key{deckName, number, reversed, size.width(), size.height()};
    if (const QImage *cached = m_faces.object(key))
        return *cached;
    const QImage picture = CardPicture::load(m_roots, deckName, number, reversed, size);
    if (picture.isNull()) {
        reportFault(deckName, number);
        // Drawn anew each time, so a picture put in place later is found.
        const QImage face =
            CardPicture::placeholder(m_titleOf ? m_titleOf(number) : QString(), size);
        return reversed ? CardPicture::turned(face) : face;
    }
    m_faces.insert(key, new QImage(picture), qMax<qsizetype>(1, picture.sizeInBytes()));
    return picture;
}
