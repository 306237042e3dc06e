#pragma once

#include <QObject>

class CardImage;
class DeckView;
class QWidget;
class ReadingSession;
class SpreadView;

// The order in which Tab visits the table (the deck, the buttons of the step
// at hand, the positions, the extra card) and where the keyboard's focus goes
// when the reading moves on: to the deck while it is shuffled, cut and drawn
// from, to the first position while cards are typed in.
class TableFocus : public QObject
{
    Q_OBJECT

public:
    TableFocus(QWidget *table, DeckView &deck, SpreadView &spread, CardImage &extraCard,
               const ReadingSession &session);

private:
    void onPhaseChanged();
    void onSpreadLaid();

    QWidget *m_table;
    DeckView &m_deck;
    SpreadView &m_spread;
    CardImage &m_extraCard;
    const ReadingSession &m_session;
};
