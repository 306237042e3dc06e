// The table's spread positions: laying a spread out, turning its cards face
// up, the table colour and the enlarged spread view.
#include "TableFrm.h"

#include "Interaction.h"
#include "TableCanvas.h"
#include "cards/CardImage.h"
#include "cards/CardPicture.h"
#include "cards/Resize.h"
#include "cards/ShowForm.h"
#include "engine/Deck.h"
#include "engine/Drawing.h"
#include "lang/UiText.h"
#include "readings/CommForm.h"
#include "spreads/PositionLabels.h"
#include "spreads/SelectSp.h"

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

void TForm1::SelectlayoutF12Click()
{
    Selectnewspread2Click();
}

void TForm1::SelectlayoutF11Click()
{
    Selectnewspread2Click();
}

bool TForm1::chooseSpread(const QString &caption)
{
    const TForm2::Texts texts{caption, uiText(UiText::Ok), uiText(UiText::Cancel),
                              uiText(UiText::NoSpreadsFound) + QLatin1Char('\n') +
                                  uiText(UiText::NoSpreadsFoundHint)};
    TForm2 chooser(SpreadNames, SpreadName, texts, this);
    if (m_interaction.execDialog(chooser) != QDialog::Accepted)
        return false;
    if (!chooser.chosenName().isEmpty())
        SpreadName = chooser.chosenName();
    return true;
}

