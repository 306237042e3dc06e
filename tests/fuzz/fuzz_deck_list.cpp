// The deck list: whatever folders and files lie under Pics, every deck it
// offers can be chosen (a plain name), holds the pictures it is said to hold,
// and the list comes sorted without regard to case, each name once.

#include "FuzzFolder.h"
#include "FuzzSupport.h"

#include "core/cards/CardPicture.h"
#include "core/cards/DeckList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzTree tree(QFile::encodeName(fuzzScratchFolder()));
    const QByteArray pics = tree.root() + "/Pics";
    if (tree.root().isEmpty() || ::mkdir(pics.constData(), 0700) != 0)
        return 0;
    makeFuzzTree(pics, fuzzBytes(data, size));

    const DataRoots roots(QFile::decodeName(tree.root()));
    const QList<DeckList::Deck> decks = DeckList::scan(roots);
    for (int i = 0; i < decks.size(); ++i) {
        const DeckList::Deck &deck = decks.at(i);
        FUZZ_CHECK(DataRoots::isPlainName(deck.name) && !deck.name.startsWith(QLatin1Char('.')));
        FUZZ_CHECK(deck.cardCount >= 1 && deck.cardCount <= 79);
        FUZZ_CHECK(deck.firstCard >= 0 && deck.firstCard <= 78);
        FUZZ_CHECK(QFileInfo(CardPicture::path(roots, deck.name, deck.firstCard)).isFile());
        if (i > 0) {
            const QString &before = decks.at(i - 1).name;
            const int order = before.compare(deck.name, Qt::CaseInsensitive);
            FUZZ_CHECK(order < 0 || (order == 0 && before < deck.name));
        }
    }
    return 0;
}
