#pragma once

#include "ui/common/DialogContext.h"

#include <QObject>

class QWidget;
class ReadingSession;
class SpreadView;

// Cards chosen by hand with the Select card dialog: the significators before
// the shuffle, and every card of a reading typed in from a physical deck.
// While the dialog asks, the table marks the position the card is for.
class HandChoice : public QObject
{
    Q_OBJECT

public:
    // `window` parents the dialogs; the other parts must outlive this object.
    HandChoice(QWidget *window, const DialogContext &context, ReadingSession &session,
               SpreadView &spreadView, QObject *parent = nullptr);

    // Asks for the card of `position` until the user picks one that is not
    // in the spread yet, or cancels; true when a card was placed.
    bool choose(int position);
    // Asks for every significator in turn; a cancelled one ends the reading.
    void chooseSignificators();

private:
    QString captionFor(int position) const;

    QWidget *m_window;
    const DialogContext m_context;
    ReadingSession &m_session;
    SpreadView &m_spreadView;
};
