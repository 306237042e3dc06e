#include "core/table/Prompt.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "core/spreads/Spread.h"

#include <algorithm>

namespace {

// "First position", "Second...", "Third..." and then "Card N..." for the
// ordinary position `ordinal` (counted from 0).
QByteArray ordinalLine(const UiTextTable &texts, int ordinal)
{
    switch (ordinal) {
    case 0:
        return texts.text(UiText::PromptFirstPosition);
    case 1:
        return texts.text(UiText::PromptSecondPosition);
    case 2:
        return texts.text(UiText::PromptThirdPosition);
    default:
        return texts.text(UiText::PromptNthPositionStart) + QByteArray::number(ordinal + 1) +
               texts.text(UiText::PromptNthPositionEnd);
    }
}

int lineOf(Prompt::Step step)
{
    switch (step) {
    case Prompt::Step::StartReading:
        return UiText::PromptStartReading;
    case Prompt::Step::ChooseSignificator:
        return UiText::PromptChooseSignificator;
    case Prompt::Step::SignificatorCancelled:
        return UiText::PromptSignificatorCancelled;
    case Prompt::Step::Shuffle:
        return UiText::PromptShuffle;
    case Prompt::Step::Shuffling:
        return UiText::PromptShuffling;
    case Prompt::Step::Cut:
        return UiText::PromptCut;
    case Prompt::Step::SpreadCompleted:
        return UiText::SpreadCompleted;
    case Prompt::Step::TypeIn:
        return UiText::ManualInputPrompt;
    case Prompt::Step::ReadingOpened:
        return UiText::ReadingOpenedPrompt;
    case Prompt::Step::AllFaceUp:
        return UiText::PromptAllFaceUp;
    case Prompt::Step::DrawForPosition:
        break;
    }
    return UiText::PromptFirstPosition;
}

} // namespace

QByteArray Prompt::text(const UiTextTable &texts, const Spread &spread) const
{
    if (step != Step::DrawForPosition)
        return texts.text(lineOf(step));
    const int ordinal = std::max(position - spread.significatorCount(), 0);
    return ordinalLine(texts, ordinal) + "\r\n" + spread.explanation(position);
}
