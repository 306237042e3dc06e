// Checks the deck on the real table: the buttons each phase shows, cutting the stacked deck by
// button or click, drawing by clicks on the fan and by the automatic draw, and closing the table
// while the deck is busy.
#include "TableFixture.h"
#include "TableSteps.h"
#include "core/engine/DeckCut.h"
#include "core/lang/UiText.h"
#include "core/table/TableGeometry.h"

#include <QDir>
#include <QLabel>

#include <cmath>

using namespace TableSteps;
using Phase = ReadingSession::Phase;

class TestDeckView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void buttonsFollowThePhase();
    void shuffledBacksStayUntilTheShuffleStops();
    void clickOnTheStackedDeckCutsThere();
    void clickOnTheEmptyTableOpensTheChooser();
    void fanClicksFillThePositions();
    void automaticDrawFillsTheSpread();
    void closingStopsTheShuffleAndTheDraw();

private:
    TableFixture m_fixture;
};

void TestDeckView::init()
{
    QVERIFY(m_fixture.setUp());
    QVERIFY(m_fixture.copySpreads());
    QVERIFY(m_fixture.linkDecks());
}

void TestDeckView::cleanup()
{
    QVERIFY2(m_fixture.interaction.problems().isEmpty(),
             qPrintable(m_fixture.interaction.problems().join(QLatin1Char('\n'))));
}

void TestDeckView::buttonsFollowThePhase()
{
    QSettings &settings = m_fixture.storedSettings();
    settings.setValue(QStringLiteral("cut3piles"), QStringLiteral("yes"));
    auto table = m_fixture.startTable();
    QVERIFY(table);
    auto *shuffleButton = part<QPushButton>(*table, QStringLiteral("shuffleButton"));
    auto *stopButton = part<QPushButton>(*table, QStringLiteral("stopButton"));
    auto *cutButton = part<QPushButton>(*table, QStringLiteral("cutButton"));
    auto *spreadView = part<QWidget>(*table, QStringLiteral("spreadView"));
    auto *promptLabel = part<QLabel>(*table, QStringLiteral("promptLabel"));
    QVERIFY(shuffleButton && stopButton && cutButton && spreadView && promptLabel);
    QVERIFY(shuffleButton->isHidden());
    QVERIFY(stopButton->isHidden());

    startReading(*table, m_fixture.interaction, QStringLiteral("Three Cards"));
    QVERIFY(shuffleButton->isVisible());
    QVERIFY(stopButton->isVisible());
    QVERIFY(!stopButton->isEnabled());
    QVERIFY(cutButton->isHidden());
    // The spread area waits hidden until the deck is fanned.
    QVERIFY(spreadView->isHidden());

    QTest::mouseClick(shuffleButton, Qt::LeftButton);
    QCOMPARE(table->session().phase(), Phase::Shuffling);
    QVERIFY(stopButton->isEnabled());
    QTest::qWait(20);
    QTest::mouseClick(stopButton, Qt::LeftButton);
    QCOMPARE(table->session().phase(), Phase::ReadyToCut);
    QVERIFY(shuffleButton->isHidden());
    QVERIFY(stopButton->isHidden());
    QVERIFY(cutButton->isVisible());

    // A click beside the stacked deck is no cut.
    clickTable(*table, QPoint(5, 300));
    QCOMPARE(table->session().phase(), Phase::ReadyToCut);

    // The button cuts in the deck's middle, here in three piles as stored.
    Deck::Slots expected = table->session().cards();
    const int deckSize = table->session().deckSize();
    const TableGeometry geometry(table->size(), QSize());
    DeckCut::threePiles(expected, deckSize,
                        DeckCut::cutPoint(geometry.deckCentre().x(), table->width(), deckSize));
    QTest::mouseClick(cutButton, Qt::LeftButton);
    // The cut is shown while the window goes on; the deck is cut at its end.
    QCOMPARE(table->session().phase(), Phase::ReadyToCut);
    QVERIFY(cutButton->isHidden());
    QTRY_COMPARE(table->session().phase(), Phase::Drawing);
    for (int slot = 0; slot < deckSize; ++slot)
        QCOMPARE(table->session().cards()[slot].number, expected[slot].number);
    QVERIFY(cutButton->isHidden());
    QVERIFY(shuffleButton->isHidden());
    QVERIFY(spreadView->isVisible());
    QVERIFY(promptLabel->isVisible());
    QVERIFY(part<QLabel>(*table, QStringLiteral("optionNotice"))->isHidden());
    QCOMPARE(part<QLabel>(*table, QStringLiteral("spreadNameLabel"))->text(),
             QStringLiteral("Three Cards"));
    QCOMPARE(promptLabel->text(),
             QStringLiteral("First card:\n") +
                 QString::fromLocal8Bit(table->session().spread().explanation(0)));
}

