// Cards chosen by hand: significators before the shuffle, and readings typed
// in from a physical deck.
#include "ui/table/TableWindow.h"

#include "core/engine/CardChoice.h"
#include "core/lang/UiText.h"
#include "ui/cards/SelectCardDialog.h"
#include "ui/common/Interaction.h"
#include "ui/readings/CommentsWindow.h"
#include "ui/table/CardImage.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {
const QByteArray ChooseSignificatorPrompt = "Click the card-significator to select it";
const QByteArray SpreadCompletedPrompt = "Spread completed";
} // namespace

void TableWindow::chooseCardByHand(int position)
{
    const bool significator = spread.IsSignificator[position];
    const QList<int> cards =
        ManualInput ? CardChoice::manualCards(DeckSize) : CardChoice::significatorCards(DeckSize);
    QStringList titles;
    for (int number : cards)
        titles.append(QString::fromLocal8Bit(CardTitles[number]));

    QString caption;
    if (!significator) {
        caption = uiText(UiText::OrdinaryPositionCaption) +
                  QStringLiteral(" %1: ").arg(position - spread.SignificatorCount + 1) +
                  QString::fromLocal8Bit(spread.Explanation[position]);
    } else if (spread.SignificatorCount == 1) {
        caption = uiText(UiText::SignificatorCaption);
    } else {
        caption = uiText(UiText::SignificatorCaption) + QStringLiteral(" %1").arg(position + 1);
    }
    SelectCardDialog dialog(cards, titles, AppDir + QStringLiteral("/Pics/") + DeckName, caption,
                            UiTexts, this);
    dialog.setOrientationShown(!significator);
    if (significator && QuerentCard >= 0)
        dialog.selectCard(QuerentCard);

    while (m_interaction.execDialog(dialog) == QDialog::Accepted) {
        spread.ChosenCard = dialog.chosenCard();
        spread.ChosenReversed = dialog.chosenReversed();
        if (std::find(spread.CardAt.begin(), spread.CardAt.begin() + spread.PositionCount,
                      spread.ChosenCard) != spread.CardAt.begin() + spread.PositionCount) {
            m_interaction.showMessage(this, uiText(UiText::CardAlreadyInSpread));
            continue;
        }
        placeChosenCard(position, spread.ChosenCard, spread.ChosenReversed);
        break;
    }

    const bool complete =
        std::all_of(spread.Filled.begin(), spread.Filled.begin() + spread.PositionCount,
                    [](bool filled) { return filled; });
    if (complete && spread.PositionCount > 0) {
        setPrompt(SpreadCompletedPrompt);
        PromptText = m_prompt;
        DrawnCount = spread.PositionCount;
        ManualInput = false;
    }
}

void TableWindow::placeChosenCard(int position, int number, bool reversed)
{
    const bool significator = spread.IsSignificator[position];
    Card *card = nullptr;
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

void TableWindow::promptAfterSignificator()
{
    if (PendingSignificators > 0) {
        setPrompt(ChooseSignificatorPrompt);
        return;
    }
    DrawnCount = spread.SignificatorCount;
    setPrompt(UiTexts.text(UiText::PromptFirstPosition) + "\r\n" +
              spread.Explanation[qBound(0, spread.SignificatorCount, Spread::Capacity - 1)]);
}

void TableWindow::Input1Click()
{
    if (!chooseSpread(uiText(UiText::SelectSpreadCaption) + uiText(UiText::SelectSpreadForInput)))
        return;

    ++m_readingGeneration;
    DeckSize = Deck::sizeFor(MajorOnly, Deck79);
    spread.ResetSpread();
    ExtraDrawAllowed = false;
    MakeSpreadAndImages();
    Deck::SetCards(Cards, DeckSize, Deck79, UseReverse, width(), Random);
    ExtraCardImage->hide();
    ManualInput = true;
    // Every card of a typed-in reading is chosen by hand.
    AutoDrawPending = false;
    SpeedButton2Click();
    commentsWindow->hide();
    setPrompt(UiTexts.text(UiText::ManualInputPrompt));
    PromptText = m_prompt;
}
