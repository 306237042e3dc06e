#include "core/cards/DeckList.h"

#include "core/cards/CardPicture.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

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
        for (int number = 0; number <= LastCard; ++number) {
            const QString path = CardPicture::path(roots, folder, number);
            if (!QFileInfo(path).isFile())
                continue;
            ++deck.cardCount;
            // Only the header is looked at: a text file named 0.jpg is no picture.
            if (deck.firstCard < 0 && QImageReader(path).canRead())
                deck.firstCard = number;
        }
        deck.extraCard = QFileInfo(CardPicture::path(roots, folder, LastCard)).isFile();
        if (deck.firstCard >= 0)
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
