// Checks the reading's phases without a window: which step may follow which,
// what each step does to the deck, the spread and the prompt, and the rules
// for cards chosen by hand, the automatic draw and cards beyond the spread.
#include "SpreadBuilder.h"
#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/lang/UiText.h"
#include "core/readings/ReadingFile.h"
#include "core/table/ReadingSession.h"
#include "core/util/ScrambledText.h"
#include "core/util/WholeFile.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <set>

using Phase = ReadingSession::Phase;

class TestReadingSession : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void drawnReadingRunsThroughItsPhases();
    void withoutCutTheStopFansTheDeck();
    void stepsOutOfTurnChangeNothing();
    void significatorsAreChosenBeforeTheShuffle();
    void courtSignificatorWithMajorArcanaOnly();
    void abandonedSignificatorEndsTheReading();
    void typedInReadingIsChosenPositionByPosition();
    void automaticDrawFillsTheSpread();
    void extraCardsOnlyAfterAnOrdinaryCardIsTurned();
    void refusedSpreadLeavesTheTableAsItWas();
    void promptNamesTheNextStepInEveryPhase();
    void promptFollowsALanguageChange();

private:
    [[nodiscard]] bool writeSpread(const QString &name, int positions, int significators);
    void startSession();
    // Shuffles a few frames and cuts in the middle of the deck.
    void shuffleAndCut();
    // Draws the top fan card under the first card still in the fan.
    bool drawFromFan();
    // The prompt as the loaded language says it.
    QByteArray promptText() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<ProgramData> m_data;
    std::unique_ptr<ReadingSession> m_session;
};

