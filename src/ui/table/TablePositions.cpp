// The table's spread positions: laying a spread out, turning its cards face
// up, the table colour and the enlarged spread view.
#include "ui/table/TableWindow.h"

#include "core/cards/CardPicture.h"
#include "core/engine/Deck.h"
#include "core/engine/Drawing.h"
#include "core/lang/UiText.h"
#include "core/spreads/PositionLabels.h"
#include "ui/cards/CardDetailWindow.h"
#include "ui/cards/ImageSettingsDialog.h"
#include "ui/common/Interaction.h"
#include "ui/readings/CommentsWindow.h"
#include "ui/spreads/SpreadChooser.h"
#include "ui/table/CardImage.h"
#include "ui/table/TableCanvas.h"

#include <QColorDialog>
#include <QElapsedTimer>
#include <QFrame>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QThread>
#include <QWheelEvent>

#include <algorithm>

namespace {

QString displayText(const QByteArray &bytes)
{
    return QString::fromLocal8Bit(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Waits without letting the window react, for the short pause between
// significator choices.
void pauseMilliseconds(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QThread::msleep(1);
}

} // namespace

void TableWindow::SelectlayoutF12Click()
{
    Selectnewspread2Click();
}

void TableWindow::SelectlayoutF11Click()
{
    Selectnewspread2Click();
}

bool TableWindow::chooseSpread(const QString &caption)
{
    SpreadChooser chooser(SpreadNames, SpreadName, caption, UiTexts, this);
    if (m_interaction.execDialog(chooser) != QDialog::Accepted)
        return false;
    if (!chooser.chosenName().isEmpty())
        SpreadName = chooser.chosenName();
    return true;
}

void TableWindow::Selectnewspread2Click()
{
    if (!chooseSpread(uiText(UiText::SelectSpreadCaption)))
        return;
    endReadingInProgress();
    spread.ResetSpread();
    ExtraDrawAllowed = false;
    if (!SpreadName.isEmpty())
        MakeSpreadAndImages();
    musicForNewSpread();

    bool cancelled = false;
    for (int i = 0; i < spread.PositionCount && !cancelled; ++i) {
        if (!spread.IsSignificator[i])
            continue;
        pauseMilliseconds(25);
        DeckSize = Deck::sizeFor(MajorOnly, Deck79);
        const int pendingBefore = PendingSignificators;
        ShowPosition(i);
        if (PendingSignificators == pendingBefore)
            cancelled = true;
        else if (i == 0)
            QuerentCard = spread.CardAt[0];
    }
    if (cancelled) {
        SpeedButton1->hide();
        SpeedButton2->hide();
    } else {
        AutoDrawPending = DrawAuto;
        SpeedButton1->show();
        SpeedButton2->show();
        SpeedButton3->hide();
    }
}

void TableWindow::endReadingInProgress()
{
    ++m_readingGeneration;
    Shuffling = false;
    DeckFanned = false;
    ManualInput = false;
    commentsWindow->hide();
    for (QWidget *widget : std::initializer_list<QWidget *>{ScrollBox1, Panel1, Panel2, Label1,
                                                            Label2, ExtraCardImage})
        widget->hide();
    RestoreDeck();
    TableReady = false;
    FormPaint();
}

void TableWindow::MakeSpreadAndImages()
{
    if (spread.LoadSpread(Spread::filePath(AppDir, SpreadName)) != Spread::LoadResult::Loaded)
        m_interaction.showMessage(this, uiText(UiText::SpreadUnreadable));
    PendingSignificators = spread.SignificatorCount;
    DrawnCount = 0;
    for (CardImage *&image : PositionImages) {
        delete image;
        image = nullptr;
    }
    ScrollBox1->horizontalScrollBar()->setValue(0);
    ScrollBox1->verticalScrollBar()->setValue(0);

    int right = 0;
    int bottom = 0;
    for (int i = 0; i < spread.PositionCount; ++i) {
        auto *image = new CardImage(i, ScrollBox1->widget());
        image->setObjectName(QStringLiteral("PositionImage%1").arg(i));
        image->resize(SmallCardWidth, SmallCardHeight);
        connect(image, &CardImage::clicked, this, &TableWindow::crdbmpclick);
        PositionImages[i] = image;
        paintPositionLabel(i);
        if (UseTips)
            image->setToolTip(QString::fromLocal8Bit(PositionLabels::hint(spread, i)));
        image->move(spread.PosX[i], spread.PosY[i]);
        image->show();
        right = std::max(right, spread.PosX[i]);
        bottom = std::max(bottom, spread.PosY[i]);
    }
    ExtentMarker->move(right + SmallCardWidth, bottom + SmallCardHeight);
    fitSpreadArea();
}

void TableWindow::fitSpreadArea()
{
    // The scrollable surface reaches the extent marker, or fills the view.
    const QSize view = ScrollBox1->viewport()->size();
    const QRect marker = ExtentMarker->geometry();
    ScrollBox1->widget()->resize(std::max(view.width(), marker.right() + 1),
                                 std::max(view.height(), marker.bottom() + 1));
}

void TableWindow::paintPositionLabel(int position)
{
    QImage picture(SmallCardWidth, SmallCardHeight, QImage::Format_RGB32);
    picture.fill(TableColor::toQColor(BackColor));
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, SmallCardWidth - 1, SmallCardHeight - 1);
    painter.drawText(QRect(5, 5, SmallCardWidth - 10, SmallCardHeight - 10),
                     Qt::AlignLeft | Qt::AlignTop,
                     QString::fromLocal8Bit(PositionLabels::tableLabel(spread, position)));
    painter.end();
    PositionImages[position]->setPixmap(QPixmap::fromImage(picture));
}

void TableWindow::repaintPositionLabels()
{
    for (int i = 0; i < spread.PositionCount; ++i) {
        if (PositionImages[i] && !(DeckFanned && spread.Filled[i]))
            paintPositionLabel(i);
    }
}

void TableWindow::crdbmpclick(int tag)
{
    ShowPosition(tag);
}

void TableWindow::ShowPosition(int position)
{
    if (position < 0 || position >= spread.PositionCount)
        return;
    if (spread.Filled[position]) {
        if (spread.Revealed[position]) {
            ShowCardDetail(spread.CardAt[position], spread.PositionReversed[position],
                           spread.Explanation[position]);
            return;
        }
        spread.Revealed[position] = true;
        if (!spread.IsSignificator[position])
            ExtraDrawAllowed = true;
        if (spread.PositionReversed[position]) {
            LoadReversedPositionImage(position);
        } else {
            const QImage face = CardPicture::load(AppDir, DeckName, spread.CardAt[position], false);
            if (!face.isNull())
                PositionImages[position]->setPixmap(QPixmap::fromImage(face));
        }
        return;
    }
    if (spread.IsSignificator[position] || ManualInput)
        chooseCardByHand(position);
}

void TableWindow::LoadReversedPositionImage(int position)
{
    const QImage face = CardPicture::load(AppDir, DeckName, spread.CardAt[position], true);
    if (!face.isNull() && PositionImages[position])
        PositionImages[position]->setPixmap(QPixmap::fromImage(face));
}

void TableWindow::Backgroundcolor1Click()
{
    QColorDialog dialog(TableColor::toQColor(BackColor), this);
    dialog.setObjectName(QStringLiteral("ColorDialog"));
    if (m_interaction.execDialog(dialog) == QDialog::Accepted)
        setBackColor(TableColor::fromQColor(dialog.selectedColor()));
}

void TableWindow::Defaultbackground1Click()
{
    setBackColor(TableColor::DefaultBackColor);
}

void TableWindow::setBackColor(TColor color)
{
    BackColor = color;
    applyBackColor();
    repaintPositionLabels();
}

void TableWindow::RemoveDeck1Click()
{
    if (!TableReady)
        return;
    if (SpreadViewEnlarged) {
        RestoreDeck();
        return;
    }
    TableRect = ScrollBox1->geometry();
    ScrollBox1->setGeometry(Canvas->rect());
    ScrollBox1->raise();
    SpreadViewEnlarged = true;
    fitSpreadArea();
}

void TableWindow::RestoreDeck()
{
    if (SpreadViewEnlarged)
        ScrollBox1->setGeometry(TableRect);
    SpreadViewEnlarged = false;
    fitSpreadArea();
}

void TableWindow::onWheel(QWheelEvent *event)
{
    if (!ScrollBox1->isVisible())
        return;
    QScrollBar *bar = ScrollBox1->verticalScrollBar();
    bar->setValue(bar->value() + (event->angleDelta().y() < 0 ? 40 : -40));
}

bool TableWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ScrollBox1->viewport() && event->type() == QEvent::Wheel) {
        onWheel(static_cast<QWheelEvent *>(event));
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TableWindow::PaintBack(const Card &card)
{
    if (!card.isPainted())
        return;
    QPainter painter(&Canvas->image());
    painter.drawImage(card.X, card.Y, m_smallBack);
}

void TableWindow::TakeAway(Card &card)
{
    const int oldX = card.X;
    const int oldY = card.Y;
    card.X = Card::OffTable;
    card.Y = Card::OffTable;
    eraseFanRect(oldX, oldY);
}

void TableWindow::eraseFanRect(int x, int y)
{
    // The fan is painted in slot order, so the cards below the erased one
    // are painted again where they showed through.
    QImage &image = Canvas->image();
    QPainter painter(&image);
    const QRect erased(x, y, Card::FanWidth, Card::FanHeight);
    painter.fillRect(erased, TableColor::toQColor(BackColor));
    painter.setClipRect(erased);
    if (DeckFanned) {
        for (int slot = 0; slot < DeckSize; ++slot) {
            if (Cards[slot].isPainted())
                painter.drawImage(Cards[slot].X, Cards[slot].Y, m_smallBack);
        }
    }
    Canvas->update(erased);
}

void TableWindow::DrawCard(Card &card)
{
    TakeAway(card);
    if (Drawing::placeInNextPosition(card, spread, DrawnCount)) {
        PositionImages[card.Position]->setPixmap(QPixmap::fromImage(m_largeBack));
        if (const auto prompt = Drawing::promptAfterDraw(UiTexts, spread, DrawnCount))
            setPrompt(*prompt);
        PromptText = m_prompt;
        return;
    }
    ExtraCardNumber = int(card.Number);
    ExtraCardReversed = card.Reversed != 0;
    ExtraCardImage->setTag(ExtraCardNumber);
    if (card.Reversed) {
        ShowTurnedExtraCard(card);
        return;
    }
    const QImage face = CardPicture::load(AppDir, DeckName, int(card.Number), false);
    if (!face.isNull()) {
        ExtraCardImage->setPixmap(QPixmap::fromImage(face));
        ExtraCardImage->show();
    }
}

void TableWindow::ShowTurnedExtraCard(const Card &card)
{
    const QImage face = CardPicture::load(AppDir, DeckName, int(card.Number), true);
    if (face.isNull())
        return;
    ExtraCardImage->setPixmap(QPixmap::fromImage(face));
    ExtraCardImage->show();
}

void TableWindow::setPrompt(const QByteArray &text)
{
    m_prompt = text;
    Label2->setText(displayText(text));
}

void TableWindow::ShowCardDetail(int number, bool reversed, const QByteArray &subtitle)
{
    CardDetailWindow window(*this, m_interaction, number, reversed, subtitle, UiTexts, this);
    m_interaction.execDialog(window);
}

void TableWindow::Resizeenlargedcard1Click()
{
    ImageSettingsDialog dialog(*this, m_interaction, UiTexts, this);
    m_interaction.execDialog(dialog);
}

void TableWindow::musicForNewSpread()
{
    // Background music is not part of this build yet.
}

void TableWindow::musicForOpenedReading()
{
    // Background music is not part of this build yet.
}
