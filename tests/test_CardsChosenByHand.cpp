// Checks the cards the table asks for with the Select card dialog: significators before the
// shuffle, and a reading typed in from a physical deck position by position.
#include "TableFixture.h"
#include "TableSteps.h"
#include "core/lang/UiText.h"
#include "ui/cards/SelectCardDialog.h"
#include "ui/table/SpreadView.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

using namespace TableSteps;
using Phase = ReadingSession::Phase;

namespace {

// What the Select card dialog offered when it was answered.
struct Offer
{
    QString caption;
    QStringList titles;
    bool orientationShown = false;
    // The row selected when the dialog opened, -1 for none.
    int preselectedRow = -1;
};

// Answers the Select card dialog by picking `number`, optionally reversed,
// and records what it offered in `offer`.
std::function<int(SelectCardDialog &)> pick(int number, bool reversed = false,
                                            Offer *offer = nullptr)
{
    return [=](SelectCardDialog &dialog) {
        if (offer) {
            offer->caption = dialog.windowTitle();
            offer->titles.clear();
            for (int row = 0; row < dialog.cardList->count(); ++row)
                offer->titles.append(dialog.cardList->item(row)->text());
            offer->orientationShown = !dialog.orientationGroup->isHidden();
            offer->preselectedRow =
                dialog.okButton->isEnabled() ? dialog.cardList->currentRow() : -1;
        }
        dialog.selectCard(number);
        if (reversed)
            dialog.reversedButton->setChecked(true);
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        return dialog.result();
    };
}

} // namespace

class TestCardsChosenByHand : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void oneSignificatorBeforeTheShuffle();
    void twoSignificatorsAskedInTurn();
    void cancelledSignificatorEndsTheReading();
    void typedInReading();
    void typedInSignificatorOffersEveryCard();
    void okWaitsForARealChoice();
    void dialogNamesAndMarksThePositionItFills();

private:
    QString cardTitle(TableWindow &table, int number) const
    {
        return QString::fromLocal8Bit(table.programData().cardTitles()[number]);
    }
    QString uiText(TableWindow &table, int index) const
    {
        return table.programData().uiText(index);
    }

    TableFixture m_fixture;
};

void TestCardsChosenByHand::init()
{
    QVERIFY(m_fixture.setUp());
    QVERIFY(m_fixture.copySpreads());
    QVERIFY(m_fixture.linkDecks());
    m_fixture.storedSettings().setValue(QStringLiteral("cutdeck"), QStringLiteral("no"));
}

void TestCardsChosenByHand::cleanup()
{
    QVERIFY2(m_fixture.interaction.problems().isEmpty(),
             qPrintable(m_fixture.interaction.problems().join(QLatin1Char('\n'))));
}

void TestCardsChosenByHand::oneSignificatorBeforeTheShuffle()
{
    QSettings &settings = m_fixture.storedSettings();
    settings.setValue(QStringLiteral("curquer"), 46);
    auto table = m_fixture.startTable();
    QVERIFY(table);
    Offer offer;
    expectSpreadChosen(m_fixture.interaction, QStringLiteral("Question"));
    m_fixture.interaction.expectDialog<SelectCardDialog>(pick(60, false, &offer));
    action(*table, "startAction")->trigger();

    // The Major Arcana and the court cards, by their titles; the last
    // querent's card is offered first.
    QCOMPARE(offer.caption, uiText(*table, UiText::SignificatorCaption));
    QCOMPARE(offer.titles.size(), 38);
    QCOMPARE(offer.titles.at(0), cardTitle(*table, 0));
    QCOMPARE(offer.titles.at(22), cardTitle(*table, 32));
    QVERIFY(!offer.orientationShown);
    QCOMPARE(offer.preselectedRow, 26);
    QCOMPARE(offer.titles.at(26), cardTitle(*table, 46));

    QCOMPARE(table->session().placements().at(0).card, 60);
    QVERIFY(part<QPushButton>(*table, QStringLiteral("shuffleButton"))->isVisible());
    shuffleAndStop(*table);
    // The prompt asks for the first position after the significator.
    QCOMPARE(part<QLabel>(*table, QStringLiteral("promptLabel"))->text(),
             QStringLiteral("First card:\n") +
                 QString::fromLocal8Bit(table->session().spread().explanation(1)));

    // The new querent's card is kept for the next start.
    table->close();
    QCOMPARE(settings.value(QStringLiteral("curquer")).toInt(), 60);
}

