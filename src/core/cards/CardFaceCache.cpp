#include "core/cards/CardFaceCache.h"

#include "core/cards/CardPicture.h"
#include "core/cards/FaceStore.h"

size_t qHash(const CardFaceCache::Key &key, size_t seed)
{
    return qHashMulti(seed, std::get<0>(key), std::get<1>(key), std::get<2>(key), std::get<3>(key),
                      std::get<4>(key), std::get<5>(key));
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

QImage CardFaceCache::face(const QString &deckName, int number, bool reversed, const QSize &size,
                           qreal devicePixelRatio)
{
    // A face at its own size keeps its pixels whatever the screen.
    const qreal ratio = size.isEmpty() ? 1 : devicePixelRatio;
    const QSize device = size * ratio;
    const Key key{deckName, number, reversed, device.width(), device.height(), ratio};
    if (const QImage *cached = m_faces.object(key))
        return *cached;
    const QImage picture = decoded(deckName, number, reversed, device, ratio);
    if (picture.isNull()) {
        reportFault(deckName, number);
        // Drawn anew each time, so a picture put in place later is found.
        QImage face = CardPicture::placeholder(m_titleOf ? m_titleOf(number) : QString(), device);
        if (reversed)
            face = CardPicture::turned(face);
        face.setDevicePixelRatio(ratio);
        return face;
    }
    m_faces.insert(key, new QImage(picture), qMax<qsizetype>(1, picture.sizeInBytes()));
    return picture;
}

void CardFaceCache::prepare(const QString &deckName, int number, const QSize &size,
                            qreal devicePixelRatio)
{
    const QSize device = size * devicePixelRatio;
    if (!m_store || device.isEmpty())
        return;
    const FaceStore::Source source =
        FaceStore::Source::of(CardPicture::path(m_roots, deckName, number));
    m_store->prepare(source, device, [roots = m_roots, deckName, number, device] {
        return CardPicture::load(roots, deckName, number, false, device);
    });
}

QImage CardFaceCache::decoded(const QString &deckName, int number, bool reversed,
                              const QSize &device, qreal ratio)
{
    // A face at its own size is the picture itself: only scaled ones are stored.
    FaceStore *store = device.isEmpty() ? nullptr : m_store;
    // Measured before decoding, so that a picture replaced meanwhile is not
    // stored as the new one's face.
    const FaceStore::Source source =
        store ? FaceStore::Source::of(CardPicture::path(m_roots, deckName, number))
              : FaceStore::Source{};
    QImage picture = store ? store->find(source, device, reversed) : QImage();
    if (picture.isNull()) {
        picture = CardPicture::load(m_roots, deckName, number, reversed, device);
        // Marked before it is kept, so that the face shown and the one
        // waiting to be written share their pixels.
        picture.setDevicePixelRatio(ratio);
        if (store)
            store->keep(source, picture, reversed);
    }
    picture.setDevicePixelRatio(ratio);
    return picture;
}
