// Checks choosing cards by hand: the lists offered, significators before the
// shuffle (one, two, cancelled, a court card with only the Major Arcana in
// play) and a whole reading typed in from a physical deck.
#include "TableFixture.h"
#include "core/engine/CardChoice.h"
#include "ui/cards/SelectCardDialog.h"
#include "ui/spreads/SpreadChooser.h"
#include "ui/table/CardImage.h"
#include "ui/table/TableCanvas.h"
#include "ui/table/TableWindow.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// Answers the Select card dialog by picking `number`, optionally reversed,
// and records what the dialog offered.
struct CardPick
{
    int number;
    bool reversed = false;
    int *listed = nullptr;
    QString *caption = nullptr;
    bool *orientationShown = nullptr;
    int *preselected = nullptr;

    int operator()(SelectCardDialog &choice) const
    {
        if (listed)
            *listed = choice.cardList->count();
        if (caption)
            *caption = choice.windowTitle();
        if (orientationShown)
            *orientationShown = !choice.orientationGroup->isHidden();
        if (preselected)
            *preselected = choice.okButton->isEnabled() ? choice.cardList->currentRow() : -1;
        choice.selectCard(number);
        if (reversed)
            choice.reversedButton->setChecked(true);
        QTest::mouseClick(choice.okButton, Qt::LeftButton);
        return choice.result();
    }
};

} // namespace

class TestTableChoice : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void significatorListOffersCourtCards();
    void manualListEndsWithExtraCard();
    void oneSignificatorBeforeTheShuffle();
    void twoSignificatorsPromptInTurn();
    void cancelledSignificatorStopsTheReading();
    void courtCardWithMajorArcanaOnly();
    void typedInReading();

private:
    void acceptSpread(const QString &spread);

    TableFixture m_fixture;
};

void TestTableChoice::init()
{
    QVERIFY(m_fixture.setUp());
    m_fixture.copySpreads();
    m_fixture.linkDecks();
}

void TestTableChoice::cleanup()
{
    QVERIFY2(m_fixture.interaction.problems().isEmpty(),
             qPrintable(m_fixture.interaction.problems().join(QLatin1Char('\n'))));
}

void TestTableChoice::acceptSpread(const QString &spread)
{
    m_fixture.interaction.expectDialog<SpreadChooser>([spread](SpreadChooser &chooser) {
        chooser.spreadList->setCurrentItem(
            chooser.spreadList->findItems(spread, Qt::MatchExactly)[0]);
        QTest::mouseClick(chooser.okButton, Qt::LeftButton);
        return chooser.result();
    });
}

void TestTableChoice::significatorListOffersCourtCards()
{
    const QList<int> full = CardChoice::significatorCards(78);
    QCOMPARE(full.size(), 38);
    QCOMPARE(full.mid(0, 22).last(), 21);
    QCOMPARE(full.at(22), 32);
    QCOMPARE(full.at(26), 46);
    QCOMPARE(full.at(34), 74);
    QCOMPARE(full.last(), 77);
    QCOMPARE(CardChoice::significatorCards(79).size(), 39);
    QCOMPARE(CardChoice::significatorCards(79).last(), 78);
    QCOMPARE(CardChoice::significatorCards(22), full);
    QCOMPARE(CardChoice::significatorCards(23).last(), 78);
}

void TestTableChoice::manualListEndsWithExtraCard()
{
    QCOMPARE(CardChoice::manualCards(78).size(), 78);
    QCOMPARE(CardChoice::manualCards(78).at(40), 40);
    const QList<int> withExtra = CardChoice::manualCards(23);
    QCOMPARE(withExtra.size(), 23);
    QCOMPARE(withExtra.at(21), 21);
    QCOMPARE(withExtra.at(22), 78);
}

void TestTableChoice::oneSignificatorBeforeTheShuffle()
{
    {
        QSettings settings = m_fixture.storedSettings();
        settings.setValue(QStringLiteral("curquer"), 46);
        settings.setValue(QStringLiteral("cutdeck"), QStringLiteral("no"));
    }
    auto table = m_fixture.startTable();
    QVERIFY(table);
    acceptSpread(QStringLiteral("Question"));
    int listed = 0;
    QString caption;
    bool orientationShown = true;
    int preselected = -1;
    m_fixture.interaction.expectDialog<SelectCardDialog>(
        CardPick{60, false, &listed, &caption, &orientationShown, &preselected});
    table->SelectlayoutF12->trigger();

    QCOMPARE(listed, 38);
    QCOMPARE(caption, table->uiText(80));
    QVERIFY(!orientationShown);
    QCOMPARE(preselected, 26); // the last querent's card, 46
    QCOMPARE(table->spread.CardAt[0], 60);
    QVERIFY(table->spread.Revealed[0]);
    QVERIFY(!table->spread.PositionReversed[0]);
    QCOMPARE(table->QuerentCard, 60);
    QCOMPARE(table->PendingSignificators, 0);
    QVERIFY(!table->SpeedButton1->isHidden());

    // At the shuffle's end the significator leaves the fan.
    QTest::mouseClick(table->SpeedButton1, Qt::LeftButton);
    QTest::qWait(20);
    QTest::mouseClick(table->SpeedButton2, Qt::LeftButton);
    QVERIFY(table->DeckFanned);
    QCOMPARE(table->Cards[0].Number, 60u);
    QVERIFY(!table->Cards[0].isPainted());
    QCOMPARE(table->Label2->text(), QStringLiteral("First card:\n") +
                                        QString::fromLocal8Bit(table->spread.Explanation[1]));
}