void TestCardsChosenByHand::twoSignificatorsAskedInTurn()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    Offer first;
    Offer second;
    expectSpreadChosen(m_fixture.interaction, QStringLiteral("Relationship"));
    m_fixture.interaction.expectDialog<SelectCardDialog>(pick(3, false, &first));
    // The first person's card cannot stand for the second one too: the
    // table says so and asks again.
    m_fixture.interaction.expectDialog<SelectCardDialog>(pick(3, false, &second));
    m_fixture.interaction.expectDialog<SelectCardDialog>(pick(48));
    action(*table, "startAction")->trigger();

    QCOMPARE(first.caption, uiText(*table, UiText::SignificatorCaption) + QStringLiteral(" 1"));
    QCOMPARE(second.caption, uiText(*table, UiText::SignificatorCaption) + QStringLiteral(" 2"));
    QCOMPARE(m_fixture.interaction.messages,
             QStringList{uiText(*table, UiText::CardAlreadyInSpread)});
    QCOMPARE(table->session().placements().at(0).card, 3);
    QCOMPARE(table->session().placements().at(1).card, 48);
    QCOMPARE(table->session().phase(), Phase::ReadyToShuffle);

    // Both significators lie face up when the spread appears.
    const QImage unfilled = positionImage(*table, 2)->pixmap().toImage();
    QVERIFY(positionImage(*table, 0)->pixmap().toImage() != unfilled);
    QVERIFY(positionImage(*table, 1)->pixmap().toImage() != unfilled);
    shuffleAndStop(*table);
    QCOMPARE(part<QLabel>(*table, QStringLiteral("promptLabel"))->text(),
             QStringLiteral("First card:\n") +
                 QString::fromLocal8Bit(table->session().spread().explanation(2)));
}

void TestCardsChosenByHand::cancelledSignificatorEndsTheReading()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    expectSpreadChosen(m_fixture.interaction, QStringLiteral("Relationship"));
    m_fixture.interaction.expectDialog<SelectCardDialog>([](SelectCardDialog &dialog) {
        QTest::keyClick(dialog.cardList, Qt::Key_Escape);
        return dialog.result();
    });
    // Only one dialog: the second significator is never asked for.
    action(*table, "startAction")->trigger();
    QCOMPARE(table->session().phase(), Phase::NoSpread);
    QVERIFY(part<QPushButton>(*table, QStringLiteral("shuffleButton"))->isHidden());
    QVERIFY(part<QPushButton>(*table, QStringLiteral("stopButton"))->isHidden());
    QVERIFY(part<QWidget>(*table, QStringLiteral("spreadView"))->isHidden());
    // The table says why the reading stopped and what to do next.
    auto *promptLabel = part<QLabel>(*table, QStringLiteral("promptLabel"));
    QVERIFY(promptLabel->isVisible());
    QCOMPARE(promptLabel->text(), uiText(*table, UiText::PromptSignificatorCancelled));
}

void TestCardsChosenByHand::typedInReading()
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
    action(*table, "inputAction")->trigger();
    QCOMPARE(chooserCaption, uiText(*table, UiText::SelectSpreadCaption) +
                                 uiText(*table, UiText::SelectSpreadForInput));
    // The spread appears at once, with no shuffle.
    auto *promptLabel = part<QLabel>(*table, QStringLiteral("promptLabel"));
    QVERIFY(part<QWidget>(*table, QStringLiteral("spreadView"))->isVisible());
    QVERIFY(part<QPushButton>(*table, QStringLiteral("shuffleButton"))->isHidden());
    QCOMPARE(promptLabel->text(), uiText(*table, UiText::ManualInputPrompt));

    const Spread &spread = table->session().spread();
    Offer offer;
    const QImage unfilled = positionImage(*table, 0)->pixmap().toImage();
    m_fixture.interaction.expectDialog<SelectCardDialog>(pick(5, true, &offer));
    clickPosition(*table, 0);
    QCOMPARE(offer.caption, uiText(*table, UiText::OrdinaryPositionCaption) +
                                QStringLiteral(" 1: ") +
                                QString::fromLocal8Bit(spread.explanation(0)));
    QCOMPARE(offer.titles.size(), 78);
    QVERIFY(offer.orientationShown);
    QCOMPARE(table->session().placements().at(0).card, 5);
    QVERIFY(table->session().placements().at(0).reversed);
    QVERIFY(positionImage(*table, 0)->pixmap().toImage() != unfilled);

    // A card already in the spread is refused and asked for again.
    m_fixture.interaction.expectDialog<SelectCardDialog>(pick(5));
    m_fixture.interaction.expectDialog<SelectCardDialog>(pick(77));
    clickPosition(*table, 2);
    QCOMPARE(m_fixture.interaction.messages,
             QStringList{uiText(*table, UiText::CardAlreadyInSpread)});
    QCOMPARE(table->session().placements().at(2).card, 77);
    QCOMPARE(promptLabel->text(), uiText(*table, UiText::ManualInputPrompt));

    // A cancelled dialog leaves the position empty.
    m_fixture.interaction.expectDialog<SelectCardDialog>([](SelectCardDialog &dialog) {
        QTest::keyClick(dialog.cardList, Qt::Key_Escape);
        return dialog.result();
    });
    clickPosition(*table, 1);
    QVERIFY(!table->session().placements().isFilled(1));

    m_fixture.interaction.expectDialog<SelectCardDialog>(pick(0));
    clickPosition(*table, 1);
    QCOMPARE(promptLabel->text(), uiText(*table, UiText::PromptAllFaceUp));
    QCOMPARE(table->session().phase(), Phase::Complete);
}

