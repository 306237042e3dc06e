// The table's deck: shuffling, cutting, laying the fan and drawing from it.
#include "ui/table/TableWindow.h"

#include "core/engine/DeckCut.h"
#include "core/engine/Drawing.h"
#include "core/engine/Shuffle.h"
#include "core/lang/UiText.h"
#include "core/util/Rounding.h"
#include "ui/readings/CommentsWindow.h"
#include "ui/table/CutAnimation.h"
#include "ui/table/TableCanvas.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>

#include <cmath>

QRect TableWindow::stackedDeckRect() const
{
    return QRect(QPoint(width() / 2 - 77, height() / 2 - 164),
                 QPoint(width() / 2 + 106 - 1, height() / 2 + 100 - 1));
}

void TableWindow::SpeedButton1Click()
{
    if (spread.SignificatorCount == 0)
        DeckSize = Deck::sizeFor(MajorOnly, Deck79);
    Deck::SetCards(Cards, DeckSize, Deck79, UseReverse, width(), Random);
    commentsWindow->hide();
    SpeedButton2->setEnabled(true);
    Shuffling = true;
    DeckFanned = false;
    SpreadViewEnlarged = false;
    TableReady = false;
    m_shuffleAngle = 0.8;
    Random.seedFromClock();
    if (!m_shuffleTimer) {
        m_shuffleTimer = new QTimer(this);
        m_shuffleTimer->setInterval(0);
        connect(m_shuffleTimer, &QTimer::timeout, this, &TableWindow::shuffleFrame);
    }
    m_shuffleTimer->start();
}

void TableWindow::shuffleFrame()
{
    if (!Shuffling) {
        m_shuffleTimer->stop();
        return;
    }
    Shuffle::frame(Cards, DeckSize, UseReverse, Random);
    // Backs pile up along an ellipse until the table is painted afresh.
    const QPoint centre(width() / 2 - 55, height() / 2 - 135);
    const QPoint place = centre + QPoint(roundHalfEven(std::cos(m_shuffleAngle) * 65),
                                         roundHalfEven(std::sin(m_shuffleAngle) * 55));
    QPainter painter(&Canvas->image());
    painter.drawImage(place, m_largeBack);
    painter.end();
    Canvas->update(QRect(place, m_largeBack.size()));
    m_shuffleAngle += 0.1;
}

void TableWindow::SpeedButton2Click()
{
    Shuffling = false;
    if (m_shuffleTimer)
        m_shuffleTimer->stop();
    SpeedButton1->hide();
    SpeedButton2->hide();
    SpeedButton2->setEnabled(false);
    SpeedButton3->show();
    FormPaint();
    if (OpenedReading || ManualInput || !CutDeck)
        Piling(10, 10);
}

void TableWindow::SpeedButton3Click()
{
    Piling(width() / 2, height() / 2);
}

void TableWindow::Piling(int x, int y)
{
    const bool skipCut = OpenedReading || ManualInput || !CutDeck;
    if (!skipCut && !stackedDeckRect().contains(x, y)) {
        OpenedReading = false;
        return;
    }
    if (!skipCut) {
        DoPile(DeckCut::cutPoint(x, width(), DeckSize));
        if (m_closed)
            return; // the window was closed while the cut was shown
    }
    SpeedButton3->hide();
    DeckFanned = true;
    Label4->hide();
    Canvas->image().fill(TableColor::toQColor(BackColor));

    ScrollBox1->show();
    Panel1->show();
    Panel2->show();
    fitSpreadArea();
    Label1->setText(SpreadName);
    setPrompt(UiTexts.text(UiText::PromptFirstPosition) + "\r\n" +
              spread.Explanation[qBound(0, spread.SignificatorCount, Spread::Capacity - 1)]);
    if (!ManualInput) {
        for (int slot : Drawing::moveSignificatorsAside(Cards, DeckSize, spread))
            TakeAway(Cards[slot]);
    }
    PromptText = m_prompt;
    Label1->show();
    Label2->show();
    TableReady = true;
    FormPaint();
    if (AutoDrawPending) {
        DoRandomDraw();
        AutoDrawPending = false;
    }
    OpenedReading = false;
}

void TableWindow::DoPile(int k)
{
    SpeedButton3->hide();
    CutAnimation animation(Canvas, TableColor::toQColor(BackColor), m_largeBack);
    if (CutThreePiles) {
        animation.playThreePiles(stackedDeckRect().topLeft());
        DeckCut::threePiles(Cards, DeckSize, k);
    } else {
        animation.playPlain(stackedDeckRect().topLeft());
        DeckCut::plain(Cards, DeckSize, k);
    }
}

void TableWindow::DoRandomDraw()
{
    const int generation = m_readingGeneration;
    const QPointer<TableWindow> alive(this);
    Random.seedFromClock();
    for (int i = 0; i < spread.PositionCount; ++i) {
        if (spread.IsSignificator[i])
            continue;
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < 2)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
        // The window may have been closed or another reading begun meanwhile.
        if (!alive || generation != m_readingGeneration || !DeckFanned)
            return;
        const int number = Drawing::chooseAutomaticCard(spread, DeckSize, Random);
        if (number < 0)
            return;
        for (int slot = 0; slot < DeckSize; ++slot) {
            if (Cards[slot].Number == quint32(number)) {
                DrawCard(Cards[slot]);
                break;
            }
        }
    }
}

void TableWindow::FormMouseDown(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    const bool canDraw =
        DeckFanned && (DrawnCount < spread.PositionCount || ExtraDrawAllowed) && !ManualInput;
    if (canDraw && PendingSignificators < 1 && !AutoDrawPending) {
        for (int slot = DeckSize - 1; slot >= 0; --slot) {
            if (Cards[slot].HitTest(point.x(), point.y())) {
                DrawCard(Cards[slot]);
                break;
            }
        }
    }
    if (canDraw && PendingSignificators > 0) {
        for (int i = 0; i <= spread.SignificatorCount && i < spread.PositionCount; ++i) {
            if (!spread.Filled[i]) {
                ShowPosition(i);
                break;
            }
        }
    }
    if (DeckFanned)
        return;
    if (Shuffling)
        SpeedButton2Click();
    else if (!SpeedButton1->isHidden())
        SpeedButton1Click();
    else if (!SpeedButton3->isHidden())
        Piling(point.x(), point.y());
    else
        Selectnewspread2Click();
}
