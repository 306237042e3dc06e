// Cards chosen by hand: significators before the shuffle, and readings typed
// in from a physical deck.
#include "TableFrm.h"

#include "Interaction.h"
#include "cards/CardImage.h"
#include "engine/CardChoice.h"
#include "engine/SeCard.h"
#include "lang/UiText.h"
#include "readings/CommForm.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {
const QByteArray ChooseSignificatorPrompt = "Click the card-significator to select it";
const QByteArray SpreadCompletedPrompt = "Spread completed";
} // namespace

void TForm1::chooseCardByHand(int position)
{
    const bool significator = Spread.IsSignificator[position];
    const QList<int> cards =
        ManualInput ? CardChoice::manualCards(DeckSize) : CardChoice::significatorCards(DeckSize);
    QStringList titles;
    for (int number : cards)
        titles.append(QString::fromLocal8Bit(CardTitles[number]));

    TForm11::Texts texts{{},
                         uiText(UiText::PositionGroup),
                         uiText(UiText::Straight),
                         uiText(UiText::Reversed),
                         uiText(UiText::Ok),
                         uiText(UiText::Cancel)};
    if (!significator) {
        texts.caption = uiText(UiText::OrdinaryPositionCaption) +
                        QStringLiteral(" %1: ").arg(position - Spread.SignificatorCount + 1) +
                        QString::fromLocal8Bit(Spread.Explanation[position]);
    } else if (Spread.SignificatorCount == 1) {
        texts.caption = uiText(UiText::SignificatorCaption);
    } else {
        texts.caption =
            uiText(UiText::SignificatorCaption) + QStringLiteral(" %1").arg(position + 1);
    }
    TForm11 dialog(cards, titles, AppDir + QStringLiteral("/Pics/") + DeckName, texts, this);
    dialog.setOrientationShown(!significator);
    if (significator && QuerentCard >= 0)
        dialog.ClickQuer(QuerentCard);

    while (m_interaction.execDialog(dialog) == QDialog::Accepted) {
        Spread.ChosenCard = dialog.chosenCard();
        Spread.ChosenReversed = dialog.chosenReversed();
        if (std::find(Spread.CardAt.begin(), Spread.CardAt.begin() + Spread.PositionCount,
                      Spread.ChosenCard) != Spread.CardAt.begin() + Spread.PositionCount) {
            m_interaction.showMessage(this, uiText(UiText::CardAlreadyInSpread));
            continue;
        }
        placeChosenCard(position, Spread.ChosenCard, Spread.ChosenReversed);
        break;
    }

    const bool complete =
        std::all_of(Spread.Filled.begin(), Spread.Filled.begin() + Spread.PositionCount,
                    [](bool filled) { return filled; });
    if (complete && Spread.PositionCount > 0) {
        setPrompt(SpreadCompletedPrompt);
        PromptText = m_prompt;
        DrawnCount = Spread.PositionCount;
        ManualInput = false;
    }
}

void TForm1::placeChosenCard(int position, int number, bool reversed)
{
    const bool significator = Spread.IsSignificator[position];
    TCard *card = nullptr;
    for (int slot = 0; slot < DeckSize && !card; ++slot) {
        if (Cards[slot].Number == quint32(number))
            card = &Cards[slot];
    }
    if (!card) {
        // A court card as significator while only the Major Arcana are in
        // play: the last card in play gives way to it for this reading.
        card = &Cards[DeckSize - 1];
        card->Number = quint32(number);
    }
    card->Reversed = reversed ? 1 : 0;
    DrawnCount = position;
    DrawCard(*card);
    if (significator) {
        ExtraDrawAllowed = false;
        --PendingSignificators;
        promptAfterSignificator();
    }
    if (ManualInput)
        setPrompt(UiTexts.text(UiText::ManualInputPrompt));
    PromptText = m_prompt;
    ShowPosition(position);
}

void TForm1::promptAfterSignificator()
{
    if (PendingSignificators > 0) {
        setPrompt(ChooseSignificatorPrompt);
        return;
    }
    DrawnCount = Spread.SignificatorCount;
    setPrompt(UiTexts.text(UiText::PromptFirstPosition) + "\r\n" +
              Spread.Explanation[qBound(0, Spread.SignificatorCount, TSpreadParser::Capacity - 1)]);
}

void TForm1::Input1Click()
{
    if (!chooseSpread(uiText(UiText::SelectSpreadCaption) + uiText(UiText::SelectSpreadForInput)))
        return;

    ++m_readingGeneration;
    DeckSize = Deck::sizeFor(MajorOnly, Deck79);
    Spread.ResetSpread();
    ExtraDrawAllowed = false;
    MakeSpreadAndImages();
    Deck::SetCards(Cards, DeckSize, Deck79, UseReverse, width(), Random);
    ExtraCardImage->hide();
    ManualInput = true;
    // Every card of a typed-in reading is chosen by hand.
    AutoDrawPending = false;
    SpeedButton2Click();
    CommentsWindow->hide();
    setPrompt(UiTexts.text(UiText::ManualInputPrompt));
    PromptText = m_prompt;
}