void TestReadingSession::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QByteArray list;
    for (int line = 0; line < 160; ++line)
        list += "T" + QByteArray::number(line) + "\r\n";
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("Langs/English")));
    QFile file(m_dir->filePath(QStringLiteral("Langs/English/List.lng")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(list);
    file.close();
    QVERIFY(writeSpread(QStringLiteral("Three"), 3, 0));
    QVERIFY(writeSpread(QStringLiteral("Querent"), 3, 1));
    m_preferences = std::make_unique<Preferences>();
}

bool TestReadingSession::writeSpread(const QString &name, int positions, int significators)
{
    Spread spread = spreadWith(positions, significators);
    for (int i = 0; i < positions; ++i)
        spread.positions[i].place = QPoint(100 * i, 10);
    RandomGenerator random;
    return QDir(m_dir->path()).mkpath(QStringLiteral("Spreads")) &&
           spread.save(Spread::filePath(m_dir->path(), name), random);
}

void TestReadingSession::startSession()
{
    m_data = std::make_unique<ProgramData>(m_dir->path());
    m_data->scan(*m_preferences);
    m_data->loadLanguage(*m_preferences);
    m_session = std::make_unique<ReadingSession>(*m_data, *m_preferences);
    m_session->setTableWidth(1280);
    m_session->random().setSeedSource([] { return 7u; });
}

void TestReadingSession::shuffleAndCut()
{
    m_session->startShuffle();
    QCOMPARE(m_session->phase(), Phase::Shuffling);
    for (int frame = 0; frame < 3; ++frame)
        QVERIFY(m_session->shuffleFrame());
    m_session->stopShuffle();
    QCOMPARE(m_session->phase(), Phase::ReadyToCut);
    m_session->cutAt(640);
}

bool TestReadingSession::drawFromFan()
{
    for (int slot = 0; slot < m_session->deckSize(); ++slot) {
        const Card &card = m_session->cards()[slot];
        if (card.isPainted())
            return m_session->drawAt(QPoint(card.x + 1, card.y + 1));
    }
    return false;
}

QByteArray TestReadingSession::promptText() const
{
    return m_session->prompt().text(m_data->uiTexts(), m_session->spread());
}

void TestReadingSession::drawnReadingRunsThroughItsPhases()
{
    startSession();
    QSignalSpy phases(m_session.get(), &ReadingSession::phaseChanged);
    QSignalSpy placed(m_session.get(), &ReadingSession::positionChanged);
    QVERIFY(m_session->startReading(QStringLiteral("Three")));
    QCOMPARE(m_session->phase(), Phase::ReadyToShuffle);
    QVERIFY(m_session->isBeforeDrawing());
    QCOMPARE(m_session->spread().positionCount(), 3);
    QCOMPARE(m_session->deckSize(), 78);

    shuffleAndCut();
    QCOMPARE(m_session->phase(), Phase::Drawing);
    QVERIFY(m_session->isFanned());
    QCOMPARE(promptText(), QByteArray("T66\r\nE0"));
    // Every card of the deck is in play exactly once after shuffle and cut.
    std::set<quint32> numbers;
    for (int slot = 0; slot < 78; ++slot)
        numbers.insert(m_session->cards()[slot].number);
    QCOMPARE(int(numbers.size()), 78);

    QVERIFY(drawFromFan());
    QCOMPARE(promptText(), QByteArray("T67\r\nE1"));
    QVERIFY(drawFromFan());
    QCOMPARE(promptText(), QByteArray("T68\r\nE2"));
    QVERIFY(!m_session->isComplete());
    QVERIFY(drawFromFan());
    QCOMPARE(m_session->phase(), Phase::Complete);
    QCOMPARE(promptText(), QByteArray("T65"));
    QVERIFY(m_session->isComplete());
    QCOMPARE(placed.count(), 3);
    QCOMPARE(phases.count(), 5); // shuffle-ready, shuffling, cut-ready, drawing, complete

    // A drawn card lies face down until clicked, then opens its detail.
    const int card = m_session->placements().at(1).card;
    QVERIFY(card >= 0);
    QCOMPARE(m_session->activatePosition(1), ReadingSession::PositionAction::Revealed);
    QVERIFY(m_session->placements().isRevealed(1));
    QCOMPARE(m_session->activatePosition(1), ReadingSession::PositionAction::ShowDetail);
    QCOMPARE(m_session->placements().at(1).card, card);

    const ReadingFile saved = m_session->toReadingFile("notes");
    QCOMPARE(saved.cards.size(), 78);
    QCOMPARE(saved.positions.size(), 3);
    QCOMPARE(saved.positions.at(1), quint32(card));
    QCOMPARE(saved.spreadName, QByteArray("Three"));

    // A new reading over a finished one goes straight to its first step.
    phases.clear();
    QVERIFY(m_session->startReading(QStringLiteral("Three")));
    QCOMPARE(phases.count(), 1);
    QCOMPARE(phases.at(0).at(0).value<Phase>(), Phase::ReadyToShuffle);
    QVERIFY(!m_session->placements().isFilled(1));
}

void TestReadingSession::withoutCutTheStopFansTheDeck()
{
    m_preferences->setCutDeck(false);
    startSession();
    m_session->startReading(QStringLiteral("Three"));
    m_session->startShuffle();
    m_session->stopShuffle();
    QCOMPARE(m_session->phase(), Phase::Drawing);
}

void TestReadingSession::stepsOutOfTurnChangeNothing()
{
    startSession();
    // Before any reading nothing can be shuffled, cut or drawn.
    m_session->startShuffle();
    m_session->stopShuffle();
    m_session->cutAt(640);
    QCOMPARE(m_session->phase(), Phase::NoSpread);
    QVERIFY(!m_session->shuffleFrame());
    QVERIFY(!drawFromFan());

    m_session->startReading(QStringLiteral("Three"));
    m_session->cutAt(640);
    QCOMPARE(m_session->phase(), Phase::ReadyToShuffle);
    QCOMPARE(m_session->activatePosition(0), ReadingSession::PositionAction::Nothing);
    QCOMPARE(m_session->activatePosition(-1), ReadingSession::PositionAction::Nothing);
    QCOMPARE(m_session->activatePosition(3), ReadingSession::PositionAction::Nothing);
    // An ordinary position is not chosen by hand in a drawn reading.
    QVERIFY(!m_session->placeChosenCard(0, 5, false));

    // A missing spread file is refused; the spread laid before stays.
    QVERIFY(!m_session->startReading(QStringLiteral("Gone")));
    QCOMPARE(m_session->spread().positionCount(), 3);
}

void TestReadingSession::significatorsAreChosenBeforeTheShuffle()
{
    m_preferences->setDrawAuto(true);
    startSession();
    m_session->startReading(QStringLiteral("Querent"));
    QCOMPARE(m_session->phase(), Phase::ChoosingSignificators);
    QCOMPARE(m_session->nextSignificator(), 0);
    QCOMPARE(m_session->activatePosition(0), ReadingSession::PositionAction::ChooseCard);
    const QList<int> offered = m_session->cardChoicesFor(0);
    QVERIFY(offered.contains(46) && offered.contains(21) && !offered.contains(30));

    // The session reports the querent's card; it leaves the preferences to its owner.
    QSignalSpy querent(m_session.get(), &ReadingSession::querentChosen);
    QVERIFY(m_session->placeChosenCard(0, 46, true));
    QCOMPARE(m_session->nextSignificator(), -1);
    QCOMPARE(m_session->phase(), Phase::ReadyToShuffle);
    QVERIFY(m_session->isAutomaticDrawPending());
    QCOMPARE(querent, QList<QVariantList>{{46}});
    QCOMPARE(m_preferences->querentCard(), -1);
    // The significator lies face up at once.
    QVERIFY(m_session->placements().isFilled(0) && m_session->placements().isRevealed(0));
    QCOMPARE(promptText(), QByteArray("T") + QByteArray::number(UiText::PromptShuffle));

    // After the cut the significator's card has left the fan.
    shuffleAndCut();
    QCOMPARE(promptText(), QByteArray("T66\r\nE1"));
    for (int slot = 0; slot < m_session->deckSize(); ++slot) {
        const Card &card = m_session->cards()[slot];
        if (card.number == 46)
            QVERIFY(!card.isPainted());
    }
}

void TestReadingSession::courtSignificatorWithMajorArcanaOnly()
{
    m_preferences->setMajorOnly(true);
    startSession();
    m_session->startReading(QStringLiteral("Querent"));
    QCOMPARE(m_session->deckSize(), 22);
    // A court card is offered even though only the Major Arcana are in play;
    // the last card in play gives way to it.
    QVERIFY(m_session->cardChoicesFor(0).contains(74));
    QVERIFY(m_session->placeChosenCard(0, 74, false));
    QCOMPARE(m_session->cards()[21].number, quint32(74));
    QCOMPARE(m_session->placements().at(0).card, 74);
}

void TestReadingSession::abandonedSignificatorEndsTheReading()
{
    startSession();
    m_session->startReading(QStringLiteral("Querent"));
    m_session->abandonSignificators();
    QCOMPARE(m_session->phase(), Phase::NoSpread);
    m_session->startShuffle();
    QCOMPARE(m_session->phase(), Phase::NoSpread);
}

void TestReadingSession::typedInReadingIsChosenPositionByPosition()
{
    startSession();
    QVERIFY(m_session->startTypingIn(QStringLiteral("Three")));
    QCOMPARE(m_session->phase(), Phase::TypingIn);
    QCOMPARE(promptText(), QByteArray("T75"));
    QVERIFY(!m_session->canDrawFromFan());
    QVERIFY(!drawFromFan());
    QCOMPARE(m_session->cardChoicesFor(2).size(), 78);

    // Positions are filled in any order; a card already laid is refused.
    QCOMPARE(m_session->activatePosition(2), ReadingSession::PositionAction::ChooseCard);
    QVERIFY(m_session->placeChosenCard(2, 12, true));
    QVERIFY(m_session->isInSpread(12));
    QVERIFY(!m_session->placeChosenCard(0, 12, false));
    QVERIFY(m_session->placements().at(2).reversed);
    QVERIFY(m_session->placements().isRevealed(2));
    // The last position filled first does not make the reading complete.
    QCOMPARE(m_session->phase(), Phase::TypingIn);
    QVERIFY(!m_session->isComplete());
    QVERIFY(m_session->placeChosenCard(0, 0, false));
    QVERIFY(!m_session->isComplete());
    QVERIFY(m_session->placeChosenCard(1, 77, false));
    QCOMPARE(m_session->phase(), Phase::Complete);
    // Every card chosen by hand lies face up: the next step is reading them.
    QCOMPARE(promptText(), QByteArray("T") + QByteArray::number(UiText::PromptAllFaceUp));
    QVERIFY(m_session->isComplete());
    const ReadingFile saved = m_session->toReadingFile({});
    QCOMPARE(saved.positions, (QList<quint32>{0, 77, 12}));
}

void TestReadingSession::automaticDrawFillsTheSpread()
{
    m_preferences->setDrawAuto(true);
    startSession();
    m_session->startReading(QStringLiteral("Three"));
    QVERIFY(m_session->isAutomaticDrawPending());
    shuffleAndCut();
    // The user's clicks wait until the program has drawn.
    QVERIFY(!m_session->canDrawFromFan());
    int steps = 0;
    while (m_session->drawAutomatically())
        ++steps;
    QCOMPARE(steps, 2);
    QCOMPARE(m_session->phase(), Phase::Complete);
    // Each card is turned face up as it lands, so the reading can be read at once.
    for (int position = 0; position < 3; ++position) {
        QVERIFY(m_session->placements().isRevealed(position));
        QCOMPARE(m_session->activatePosition(position), ReadingSession::PositionAction::ShowDetail);
    }
    QCOMPARE(promptText(), QByteArray("T") + QByteArray::number(UiText::PromptAllFaceUp));
    const QList<int> cards = m_session->placements().cards();
    const std::set<int> laid(cards.cbegin(), cards.cend());
    QCOMPARE(int(laid.size()), 3);
    QVERIFY(!laid.count(-1));
}

void TestReadingSession::extraCardsOnlyAfterAnOrdinaryCardIsTurned()
{
    startSession();
    QSignalSpy extra(m_session.get(), &ReadingSession::extraCardDrawn);
    m_session->startReading(QStringLiteral("Three"));
    shuffleAndCut();
    for (int i = 0; i < 3; ++i)
        QVERIFY(drawFromFan());
    QVERIFY(!m_session->canDrawFromFan());
    QVERIFY(!drawFromFan());
    m_session->activatePosition(0);
    QVERIFY(drawFromFan());
    QCOMPARE(extra.count(), 1);
    QVERIFY(m_session->extraCard().has_value());
    const int number = m_session->extraCard()->number;
    for (int i = 0; i < 3; ++i)
        QVERIFY(m_session->placements().at(i).card != number);
    // A new reading forgets the extra card.
    m_session->startReading(QStringLiteral("Three"));
    QVERIFY(!m_session->extraCard().has_value());
}

void TestReadingSession::refusedSpreadLeavesTheTableAsItWas()
{
    const auto writeRaw = [this](const QString &name, const QByteArray &plain) {
        return WholeFile::write(Spread::filePath(m_dir->path(), name),
                                ScrambledText::scramble(plain));
    };
    QVERIFY(writeRaw(QStringLiteral("Empty"), "pppppp0\r\n"));
    QVERIFY(writeRaw(QStringLiteral("Short"), "pppppp3\r\npppppp1,1,X0\r\n"));
    QVERIFY(writeRaw(QStringLiteral("Long"), "pppppp1\r\npppppp1,1,X0\r\npppppp2,2,X1\r\n"));
    QVERIFY(writeRaw(QStringLiteral("Late"), "pppppp2\r\npppppp1,1,X0\r\nppppppS2,2,X1\r\n"));
    startSession();
    QVERIFY(m_session->startReading(QStringLiteral("Three")));
    shuffleAndCut();
    QVERIFY(drawFromFan());
    const int firstCard = m_session->placements().at(0).card;
    const QByteArray prompt = promptText();
    QSignalSpy laid(m_session.get(), &ReadingSession::spreadLaid);
    QSignalSpy phases(m_session.get(), &ReadingSession::phaseChanged);

    const QList<std::pair<QString, QString>> refused = {
        {QStringLiteral("Empty"), QStringLiteral("no positions")},
        {QStringLiteral("Short"), QStringLiteral("announces 3 positions but holds 1")},
        {QStringLiteral("Long"), QStringLiteral("announces 1 positions but holds 2")},
        {QStringLiteral("Late"), QStringLiteral("significator after an ordinary position")},
        {QStringLiteral("Gone"), QStringLiteral("no such file")},
    };
    for (const auto &[name, fault] : refused) {
        QString error;
        QVERIFY(!m_session->startReading(name, &error));
        QVERIFY2(error.contains(name + QStringLiteral(".spread")), qPrintable(error));
        QVERIFY2(error.contains(fault), qPrintable(error));
        error.clear();
        QVERIFY(!m_session->startTypingIn(name, &error));
        QVERIFY2(error.contains(fault), qPrintable(error));
    }
    QCOMPARE(laid.count(), 0);
    QCOMPARE(phases.count(), 0);
    QCOMPARE(m_session->phase(), Phase::Drawing);
    QCOMPARE(m_session->spreadName(), QStringLiteral("Three"));
    QCOMPARE(m_session->spread().positionCount(), 3);
    QCOMPARE(m_session->spread().explanation(2), QByteArray("E2"));
    QCOMPARE(m_session->placements().at(0).card, firstCard);
    QCOMPARE(m_session->placements().firstEmpty(), 1);
    QCOMPARE(promptText(), prompt);
    QVERIFY(drawFromFan());
    QCOMPARE(m_session->placements().at(0).card, firstCard);
    QVERIFY(m_session->placements().isFilled(1));
}

void TestReadingSession::promptNamesTheNextStepInEveryPhase()
{
    const auto text = [](int index) { return QByteArray("T") + QByteArray::number(index); };
    m_preferences->setCutDeck(true);
    startSession();
    QCOMPARE(promptText(), text(UiText::PromptStartReading));

    QVERIFY(m_session->startReading(QStringLiteral("Three")));
    QCOMPARE(promptText(), text(UiText::PromptShuffle));
    m_session->startShuffle();
    QCOMPARE(promptText(), text(UiText::PromptShuffling));
    m_session->stopShuffle();
    QCOMPARE(promptText(), text(UiText::PromptCut));
    m_session->cutAt(640);
    QCOMPARE(promptText(), QByteArray("T66\r\nE0"));
    for (int i = 0; i < 3; ++i)
        QVERIFY(drawFromFan());
    QCOMPARE(promptText(), QByteArray("T65"));
    // The spread is complete but cards lie face down: turning them is still the next step.
    m_session->activatePosition(2);
    m_session->activatePosition(0);
    QCOMPARE(promptText(), QByteArray("T65"));
    m_session->activatePosition(1);
    QCOMPARE(promptText(), text(UiText::PromptAllFaceUp));

    // A significator left unchosen ends the reading with word of what to do next.
    QVERIFY(m_session->startReading(QStringLiteral("Querent")));
    m_session->abandonSignificators();
    QCOMPARE(m_session->phase(), Phase::NoSpread);
    QCOMPARE(promptText(), text(UiText::PromptSignificatorCancelled));
}

void TestReadingSession::promptFollowsALanguageChange()
{
    QByteArray list;
    for (int line = 0; line < 180; ++line)
        list += "U" + QByteArray::number(line) + "\r\n";
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("Langs/Other")));
    QFile file(m_dir->filePath(QStringLiteral("Langs/Other/List.lng")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(list);
    file.close();
    QVERIFY(writeSpread(QStringLiteral("Six"), 6, 0));
    startSession();
    const auto switchTo = [this](const QString &language) {
        m_preferences->setLanguage(language);
        m_data->loadLanguage(*m_preferences);
    };

    QVERIFY(m_session->startReading(QStringLiteral("Six")));
    QCOMPARE(promptText(), QByteArray("T140"));
    switchTo(QStringLiteral("Other"));
    QCOMPARE(promptText(), QByteArray("U140"));
    switchTo(QStringLiteral("English"));
    shuffleAndCut();
    // The first position: its line, then the spread's own explanation.
    QCOMPARE(promptText(), QByteArray("T66\r\nE0"));
    switchTo(QStringLiteral("Other"));
    QCOMPARE(promptText(), QByteArray("U66\r\nE0"));
    // The fourth position: a number between two lines.
    for (int drawn = 0; drawn < 3; ++drawn)
        QVERIFY(drawFromFan());
    QCOMPARE(promptText(), QByteArray("U694U70\r\nE3"));
    switchTo(QStringLiteral("English"));
    QCOMPARE(promptText(), QByteArray("T694T70\r\nE3"));
}

QTEST_GUILESS_MAIN(TestReadingSession)
#include "test_ReadingSession.moc"