void TForm1::Selectnewspread2Click()
{
    if (!chooseSpread(uiText(UiText::SelectSpreadCaption)))
        return;
    endReadingInProgress();
    Spread.ResetSpread();
    ExtraDrawAllowed = false;
    if (!SpreadName.isEmpty())
        MakeSpreadAndImages();
    musicForNewSpread();

    bool cancelled = false;
    for (int i = 0; i < Spread.PositionCount && !cancelled; ++i) {
        if (!Spread.IsSignificator[i])
            continue;
        pauseMilliseconds(25);
        DeckSize = Deck::sizeFor(MajorOnly, Deck79);
        const int pendingBefore = PendingSignificators;
        ShowPosition(i);
        if (PendingSignificators == pendingBefore)
            cancelled = true;
        else if (i == 0)
            QuerentCard = Spread.CardAt[0];
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

void TForm1::endReadingInProgress()
{
    ++m_readingGeneration;
    Shuffling = false;
    DeckFanned = false;
    ManualInput = false;
    CommentsWindow->hide();
    for (QWidget *widget : std::initializer_list<QWidget *>{ScrollBox1, Panel1, Panel2, Label1,
                                                            Label2, ExtraCardImage})
        widget->hide();
    RestoreDeck();
    TableReady = false;
    FormPaint();
}

void TForm1::MakeSpreadAndImages()
{
    if (Spread.LoadSpread(TSpreadParser::filePath(AppDir, SpreadName)) !=
        TSpreadParser::LoadResult::Loaded)
        m_interaction.showMessage(this, uiText(UiText::SpreadUnreadable));
    PendingSignificators = Spread.SignificatorCount;
    DrawnCount = 0;
    for (CardImage *&image : PositionImages) {
        delete image;
        image = nullptr;
    }
    ScrollBox1->horizontalScrollBar()->setValue(0);
    ScrollBox1->verticalScrollBar()->setValue(0);

    int right = 0;
    int bottom = 0;
    for (int i = 0; i < Spread.PositionCount; ++i) {
        auto *image = new CardImage(i, ScrollBox1->widget());
        image->setObjectName(QStringLiteral("PositionImage%1").arg(i));
        image->resize(SmallCardWidth, SmallCardHeight);
        connect(image, &CardImage::clicked, this, &TForm1::crdbmpclick);
        PositionImages[i] = image;
        paintPositionLabel(i);
        if (UseTips)
            image->setToolTip(QString::fromLocal8Bit(PositionLabels::hint(Spread, i)));
        image->move(Spread.PosX[i], Spread.PosY[i]);
        image->show();
        right = std::max(right, Spread.PosX[i]);
        bottom = std::max(bottom, Spread.PosY[i]);
    }
    ExtentMarker->move(right + SmallCardWidth, bottom + SmallCardHeight);
    fitSpreadArea();
}

void TForm1::fitSpreadArea()
{
    // The scrollable surface reaches the extent marker, or fills the view.
    const QSize view = ScrollBox1->viewport()->size();
    const QRect marker = ExtentMarker->geometry();
    ScrollBox1->widget()->resize(std::max(view.width(), marker.right() + 1),
                                 std::max(view.height(), marker.bottom() + 1));
}

void TForm1::paintPositionLabel(int position)
{
    QImage picture(SmallCardWidth, SmallCardHeight, QImage::Format_RGB32);
    picture.fill(TableColor::toQColor(BackColor));
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, SmallCardWidth - 1, SmallCardHeight - 1);
    painter.drawText(QRect(5, 5, SmallCardWidth - 10, SmallCardHeight - 10),
                     Qt::AlignLeft | Qt::AlignTop,
                     QString::fromLocal8Bit(PositionLabels::tableLabel(Spread, position)));
    painter.end();
    PositionImages[position]->setPixmap(QPixmap::fromImage(picture));
}

void TForm1::repaintPositionLabels()
{
    for (int i = 0; i < Spread.PositionCount; ++i) {
        if (PositionImages[i] && !(DeckFanned && Spread.Filled[i]))
            paintPositionLabel(i);
    }
}

void TForm1::crdbmpclick(int tag)
{
    ShowPosition(tag);
}

void TForm1::ShowPosition(int position)
{
    if (position < 0 || position >= Spread.PositionCount)
        return;
    if (Spread.Filled[position]) {
        if (Spread.Revealed[position]) {
            ShowCardDetail(Spread.CardAt[position], Spread.PositionReversed[position],
                           Spread.Explanation[position]);
            return;
        }
        Spread.Revealed[position] = true;
        if (!Spread.IsSignificator[position])
            ExtraDrawAllowed = true;
        if (Spread.PositionReversed[position]) {
            LoadReversedPositionImage(position);
        } else {
            const QImage face = CardPicture::load(AppDir, DeckName, Spread.CardAt[position], false);
            if (!face.isNull())
                PositionImages[position]->setPixmap(QPixmap::fromImage(face));
        }
        return;
    }
    if (Spread.IsSignificator[position] || ManualInput)
        chooseCardByHand(position);
}

void TForm1::LoadReversedPositionImage(int position)
{
    const QImage face = CardPicture::load(AppDir, DeckName, Spread.CardAt[position], true);
    if (!face.isNull() && PositionImages[position])
        PositionImages[position]->setPixmap(QPixmap::fromImage(face));
}

void TForm1::Backgroundcolor1Click()
{
    QColorDialog dialog(TableColor::toQColor(BackColor), this);
    dialog.setObjectName(QStringLiteral("ColorDialog"));
    if (m_interaction.execDialog(dialog) == QDialog::Accepted)
        setBackColor(TableColor::fromQColor(dialog.selectedColor()));
}

void TForm1::Defaultbackground1Click()
{
    setBackColor(TableColor::DefaultBackColor);
}

void TForm1::setBackColor(TColor color)
{
    BackColor = color;
    applyBackColor();
    repaintPositionLabels();
}

void TForm1::RemoveDeck1Click()
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

void TForm1::RestoreDeck()
{
    if (SpreadViewEnlarged)
        ScrollBox1->setGeometry(TableRect);
    SpreadViewEnlarged = false;
    fitSpreadArea();
}

void TForm1::onWheel(QWheelEvent *event)
{
    if (!ScrollBox1->isVisible())
        return;
    QScrollBar *bar = ScrollBox1->verticalScrollBar();
    bar->setValue(bar->value() + (event->angleDelta().y() < 0 ? 40 : -40));
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ScrollBox1->viewport() && event->type() == QEvent::Wheel) {
        onWheel(static_cast<QWheelEvent *>(event));
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::PaintBack(const TCard &card)
{
    if (!card.isPainted())
        return;
    QPainter painter(&Canvas->image());
    painter.drawImage(card.X, card.Y, m_smallBack);
}

void TForm1::TakeAway(TCard &card)
{
    const int oldX = card.X;
    const int oldY = card.Y;
    card.X = TCard::OffTable;
    card.Y = TCard::OffTable;
    eraseFanRect(oldX, oldY);
}

void TForm1::eraseFanRect(int x, int y)
{
    // The fan is painted in slot order, so the cards below the erased one
    // are painted again where they showed through.
    QImage &image = Canvas->image();
    QPainter painter(&image);
    const QRect erased(x, y, TCard::FanWidth, TCard::FanHeight);
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

void TForm1::DrawCard(TCard &card)
{
    TakeAway(card);
    if (Drawing::placeInNextPosition(card, Spread, DrawnCount)) {
        PositionImages[card.Position]->setPixmap(QPixmap::fromImage(m_largeBack));
        if (const auto prompt = Drawing::promptAfterDraw(UiTexts, Spread, DrawnCount))
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

void TForm1::ShowTurnedExtraCard(const TCard &card)
{
    const QImage face = CardPicture::load(AppDir, DeckName, int(card.Number), true);
    if (face.isNull())
        return;
    ExtraCardImage->setPixmap(QPixmap::fromImage(face));
    ExtraCardImage->show();
}

void TForm1::setPrompt(const QByteArray &text)
{
    m_prompt = text;
    Label2->setText(displayText(text));
}

void TForm1::ShowCardDetail(int number, bool reversed, const QByteArray &subtitle)
{
    TForm4::ShowCardDetail(*this, m_interaction, this, number, reversed, subtitle);
}

void TForm1::Resizeenlargedcard1Click()
{
    TForm12::run(*this, m_interaction, this);
}

void TForm1::musicForNewSpread()
{
    // Background music is not part of this build yet.
}

void TForm1::musicForOpenedReading()
{
    // Background music is not part of this build yet.
}
