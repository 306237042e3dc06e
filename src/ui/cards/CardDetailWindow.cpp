#include "ui/cards/CardDetailWindow.h"

#include "core/app/TableState.h"
#include "core/cards/CardPicture.h"
#include "core/cards/MeaningText.h"
#include "core/cards/PictureBox.h"
#include "core/lang/UiText.h"
#include "ui/cards/MeaningSaveDialog.h"
#include "ui/common/Interaction.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr int PictureLeft = 24;
constexpr int ContentTop = 80;
constexpr int LabelTop = 12;
constexpr int LabelHeight = 60;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
const QColor CaptionBlue(0, 0, 255);

// Meaning files keep the line breaks of the files the program ships; the
// text field works with bare line feeds.
QByteArray fileBytes(const QString &text)
{
    QString withBreaks = text;
    withBreaks.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return withBreaks.toLocal8Bit();
}

void makeBlue(QLabel *label, bool bold, int pixelSize)
{
    QFont font = label->font();
    font.setBold(bold);
    font.setPixelSize(pixelSize);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, CaptionBlue);
    label->setPalette(palette);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}
} // namespace

CardDetailWindow::CardDetailWindow(TableState &state, Interaction &interaction, int number,
                                   bool reversed, const QByteArray &subtitle, QWidget *parent)
    : QDialog(parent)
    , Panel1(new QFrame(this))
    , Label1(new QLabel(Panel1))
    , Label2(new QLabel(Panel1))
    , Image1(new QLabel(Panel1))
    , Memo1(new QPlainTextEdit(Panel1))
    , BitBtn1(new QPushButton(Panel1))
    , BitBtn2(new QPushButton(Panel1))
    , CardNumber(number)
    , CardReversed(reversed)
    , m_state(state)
    , m_interaction(interaction)
{
    setObjectName(QStringLiteral("CardDetailWindow"));
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Memo1->setObjectName(QStringLiteral("Memo1"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    layOut();
    showPicture();

    QString caption = QString::fromLocal8Bit(m_state.CardTitles[std::size_t(number)]);
    if (reversed)
        caption += QStringLiteral(" (") + uiText(UiText::ReversedWord) + QLatin1Char(')');
    setWindowTitle(caption);
    Label1->setText(caption);
    Label2->setText(QString::fromLocal8Bit(subtitle));
    makeBlue(Label1, true, 17);
    makeBlue(Label2, false, 14);

    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setPlainText(QString::fromLocal8Bit(MeaningText::lookup(meaningSource())));
    LoadedText = Memo1->toPlainText();
    Memo1->setFocus();

    BitBtn1->setText(uiText(UiText::Close));
    BitBtn2->setText(uiText(UiText::MenuSave));
    BitBtn2->setEnabled(false);
    connect(Memo1, &QPlainTextEdit::textChanged, this, &CardDetailWindow::Memo1Changed);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn2, &QPushButton::clicked, this, &CardDetailWindow::BitBtn2Click);
}

void CardDetailWindow::ShowCardDetail(TableState &state, Interaction &interaction, QWidget *parent,
                                      int number, bool reversed, const QByteArray &subtitle)
{
    CardDetailWindow window(state, interaction, number, reversed, subtitle, parent);
    interaction.execDialog(window);
}

void CardDetailWindow::layOut()
{
    const int width = m_state.DetailWidth;
    const int height = m_state.DetailHeight;
    // The stored size is the window's own, without the frame the desktop
    // adds, so it matches what the image settings dialog measures.
    setFixedSize(width, height);
    Panel1->setGeometry(0, 0, width, height);
    const int label2Left = width - 254;
    Label1->setGeometry(PictureLeft, LabelTop, label2Left - PictureLeft - 12, LabelHeight);
    Label2->setGeometry(label2Left, LabelTop, 254 - 29, LabelHeight);
    Image1->setGeometry(PictureLeft, ContentTop, m_state.CardWidth, m_state.CardHeight);
    Memo1->setGeometry(width - m_state.MemoWidth - 29, ContentTop, m_state.MemoWidth,
                       m_state.MemoHeight);
    BitBtn1->setGeometry(width - 222, height - 70, ButtonWidth, ButtonHeight);
    BitBtn2->setGeometry(width - 126, height - 70, ButtonWidth, ButtonHeight);
}

void CardDetailWindow::showPicture()
{
    QImage picture = CardPicture::load(m_state.AppDir, m_state.DeckName, CardNumber, false);
    if (picture.isNull())
        return;
    const PictureBox::Fit fit =
        PictureBox::fit(picture.size(), QSize(m_state.CardWidth, m_state.CardHeight),
                        m_state.KeepActual, m_state.KeepStraight, CardReversed);
    if (fit.turned)
        picture = CardPicture::turned(picture);
    Image1->resize(fit.box);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setScaledContents(fit.stretched);
    Image1->setPixmap(QPixmap::fromImage(picture));
}

QString CardDetailWindow::uiText(int index) const
{
    return QString::fromLocal8Bit(m_state.UiTexts.text(index));
}

MeaningText::Source CardDetailWindow::meaningSource() const
{
    return {m_state.AppDir, m_state.DeckName, m_state.Language, CardNumber, CardReversed};
}

void CardDetailWindow::Memo1Changed()
{
    if (Modified || Memo1->toPlainText() == LoadedText)
        return;
    Modified = true;
    BitBtn2->setEnabled(true);
}

bool CardDetailWindow::BitBtn2Click()
{
    MeaningSaveDialog choice(m_state.UiTexts, this);
    choice.load({m_state.SaveWithDeck, m_state.SaveAsDefault});
    if (m_interaction.execDialog(choice) == QDialog::Accepted) {
        const MeaningSaveDialog::Choice chosen = choice.save();
        m_state.SaveWithDeck = chosen.withDeck;
        m_state.SaveAsDefault = chosen.asDefault;
    }

    const QString text = Memo1->toPlainText();
    QString error;
    if (!MeaningText::save(meaningSource(), fileBytes(text), m_state.SaveWithDeck,
                           m_state.SaveAsDefault, &error)) {
        m_interaction.showMessage(this, error);
        return false;
    }
    LoadedText = text;
    Modified = false;
    BitBtn2->setEnabled(false);
    return true;
}

void CardDetailWindow::done(int result)
{
    // A text that could not be written keeps the window open; asking again
    // on the next close lets the user give it up.
    if (Modified &&
        m_interaction.askOkCancel(this, uiText(UiText::UnsavedMeaningQuestion),
                                  uiText(UiText::UnsavedMeaningTitle)) &&
        !BitBtn2Click())
        return;
    QDialog::done(result);
}