void TestDeckView::shuffledBacksStayUntilTheShuffleStops()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    const TableGeometry geometry(table->size(), QSize());
    for (int frame = 0; frame < 1000; ++frame) {
        const QRect back(geometry.shuffleBackTopLeft(0.8 + 0.1 * frame),
                         TableGeometry::LargeBackSize);
        QVERIFY2(geometry.shuffleArea().contains(back), qPrintable(QString::number(frame)));
    }
    // Left of the stacked deck, where the shuffle's backs pass at the ellipse's far left.
    const QPoint farLeft = geometry.shuffleBackTopLeft(M_PI);
    const QRect strip(farLeft.x() + 5, farLeft.y() + 40, 30, 60);
    QVERIFY(!geometry.stackedDeckRect().intersects(strip));
    auto *deckView = part<DeckView>(*table, QStringLiteral("deckView"));
    const auto paintedInStrip = [&] {
        const QImage shown = deckView->grab(strip).toImage();
        int painted = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                painted += shown.pixelColor(x, y) != QColor(0x11, 0x55, 0x11) ? 1 : 0;
        return painted;
    };
    startReading(*table, m_fixture.interaction, QStringLiteral("Three Cards"));
    QCOMPARE(paintedInStrip(), 0);
    QTest::mouseClick(part<QPushButton>(*table, QStringLiteral("shuffleButton")), Qt::LeftButton);
    QTRY_VERIFY(paintedInStrip() > 0);
    QTest::mouseClick(part<QPushButton>(*table, QStringLiteral("stopButton")), Qt::LeftButton);
    QCOMPARE(paintedInStrip(), 0);
}

void TestDeckView::clickOnTheStackedDeckCutsThere()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    startReading(*table, m_fixture.interaction, QStringLiteral("Single Card"));
    // A click on the table while the deck waits starts or stops the shuffle.
    const TableGeometry geometry(table->size(), QSize());
    const QRect deck = geometry.stackedDeckRect();
    clickTable(*table, deck.center());
    QCOMPARE(table->session().phase(), Phase::Shuffling);
    QTest::qWait(20);
    clickTable(*table, deck.center());
    QCOMPARE(table->session().phase(), Phase::ReadyToCut);

    const QPoint point(deck.left() + 20, deck.center().y());
    Deck::Slots expected = table->session().cards();
    const int deckSize = table->session().deckSize();
    DeckCut::plain(expected, deckSize, DeckCut::cutPoint(point.x(), table->width(), deckSize));
    clickTable(*table, point);
    QCOMPARE(table->session().phase(), Phase::ReadyToCut);
    // A command given while the cut is shown lets the cut end first: the
    // spread chooser opens on a cut deck, never inside the animation.
    Phase phaseAtChooser = Phase::NoSpread;
    m_fixture.interaction.expectDialog<SpreadChooser>([&](SpreadChooser &) {
        phaseAtChooser = table->session().phase();
        return int(QDialog::Rejected);
    });
    QTest::keyClick(table.get(), Qt::Key_F9);
    QCOMPARE(phaseAtChooser, Phase::Drawing);
    for (int slot = 0; slot < deckSize; ++slot)
        QCOMPARE(table->session().cards()[slot].number, expected[slot].number);

    // A click on the table, or Esc, ends the cut at once.
    startReading(*table, m_fixture.interaction, QStringLiteral("Single Card"));
    shuffleAndStop(*table);
    clickTable(*table, deck.center());
    QCOMPARE(table->session().phase(), Phase::ReadyToCut);
    clickTable(*table, QPoint(5, 300));
    QCOMPARE(table->session().phase(), Phase::Drawing);
    startReading(*table, m_fixture.interaction, QStringLiteral("Single Card"));
    shuffleAndStop(*table);
    clickTable(*table, deck.center());
    QTest::keyClick(table.get(), Qt::Key_Escape);
    QCOMPARE(table->session().phase(), Phase::Drawing);
}

