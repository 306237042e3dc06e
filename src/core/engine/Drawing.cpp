#include "core/engine/Drawing.h"

#include "core/engine/Card.h"
#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "core/spreads/Spread.h"
#include "core/util/RandomGenerator.h"

#include <utility>

bool Drawing::placeInNextPosition(Card &card, Spread &spread, int &drawnCount)
{
    if (drawnCount >= spread.positionCount)
        return false;
    card.position = drawnCount++;
    spread.cardAt[card.position] = qint32(card.number);
    spread.filled[card.position] = true;
    spread.positionReversed[card.position] = card.reversed != 0;
    return true;
}

std::optional<QByteArray> Drawing::promptAfterDraw(const UiTextTable &texts, const Spread &spread,
                                                   int drawnCount)
{
    if (drawnCount >= spread.positionCount)
        return texts.text(UiText::SpreadCompleted);
    const int ordinal = drawnCount - spread.significatorCount;
    QByteArray prompt;
    switch (ordinal) {
    case 0:
        prompt = texts.text(UiText::PromptFirstPosition);
        break;
    case 1:
        prompt = texts.text(UiText::PromptSecondPosition);
        break;
    case 2:
        prompt = texts.text(UiText::PromptThirdPosition);
        break;
    default:
        if (ordinal < 0)
            return std::nullopt;
        prompt = texts.text(UiText::PromptNthPositionStart) + QByteArray::number(ordinal + 1) +
                 texts.text(UiText::PromptNthPositionEnd);
    }
    return prompt + "\r\n" + spread.explanation[drawnCount];
}

QList<int> Drawing::moveSignificatorsAside(Deck::Slots &cards, int deckSize, const Spread &spread)
{
    QList<int> used;
    int target = 0;
    int alternate = 0;
    for (int i = 0; i < spread.positionCount; ++i) {
        if (!spread.isSignificator[i])
            continue;
        for (int slot = 0; slot < deckSize; ++slot) {
            if (cards[slot].number == quint32(spread.cardAt[i]))
                std::swap(cards[slot].number, cards[target].number);
        }
        used.append(target);
        target = deckSize + alternate - target - 1;
        alternate = 1 - alternate;
    }
    return used;
}

int Drawing::chooseAutomaticCard(const Spread &spread, int deckSize, RandomGenerator &random)
{
    const auto lies = [&spread](int number) {
        for (int j = 0; j < spread.positionCount; ++j) {
            if (spread.cardAt[j] == number)
                return true;
        }
        return false;
    };
    int free = 0;
    for (int n = 0; n < deckSize; ++n)
        free += lies(deckSize == 23 && n == 22 ? Deck::ExtraCard : n) ? 0 : 1;
    if (free == 0)
        return -1;
    for (;;) {
        int number = random.uniform(deckSize);
        if (deckSize == 23 && number == 22)
            number = Deck::ExtraCard;
        if (!lies(number))
            return number;
    }
}