void TestTableChoice::twoSignificatorsPromptInTurn()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    acceptSpread(QStringLiteral("Relationship"));
    QString firstCaption;
    QString promptBetween;
    m_fixture.interaction.expectDialog<SelectCardDialog>([&](SelectCardDialog &dialog) {
        firstCaption = dialog.windowTitle();
        return CardPick{3}(dialog);
    });
    m_fixture.interaction.expectDialog<SelectCardDialog>([&](SelectCardDialog &dialog) {
        promptBetween = table->Label2->text();
        // The first person's card cannot stand for the second one too.
        return CardPick{3}(dialog);
    });
    m_fixture.interaction.expectDialog<SelectCardDialog>(CardPick{48});
    table->SelectlayoutF12->trigger();

    QCOMPARE(firstCaption, table->uiText(80) + QStringLiteral(" 1"));
    QCOMPARE(promptBetween, QStringLiteral("Click the card-significator to select it"));
    QCOMPARE(m_fixture.interaction.messages, QStringList{table->uiText(79)});
    QCOMPARE(table->spread.CardAt[0], 3);
    QCOMPARE(table->spread.CardAt[1], 48);
    QCOMPARE(table->QuerentCard, 3);
    QCOMPARE(table->DrawnCount, 2);
    QCOMPARE(table->Label2->text(), QStringLiteral("First card:\n") +
                                        QString::fromLocal8Bit(table->spread.Explanation[2]));
}

void TestTableChoice::cancelledSignificatorStopsTheReading()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    acceptSpread(QStringLiteral("Relationship"));
    m_fixture.interaction.expectDialog<SelectCardDialog>([](SelectCardDialog &dialog) {
        QTest::keyClick(dialog.cardList, Qt::Key_Escape);
        return dialog.result();
    });
    table->SelectlayoutF12->trigger(); // only one dialog: the second is never asked
    QVERIFY(!table->spread.Filled[0]);
    QVERIFY(table->SpeedButton1->isHidden());
    QVERIFY(table->SpeedButton2->isHidden());
    QCOMPARE(table->QuerentCard, -1);
}

void TestTableChoice::courtCardWithMajorArcanaOnly()
{
    {
        QSettings settings = m_fixture.storedSettings();
        settings.setValue(QStringLiteral("MajorOnly"), QStringLiteral("YES"));
    }
    auto table = m_fixture.startTable();
    QVERIFY(table);
    acceptSpread(QStringLiteral("Question"));
    int listed = 0;
    m_fixture.interaction.expectDialog<SelectCardDialog>(CardPick{74, false, &listed});
    table->SelectlayoutF12->trigger();
    QCOMPARE(listed, 38);
    QCOMPARE(table->DeckSize, 22);
    QCOMPARE(table->spread.CardAt[0], 74);
    QCOMPARE(table->Cards[21].Number, 74u);
}

void TestTableChoice::typedInReading()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    QString chooserCaption;
    m_fixture.interaction.expectDialog<SpreadChooser>([&](SpreadChooser &chooser) {
        chooserCaption = chooser.windowTitle();
        chooser.spreadList->setCurrentItem(
            chooser.spreadList->findItems(QStringLiteral("Three Cards"), Qt::MatchExactly)[0]);
        QTest::mouseClick(chooser.okButton, Qt::LeftButton);
        return chooser.result();
    });
    table->Input1->trigger();
    QCOMPARE(chooserCaption, table->uiText(31) + table->uiText(32));
    QVERIFY(table->ManualInput);
    QVERIFY(table->DeckFanned);
    QCOMPARE(table->Label2->text(), table->uiText(75));

    // The fan does nothing while a reading is typed in.
    QTest::mouseClick(table->Canvas, Qt::LeftButton, {},
                      QPoint(table->Cards[50].X + 5, table->Cards[50].Y + 50));
    QCOMPARE(table->DrawnCount, 0);

    int listed = 0;
    bool orientationShown = false;
    m_fixture.interaction.expectDialog<SelectCardDialog>(
        CardPick{5, true, &listed, nullptr, &orientationShown});
    QTest::mouseClick(table->PositionImages[0], Qt::LeftButton);
    QCOMPARE(listed, 78);
    QVERIFY(orientationShown);
    QCOMPARE(table->spread.CardAt[0], 5);
    QVERIFY(table->spread.PositionReversed[0]);
    QVERIFY(table->spread.Revealed[0]);

    m_fixture.interaction.expectDialog<SelectCardDialog>(CardPick{5});
    m_fixture.interaction.expectDialog<SelectCardDialog>(CardPick{77});
    QTest::mouseClick(table->PositionImages[2], Qt::LeftButton);
    QCOMPARE(m_fixture.interaction.messages, QStringList{table->uiText(79)});
    QCOMPARE(table->spread.CardAt[2], 77);
    QVERIFY(table->ManualInput);

    m_fixture.interaction.expectDialog<SelectCardDialog>(CardPick{0});
    QTest::mouseClick(table->PositionImages[1], Qt::LeftButton);
    QCOMPARE(table->Label2->text(), QStringLiteral("Spread completed"));
    QVERIFY(!table->ManualInput);
    QCOMPARE(table->DrawnCount, 3);
}

QTEST_MAIN(TestTableChoice)
#include "test_TableChoice.moc"
