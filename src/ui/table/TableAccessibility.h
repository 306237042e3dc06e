#pragma once

#include <QObject>

class DeckView;
class ProgramData;
class QLabel;
class QWidget;
class ReadingSession;
class SpreadView;

// What the table tells a screen reader, in the interface language: the
// deck (stacked, waiting for its cut, or fanned with its number of cards
// and the one that has the focus), every position (its label and, face up,
// its card's title and orientation, or that it is empty or face down, with
// its explanation) and the prompt, announced whenever it changes.
class TableAccessibility : public QObject
{
    Q_OBJECT

public:
    // The parts named live on `table`; the data and the session outlive them.
    TableAccessibility(QWidget *table, DeckView &deck, SpreadView &spread, QLabel &prompt,
                       const ProgramData &data, const ReadingSession &session);

    // Names everything again in the language just loaded.
    void retranslate();

private:
    void describeDeck();
    void describePosition(int position);
    void describeSpread();
    void announcePrompt();

    DeckView &m_deck;
    SpreadView &m_spread;
    QLabel &m_prompt;
    const ProgramData &m_data;
    const ReadingSession &m_session;
};
