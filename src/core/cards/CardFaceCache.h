#pragma once

#include "core/data/DataRoots.h"

#include <QCache>
#include <QImage>
#include <QSet>
#include <QSize>
#include <QString>

#include <functional>
#include <tuple>

class FaceStore;

// Card faces decoded once and kept, keyed by deck, card number, orientation
// and the size they are shown at, so that the table, the detail window and
// the Select card dialog never decode the same picture twice.
class CardFaceCache
{
public:
    explicit CardFaceCache(const DataRoots &roots);

    // The face of card `number` of deck `deckName`, turned by 180 degrees when
    // `reversed`, scaled to `size` (its own size when `size` is empty). When
    // the picture is missing or damaged the face is a drawn card with the
    // card's title; that is not remembered, so a picture put in place later
    // is found. On a screen of `devicePixelRatio` a face of a given size is
    // decoded at that many device pixels and marked with the ratio, so it is
    // shown at `size` without being enlarged.
    QImage face(const QString &deckName, int number, bool reversed, const QSize &size = {},
                qreal devicePixelRatio = 1);

    // Has the face that face() would give decoded and stored in the
    // background, so that it is read back when it is shown: for a card dealt
    // face down. Does nothing without a store.
    void prepare(const QString &deckName, int number, const QSize &size,
                 qreal devicePixelRatio = 1);

    // The size the picture has of its own (the placeholder's for a picture
    // that cannot be read), without decoding it.
    QSize naturalSize(const QString &deckName, int number);

    // Faces scaled to a size are then looked for in `store` before they are
    // decoded, and kept there once decoded. The store outlives this cache.
    void setStore(FaceStore *store) { m_store = store; }

    void clear() { m_faces.clear(); }
    // Gives the title drawn on the face of a missing picture, by card
    // number; asked only when such a face is drawn.
    using TitleLookup = std::function<QString(int number)>;
    void setTitles(TitleLookup titleOf) { m_titleOf = std::move(titleOf); }

    // Told, once per file, of a picture that is there but is refused (a pipe,
    // a device, a file far too large), with a text naming it; the card
    // shows the drawn face meanwhile.
    using FaultReport = std::function<void(const QString &fault)>;
    void setFaultReport(FaultReport report) { m_reportFault = std::move(report); }

private:
    // The picture at `device` pixels (its own size when empty), turned when
    // `reversed` and marked with `ratio`, from the store when it holds it;
    // null when it cannot be read.
    QImage decoded(const QString &deckName, int number, bool reversed, const QSize &device,
                   qreal ratio);
    void reportFault(const QString &deckName, int number);

    // Deck, card, turned, device width and height, and the ratio the face is
    // marked with.
    using Key = std::tuple<QString, int, bool, int, int, qreal>;
    friend size_t qHash(const Key &key, size_t seed);

    DataRoots m_roots;
    TitleLookup m_titleOf;
    FaultReport m_reportFault;
    QSet<QString> m_reported;
    FaceStore *m_store = nullptr;
    // Bounded by the faces' bytes: a long session shows many sizes.
    QCache<Key, QImage> m_faces{64 * 1024 * 1024};
};
