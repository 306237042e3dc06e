#include "ui/table/TableFocus.h"

#include "core/table/ReadingSession.h"
#include "ui/table/CardImage.h"
#include "ui/table/DeckView.h"
#include "ui/table/SpreadView.h"

#include <QPushButton>

TableFocus::TableFocus(QWidget *table, DeckView &deck, SpreadView &spread, CardImage &extraCard,
                       const ReadingSession &session)
    : QObject(table)
    , m_table(table)
    , m_deck(deck)
    , m_spread(spread)
    , m_extraCard(extraCard)
    , m_session(session)
{
    QWidget *previous = &m_deck;
    for (const char *name : {"shuffleButton", "stopButton", "cutButton"}) {
        if (auto *button = table->findChild<QPushButton *>(QLatin1String(name))) {
            QWidget::setTabOrder(previous, button);
            previous = button;
        }
    }
    connect(&m_session, &ReadingSession::phaseChanged, this, &TableFocus::onPhaseChanged);
    connect(&m_session, &ReadingSession::spreadLaid, this, &TableFocus::onSpreadLaid);
}

void TableFocus::onSpreadLaid()
{
    // New pictures join the end of the chain; the extra card follows them.
    int last = m_session.spread().positionCount() - 1;
    if (CardImage *image = m_spread.positionImage(last))
        QWidget::setTabOrder(image, &m_extraCard);
}

void TableFocus::onPhaseChanged()
{
    using Phase = ReadingSession::Phase;
    switch (m_session.phase()) {
    case Phase::TypingIn:
        if (CardImage *first = m_spread.positionImage(0))
            first->setFocus(Qt::OtherFocusReason);
        break;
    case Phase::ChoosingSignificators:
        break;
    case Phase::Complete: {
        // The focus stays where the last card was drawn or typed in, unless
        // the part that had it went.
        QWidget *focused = m_table->focusWidget();
        if (!focused || !focused->isVisible())
            m_deck.setFocus(Qt::OtherFocusReason);
        break;
    }
    default:
        m_deck.setFocus(Qt::OtherFocusReason);
        break;
    }
}