void TestDeckView::clickOnTheEmptyTableOpensTheChooser()
{
    QVERIFY(QDir(m_fixture.appDir() + QStringLiteral("/Spreads")).removeRecursively());
    auto table = m_fixture.startTable();
    QVERIFY(table);
    bool noticeShown = false;
    m_fixture.interaction.expectDialog<SpreadChooser>([&](SpreadChooser &chooser) {
        noticeShown = chooser.spreadList->isHidden() && !chooser.noSpreadsLabel->isHidden();
        QTest::mouseClick(chooser.okButton, Qt::LeftButton);
        return chooser.result();
    });
    clickTable(*table, QPoint(20, 300));
    QVERIFY(noticeShown);
    // With nothing to choose, OK lays nothing: a spread without positions
    // could not be drawn into, so no reading starts.
    QVERIFY(table->session().spreadName().isEmpty());
    QCOMPARE(table->session().phase(), ReadingSession::Phase::NoSpread);
    QVERIFY(part<QPushButton>(*table, QStringLiteral("shuffleButton"))->isHidden());
    QVERIFY(!positionImage(*table, 0));
}

void TestDeckView::fanClicksFillThePositions()
{
    QSettings &settings = m_fixture.storedSettings();
    settings.setValue(QStringLiteral("cutdeck"), QStringLiteral("no"));
    auto table = m_fixture.startTable();
    QVERIFY(table);
    startReading(*table, m_fixture.interaction, QStringLiteral("Three Cards"));
    shuffleAndStop(*table);
    QCOMPARE(table->session().phase(), Phase::Drawing);
    auto *deckView = part<DeckView>(*table, QStringLiteral("deckView"));
    auto *promptLabel = part<QLabel>(*table, QStringLiteral("promptLabel"));
    const Spread &spread = table->session().spread();
    const QImage label = positionImage(*table, 0)->pixmap().toImage();

    // Where two cards overlap, the one painted on top is drawn.
    const int top = topFanSlot(*table);
    const Card topCard = table->session().cards()[top];
    const QPoint overlap(topCard.x + 2, topCard.y + 60);
    QVERIFY(table->session().cards()[top - 1].hitTest(overlap.x(), overlap.y()));
    clickTable(*table, overlap);
    QCOMPARE(table->session().placements().at(0).card, int(topCard.number));
    QCOMPARE(promptLabel->text(),
             QStringLiteral("Second card:\n") + QString::fromLocal8Bit(spread.explanation(1)));
    // The position shows the card face down, and the fan no longer shows it.
    QVERIFY(positionImage(*table, 0)->pixmap().toImage() != label);
    const QRect drawnRect(topCard.x, topCard.y, TableGeometry::FanBackSize.width(),
                          TableGeometry::FanBackSize.height());
    const QPoint uncovered(drawnRect.right() - 2, drawnRect.center().y());
    for (int slot = 0; slot < top; ++slot) {
        const Card &card = table->session().cards()[slot];
        QVERIFY(!card.isPainted() ||
                !QRect(QPoint(card.x, card.y), TableGeometry::FanBackSize).contains(uncovered));
    }
    QCOMPARE(deckView->grab().toImage().pixelColor(uncovered), QColor(0x11, 0x55, 0x11));

    drawTopCard(*table);
    drawTopCard(*table);
    QCOMPARE(table->session().phase(), Phase::Complete);
    QCOMPARE(promptLabel->text(), table->programData().uiText(UiText::SpreadCompleted));
}

