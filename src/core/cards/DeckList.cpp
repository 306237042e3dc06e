#include "core/cards/DeckList.h"

#include "core/cards/CardPicture.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

// The highest card number a deck can hold: the extra card of a 79-card deck.
constexpr int LastCard = 78;

} // namespace

QList<DeckList::Deck> DeckList::scan(const DataRoots &roots)
{
    QList<Deck> decks;
    const QStringList folders =
        roots.entries(QStringLiteral("Pics"), {}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &folder : folders) {
        // A name the settings would refuse could be listed but never chosen.
        if (folder.startsWith(QLatin1Char('.')) || !DataRoots::isPlainName(folder))
            continue;
        Deck deck{folder, 0, -1};
        for (int number = LastCard; number >= 0; --number) {
            if (QFileInfo(CardPicture::path(roots, folder, number)).isFile()) {
                ++deck.cardCount;
                deck.firstCard = number;
            }
        }
        if (deck.cardCount > 0)
            decks.append(deck);
    }
    // Names that differ only in case would otherwise come in the file
    // system's order.
    std::sort(decks.begin(), decks.end(), [](const Deck &a, const Deck &b) {
        const int ignoringCase = a.name.compare(b.name, Qt::CaseInsensitive);
        return ignoringCase != 0 ? ignoringCase < 0 : a.name < b.name;
    });
    return decks;
}