void TestCardsChosenByHand::typedInSignificatorOffersEveryCard()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    expectSpreadChosen(m_fixture.interaction, QStringLiteral("Question"));
    action(*table, "inputAction")->trigger();
    QCOMPARE(table->session().spread().significatorCount(), 1);

    // The significator of a physical deck's reading may be any card in play;
    // it still lies upright.
    Offer offer;
    m_fixture.interaction.expectDialog<SelectCardDialog>(pick(30, false, &offer));
    clickPosition(*table, 0);
    QCOMPARE(offer.caption, uiText(*table, UiText::SignificatorCaption));
    QCOMPARE(offer.titles.size(), 78);
    QVERIFY(!offer.orientationShown);
    QCOMPARE(table->session().placements().at(0).card, 30);
    QCOMPARE(part<QLabel>(*table, QStringLiteral("promptLabel"))->text(),
             uiText(*table, UiText::ManualInputPrompt));
}

void TestCardsChosenByHand::okWaitsForARealChoice()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    expectSpreadChosen(m_fixture.interaction, QStringLiteral("Three Cards"));
    action(*table, "inputAction")->trigger();

    bool okOnFocus = true;
    int chosenOnEnter = 0;
    m_fixture.interaction.expectDialog<SelectCardDialog>([&](SelectCardDialog &dialog) {
        dialog.show();
        // Focus makes a row current without anyone choosing it.
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(dialog.cardList, &focusIn);
        okOnFocus = dialog.okButton->isEnabled();
        QTest::keyClick(&dialog, Qt::Key_Return);
        chosenOnEnter = dialog.result() == QDialog::Accepted ? dialog.chosenCard() : -1;
        // A click on a title is a choice.
        QListWidgetItem *item = dialog.cardList->item(3);
        QTest::mouseClick(dialog.cardList->viewport(), Qt::LeftButton, {},
                          dialog.cardList->visualItemRect(item).center());
        if (!dialog.okButton->isEnabled())
            return int(QDialog::Rejected);
        QTest::keyClick(&dialog, Qt::Key_Return);
        return dialog.result();
    });
    clickPosition(*table, 0);
    QVERIFY(!okOnFocus);
    QCOMPARE(chosenOnEnter, -1);
    QCOMPARE(table->session().placements().at(0).card, 3);
}

void TestCardsChosenByHand::dialogNamesAndMarksThePositionItFills()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    expectSpreadChosen(m_fixture.interaction, QStringLiteral("Celtic Cross"));
    action(*table, "inputAction")->trigger();
    const Spread &spread = table->session().spread();
    auto *spreadView = part<SpreadView>(*table, QStringLiteral("spreadView"));
    QCOMPARE(spreadView->highlightedPosition(), -1);
    const QImage plain = positionImage(*table, 7)->pixmap().toImage();

    QString shown;
    bool wrapped = false;
    bool fits = false;
    int highlighted = -1;
    QImage marked;
    m_fixture.interaction.expectDialog<SelectCardDialog>([&](SelectCardDialog &dialog) {
        shown = dialog.positionLabel->text();
        wrapped = dialog.positionLabel->wordWrap();
        fits = dialog.positionLabel->height() >=
                   dialog.positionLabel->heightForWidth(dialog.positionLabel->width()) &&
               dialog.rect().contains(dialog.positionLabel->geometry());
        highlighted = spreadView->highlightedPosition();
        marked = positionImage(*table, 7)->pixmap().toImage();
        return int(QDialog::Rejected);
    });
    clickPosition(*table, 7);
    // The position's label and its whole explanation, not only the elided title.
    QCOMPARE(shown, QStringLiteral("8. ") + QString::fromLocal8Bit(spread.explanation(7)));
    QVERIFY(wrapped);
    QVERIFY(fits);
    // The position being filled stands out on the table while the dialog is open.
    QCOMPARE(highlighted, 7);
    QVERIFY(marked != plain);
    QCOMPARE(spreadView->highlightedPosition(), -1);
    QCOMPARE(positionImage(*table, 7)->pixmap().toImage(), plain);
}

QTEST_MAIN(TestCardsChosenByHand)
#include "test_CardsChosenByHand.moc"
