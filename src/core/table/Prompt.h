#pragma once

#include <QByteArray>

class Spread;
class UiTextTable;

// What the prompt panel asks the user to do next. It is kept as the step and
// the position it concerns, not as text, so that it can be said in whatever
// language is loaded when it is shown.
struct Prompt
{
    enum class Step
    {
        StartReading,
        ChooseSignificator,
        SignificatorCancelled,
        Shuffle,
        Shuffling,
        Cut,
        // Draw a card for `position`: its ordinal among the ordinary
        // positions, then its explanation.
        DrawForPosition,
        SpreadCompleted,
        TypeIn,
        ReadingOpened,
        AllFaceUp,
    };

    Step step = Step::StartReading;
    int position = -1;

    static Prompt forPosition(int position) { return {Step::DrawForPosition, position}; }

    // The prompt in the language of `texts`, in its bytes; lines end in CR LF.
    QByteArray text(const UiTextTable &texts, const Spread &spread) const;

    friend bool operator==(const Prompt &a, const Prompt &b)
    {
        return a.step == b.step && a.position == b.position;
    }
    friend bool operator!=(const Prompt &a, const Prompt &b) { return !(a == b); }
};