void TestDeckView::automaticDrawFillsTheSpread()
{
    QSettings &settings = m_fixture.storedSettings();
    settings.setValue(QStringLiteral("cutdeck"), QStringLiteral("no"));
    settings.setValue(QStringLiteral("drawauto"), QStringLiteral("yes"));
    settings.setValue(QStringLiteral("MajorOnly"), QStringLiteral("YES"));
    auto table = m_fixture.startTable();
    QVERIFY(table);
    auto *notice = part<QLabel>(*table, QStringLiteral("optionNotice"));
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->text(), table->programData().uiText(UiText::MajorArcanaOnlyNotice));

    startReading(*table, m_fixture.interaction, QStringLiteral("Year Ahead"));
    const int positions = table->session().spread().positionCount();
    QCOMPARE(positions, 13);
    QList<QImage> labels;
    for (int i = 0; i < positions; ++i)
        labels.append(positionImage(*table, i)->pixmap().toImage());
    shuffleAndStop(*table);
    QTRY_COMPARE(table->session().phase(), Phase::Complete);
    QCOMPARE(table->session().deckSize(), 22);
    for (int i = 0; i < positions; ++i) {
        QVERIFY2(positionImage(*table, i)->pixmap().toImage() != labels.at(i),
                 qPrintable(QString::number(i)));
    }
}

void TestDeckView::closingStopsTheShuffleAndTheDraw()
{
    QSettings &settings = m_fixture.storedSettings();
    settings.setValue(QStringLiteral("cutdeck"), QStringLiteral("no"));
    {
        auto table = m_fixture.startTable();
        QVERIFY(table);
        startReading(*table, m_fixture.interaction, QStringLiteral("Three Cards"));
        QTest::mouseClick(part<QPushButton>(*table, QStringLiteral("shuffleButton")),
                          Qt::LeftButton);
        QTest::qWait(20);
        table->close();
        const Deck::Slots closedOn = table->session().cards();
        QTest::qWait(30);
        QVERIFY(!table->isVisible());
        for (int slot = 0; slot < 78; ++slot)
            QCOMPARE(table->session().cards()[slot].number, closedOn[slot].number);
        QCOMPARE(settings.value(QStringLiteral("cutdeck")).toString(), QStringLiteral("no"));
    }

    // Closed while the cut is shown: the deck stays uncut.
    settings.setValue(QStringLiteral("cutdeck"), QStringLiteral("yes"));
    {
        auto table = m_fixture.startTable();
        QVERIFY(table);
        startReading(*table, m_fixture.interaction, QStringLiteral("Three Cards"));
        shuffleAndStop(*table);
        QCOMPARE(table->session().phase(), Phase::ReadyToCut);
        const Deck::Slots stacked = table->session().cards();
        // At its real pace the cut is still being shown when the table closes.
        part<DeckView>(*table, QStringLiteral("deckView"))->setCutPauses(true);
        QTest::mouseClick(part<QPushButton>(*table, QStringLiteral("cutButton")), Qt::LeftButton);
        QTest::qWait(100);
        table->close();
        QVERIFY(!table->isVisible());
        QTest::qWait(200);
        QCOMPARE(table->session().phase(), Phase::ReadyToCut);
        for (int slot = 0; slot < 78; ++slot)
            QCOMPARE(table->session().cards()[slot].number, stacked[slot].number);
    }

    // Closed between two cards of the automatic draw: the draw stops.
    settings.setValue(QStringLiteral("cutdeck"), QStringLiteral("no"));
    settings.setValue(QStringLiteral("drawauto"), QStringLiteral("yes"));
    auto table = m_fixture.startTable();
    QVERIFY(table);
    startReading(*table, m_fixture.interaction, QStringLiteral("Year Ahead"));
    ReadingSession &session = table->session();
    connect(&session, &ReadingSession::positionChanged, table.get(), [&] {
        if (session.placements().firstEmpty() == 2)
            table->close();
    });
    shuffleAndStop(*table);
    QTRY_VERIFY(!table->isVisible());
    QTest::qWait(30);
    QCOMPARE(session.placements().firstEmpty(), 2);
    QCOMPARE(session.phase(), Phase::DrawingAutomatically);
}

QTEST_MAIN(TestDeckView)
#include "test_DeckView.moc"
