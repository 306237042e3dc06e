#include "ui/cards/CardDetailWindow.h"

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/cards/CardFaceCache.h"
#include "core/cards/DetailLayout.h"
#include "core/cards/MeaningDocument.h"
#include "core/cards/PictureBox.h"
#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "ui/cards/MeaningSaveDialog.h"
#include "ui/common/Interaction.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const QColor CaptionBlue(0, 0, 255);

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

CardDetailWindow::CardDetailWindow(const DialogContext &context, int number, bool reversed,
                                   const QByteArray &subtitle, QWidget *parent)
    : QDialog(parent)
    , m_panel(new QFrame(this))
    , m_data(context.data)
    , m_preferences(context.preferences)
    , m_faces(context.faces)
    , m_interaction(context.interaction)
    , m_texts(m_data.uiTexts())
    , m_number(number)
    , m_reversed(reversed)
    , m_meaning(
          {m_data.roots(), m_preferences.deckName(), m_preferences.language(), number, reversed})
{
    titleLabel = new QLabel(m_panel);
    subtitleLabel = new QLabel(m_panel);
    pictureLabel = new QLabel(m_panel);
    meaningEdit = new QPlainTextEdit(m_panel);
    closeButton = new QPushButton(m_panel);
    saveButton = new QPushButton(m_panel);
    setObjectName(QStringLiteral("CardDetailWindow"));
    m_panel->setObjectName(QStringLiteral("panel"));
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    subtitleLabel->setObjectName(QStringLiteral("subtitleLabel"));
    pictureLabel->setObjectName(QStringLiteral("pictureLabel"));
    meaningEdit->setObjectName(QStringLiteral("meaningEdit"));
    closeButton->setObjectName(QStringLiteral("closeButton"));
    saveButton->setObjectName(QStringLiteral("saveButton"));

    layOut();
    showPicture();

    QString caption = m_data.cardTitle(number);
    if (reversed)
        caption += QStringLiteral(" (") + m_texts.string(UiText::ReversedWord) + QLatin1Char(')');
    setWindowTitle(caption);
    // The picture and the meaning have no labels of their own: the title names them.
    pictureLabel->setAccessibleName(caption);
    meaningEdit->setAccessibleName(caption);
    titleLabel->setText(caption);
    subtitleLabel->setText(m_data.decoded(subtitle));
    makeBlue(titleLabel, true, 17);
    makeBlue(subtitleLabel, false, 14);

    meaningEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the buttons, so the window is left by keys alone.
    meaningEdit->setTabChangesFocus(true);
    meaningEdit->setPlainText(m_meaning.text());
    m_savedText = meaningEdit->toPlainText();
    meaningEdit->setFocus();

    closeButton->setText(m_texts.string(UiText::Close));
    saveButton->setText(m_texts.buttonString(UiText::MenuSave));
    saveButton->setEnabled(false);
    connect(meaningEdit, &QPlainTextEdit::textChanged, this, &CardDetailWindow::meaningEdited);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(saveButton, &QPushButton::clicked, this, &CardDetailWindow::saveMeaning);
}

void CardDetailWindow::layOut()
{
    const QSize window(m_preferences.detailWidth(), m_preferences.detailHeight());
    const DetailLayout layout(
        window, QSize(m_preferences.cardWidth(), m_preferences.cardHeight()),
        QSize(m_preferences.meaningPanelWidth(), m_preferences.meaningPanelHeight()));
    // The stored size is the window's own, without the frame the desktop
    // adds, so it matches what the image settings dialog measures.
    setFixedSize(window);
    m_panel->setGeometry(rect());
    titleLabel->setGeometry(layout.titleRect());
    subtitleLabel->setGeometry(layout.subtitleRect());
    pictureLabel->setGeometry(layout.pictureRect());
    meaningEdit->setGeometry(layout.meaningRect());
    closeButton->setGeometry(layout.leftButtonRect());
    saveButton->setGeometry(layout.rightButtonRect());
}

PictureBox::Fit CardDetailWindow::pictureFit(CardFaceCache &faces, const Preferences &preferences,
                                             int number, bool reversed)
{
    return PictureBox::fit(faces.naturalSize(preferences.deckName(), number),
                           QSize(preferences.cardWidth(), preferences.cardHeight()),
                           preferences.keepActual(), preferences.keepStraight(), reversed);
}

void CardDetailWindow::prepareFace(CardFaceCache &faces, const Preferences &preferences, int number,
                                   bool reversed, qreal devicePixelRatio)
{
    const PictureBox::Fit fit = pictureFit(faces, preferences, number, reversed);
    if (fit.stretched)
        faces.prepare(preferences.deckName(), number, fit.box, devicePixelRatio);
}

void CardDetailWindow::showPicture()
{
    const PictureBox::Fit fit = pictureFit(m_faces, m_preferences, m_number, m_reversed);
    // A stretched picture is decoded at the box's size, not decoded whole and
    // scaled afterwards.
    const QImage picture = m_faces.face(m_preferences.deckName(), m_number, fit.turned,
                                        fit.stretched ? fit.box : QSize(), devicePixelRatioF());
    if (picture.isNull())
        return;
    pictureLabel->resize(fit.box);
    pictureLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pictureLabel->setScaledContents(fit.stretched);
    pictureLabel->setPixmap(QPixmap::fromImage(picture));
}

void CardDetailWindow::meaningEdited()
{
    if (m_modified || meaningEdit->toPlainText() == m_savedText)
        return;
    m_modified = true;
    saveButton->setEnabled(true);
}

bool CardDetailWindow::saveMeaning()
{
    MeaningSaveDialog choice(m_texts, this);
    choice.load({m_preferences.saveWithDeck(), m_preferences.saveAsDefault()});
    if (m_interaction.execDialog(choice) == QDialog::Accepted) {
        MeaningSaveDialog::Choice chosen;
        choice.store(chosen);
        m_preferences.setSaveWithDeck(chosen.withDeck);
        m_preferences.setSaveAsDefault(chosen.asDefault);
    }

    const QString text = meaningEdit->toPlainText();
    QString error;
    if (!m_meaning.save(text, m_preferences.saveWithDeck(), m_preferences.saveAsDefault(),
                        &error)) {
        m_interaction.showMessage(this, m_texts.string(UiText::MeaningNotSaved) +
                                            QLatin1Char('\n') + error);
        return false;
    }
    m_savedText = text;
    m_modified = false;
    saveButton->setEnabled(false);
    return true;
}

void CardDetailWindow::done(int result)
{
    // A text that could not be written keeps the window open; asking again
    // on the next close lets the user give it up.
    if (m_modified &&
        m_interaction.askOkCancel(this, m_texts.string(UiText::UnsavedMeaningQuestion),
                                  m_texts.string(UiText::UnsavedMeaningTitle)) &&
        !saveMeaning())
        return;
    QDialog::done(result);
}
