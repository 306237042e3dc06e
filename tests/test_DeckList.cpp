// Checks which folders under Pics are offered as decks, in what order, and
// how many card pictures each is said to hold.
#include "core/cards/DeckList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace DeckList {
// Shown for a deck that differs from the one expected.
char *toString(const Deck &deck)
{
    return QTest::toString(QStringLiteral("%1 (%2 cards from %3%4)")
                               .arg(deck.name)
                               .arg(deck.cardCount)
                               .arg(deck.firstCard)
                               .arg(deck.extraCard ? QStringLiteral(", extra card") : QString()));
}
} // namespace DeckList

namespace {

using Deck = DeckList::Deck;

QStringList namesOf(const QList<Deck> &decks)
{
    QStringList names;
    for (const Deck &deck : decks)
        names << deck.name;
    return names;
}

} // namespace

class TestDeckList : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void decksAreSortedIgnoringCase();
    void onlyFoldersWithCardPicturesAreDecks();
    void cardsAreCountedFromTheirPictures_data();
    void cardsAreCountedFromTheirPictures();
    void noPicsFolderListsNothing();

private:
    // Makes Pics/`deck` holding the files `names`, each beginning like a JPEG
    // picture (the list reads no further), or holding `text` when it is given.
    [[nodiscard]] bool makeDeck(const QString &deck, const QStringList &names,
                                const QByteArray &text = {});
    QString picsDir() const { return m_dir->path() + QStringLiteral("/Pics"); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestDeckList::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

bool TestDeckList::makeDeck(const QString &deck, const QStringList &names, const QByteArray &text)
{
    const QByteArray jpegStart("\xff\xd8\xff\xe0\x00\x10JFIF", 10);
    const QString folder = picsDir() + QLatin1Char('/') + deck;
    return QDir().mkpath(folder) &&
           std::all_of(names.begin(), names.end(), [&](const QString &name) {
               QFile file(folder + QLatin1Char('/') + name);
               return file.open(QIODevice::WriteOnly) &&
                      file.write(text.isEmpty() ? jpegStart : text) > 0;
           });
}

void TestDeckList::decksAreSortedIgnoringCase()
{
    // Listed alphabetically without regard to case, whatever order the
    // folders were made in; names that differ only in case keep one order.
    for (const QString &deck :
         {QStringLiteral("Doded B"), QStringLiteral("tarot a"), QStringLiteral("Classic")})
        QVERIFY(makeDeck(deck, {QStringLiteral("0.jpg")}));
    QCOMPARE(namesOf(DeckList::scan(m_dir->path())),
             (QStringList{QStringLiteral("Classic"), QStringLiteral("Doded B"),
                          QStringLiteral("tarot a")}));

    QVERIFY(makeDeck(QStringLiteral("classic"), {QStringLiteral("1.jpg")}));
    QVERIFY(makeDeck(QStringLiteral("Zodiac"), {QStringLiteral("1.jpg")}));
    QVERIFY(makeDeck(QStringLiteral("alpha"), {QStringLiteral("1.jpg")}));
    QCOMPARE(namesOf(DeckList::scan(m_dir->path())),
             (QStringList{QStringLiteral("alpha"), QStringLiteral("Classic"),
                          QStringLiteral("classic"), QStringLiteral("Doded B"),
                          QStringLiteral("tarot a"), QStringLiteral("Zodiac")}));
}

void TestDeckList::onlyFoldersWithCardPicturesAreDecks()
{
    // A plain file, a hidden folder and folders without a single card picture
    // (a text file named 0.jpg is none) would show no pictures, so they are
    // not offered; nor is a name the settings would refuse as a deck name.
    QVERIFY(makeDeck(QStringLiteral("Real"), {QStringLiteral("40.jpg")}));
    QVERIFY(makeDeck(QStringLiteral(".hidden"), {QStringLiteral("0.jpg")}));
    QVERIFY(makeDeck(QStringLiteral("back\\slash"), {QStringLiteral("0.jpg")}));
    QVERIFY(makeDeck(QStringLiteral("Empty"), {}));
    QVERIFY(makeDeck(QStringLiteral("Texts only"),
                     {QStringLiteral("0.txt"), QStringLiteral("0r.txt")}));
    QVERIFY(
        makeDeck(QStringLiteral("Odd names"),
                 {QStringLiteral("79.jpg"), QStringLiteral("007.jpg"), QStringLiteral("back.jpg"),
                  QStringLiteral("-1.jpg"), QStringLiteral("5.png")}));
    QVERIFY(makeDeck(QStringLiteral("Text"), {QStringLiteral("0.jpg")}, "Not a picture\r\n"));
    QVERIFY(QFile(picsDir() + QStringLiteral("/Loose.jpg")).open(QIODevice::WriteOnly));
    QVERIFY(QFile(picsDir() + QStringLiteral("/readme")).open(QIODevice::WriteOnly));

    const QList<Deck> decks = DeckList::scan(m_dir->path());
    QCOMPARE(decks, (QList<Deck>{{QStringLiteral("Real"), 1, 40, false}}));
}

void TestDeckList::cardsAreCountedFromTheirPictures_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("cardCount");
    QTest::addColumn<int>("firstCard");
    QTest::addColumn<bool>("extraCard");

    QStringList full;
    for (int number = 0; number < 78; ++number)
        full << QStringLiteral("%1.jpg").arg(number);
    QTest::newRow("78 cards") << full << 78 << 0 << false;
    QTest::newRow("79 cards") << (full + QStringList{QStringLiteral("78.jpg")}) << 79 << 0 << true;
    QStringList gaps = full.mid(3, 20);
    gaps << QStringLiteral("78.jpg") << QStringLiteral("78r.txt") << QStringLiteral("thumbs.db");
    QTest::newRow("some pictures missing") << gaps << 21 << 3 << true;
}

void TestDeckList::cardsAreCountedFromTheirPictures()
{
    QFETCH(QStringList, files);
    QFETCH(int, cardCount);
    QFETCH(int, firstCard);
    QFETCH(bool, extraCard);
    QVERIFY(makeDeck(QStringLiteral("Deck"), files));
    QCOMPARE(DeckList::scan(m_dir->path()),
             (QList<Deck>{{QStringLiteral("Deck"), cardCount, firstCard, extraCard}}));
}

void TestDeckList::noPicsFolderListsNothing()
{
    QVERIFY(DeckList::scan(m_dir->path()).isEmpty());
    QVERIFY(QDir().mkpath(picsDir()));
    QVERIFY(DeckList::scan(m_dir->path()).isEmpty());
}

QTEST_GUILESS_MAIN(TestDeckList)
#include "test_DeckList.moc"
