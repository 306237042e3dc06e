#include "ui/cards/DeckChooser.h"

#include "core/cards/CardFaceCache.h"
#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "ui/common/OkCancelButtons.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int DialogWidth = 570;
constexpr int DialogHeight = 297;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonTop = 256;
constexpr QRect PreviewRect{233, 16, 120, 174};

QGroupBox *radioGroup(const QString &caption, QRadioButton *first, QRadioButton *second,
                      QWidget *parent)
{
    auto *group = new QGroupBox(caption, parent);
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(first);
    layout->addWidget(second);
    return group;
}

QString cardCountText(const UiTextTable &texts, int count)
{
    return count == 1 ? texts.string(UiText::DeckOneCard)
                      : texts.string(UiText::DeckCardCount).arg(count);
}

} // namespace

DeckChooser::DeckChooser(const QList<DeckList::Deck> &decks, const Choice &current,
                         CardFaceCache &faces, const UiTextTable &texts, QWidget *parent)
    : QDialog(parent)
    , deckList(new QListWidget(this))
    , previewImage(new QLabel(this))
    , cardCountLabel(new QLabel(this))
    , traditionalButton(new QRadioButton(texts.string(UiText::TraditionalSequence)))
    , newAgeButton(new QRadioButton(texts.string(UiText::NewAgeSequence)))
    , strengthEightButton(new QRadioButton(QStringLiteral("VIII")))
    , strengthElevenButton(new QRadioButton(QStringLiteral("XI")))
    , noDecksLabel(new QLabel(texts.string(UiText::DecksNotFound) + QLatin1Char('\n') +
                                  texts.string(UiText::DecksNotFoundHint),
                              this))
    , m_decks(decks)
    , m_faces(faces)
    , m_texts(texts)
    , m_choice(current)
{
    auto *buttons = OkCancelButtons::create(this, texts);
    okButton = buttons->button(QDialogButtonBox::Ok);
    cancelButton = buttons->button(QDialogButtonBox::Cancel);
    courtGroup =
        radioGroup(texts.string(UiText::CourtArcanaGroup), traditionalButton, newAgeButton, this);
    strengthGroup = radioGroup(texts.string(UiText::StrengthArcanaGroup), strengthEightButton,
                               strengthElevenButton, this);
    setObjectName(QStringLiteral("DeckChooser"));
    deckList->setObjectName(QStringLiteral("deckList"));
    previewImage->setObjectName(QStringLiteral("previewImage"));
    cardCountLabel->setObjectName(QStringLiteral("cardCountLabel"));
    courtGroup->setObjectName(QStringLiteral("courtGroup"));
    traditionalButton->setObjectName(QStringLiteral("traditionalButton"));
    newAgeButton->setObjectName(QStringLiteral("newAgeButton"));
    strengthGroup->setObjectName(QStringLiteral("strengthGroup"));
    strengthEightButton->setObjectName(QStringLiteral("strengthEightButton"));
    strengthElevenButton->setObjectName(QStringLiteral("strengthElevenButton"));
    noDecksLabel->setObjectName(QStringLiteral("noDecksLabel"));
    setWindowTitle(texts.buttonString(UiText::MenuSelectDeck));
    deckList->setAccessibleName(windowTitle());
    setFixedSize(DialogWidth, DialogHeight);

    deckList->setGeometry(16, 16, 201, 225);
    previewImage->setGeometry(PreviewRect);
    previewImage->setAlignment(Qt::AlignCenter);
    cardCountLabel->setGeometry(PreviewRect.left(), PreviewRect.bottom() + 6, PreviewRect.width(),
                                20);
    cardCountLabel->setAlignment(Qt::AlignCenter);
    courtGroup->setGeometry(369, 16, 185, 80);
    strengthGroup->setGeometry(369, 106, 185, 80);
    buttons->setGeometry(DialogWidth - 16 - 2 * ButtonWidth - 8, ButtonTop, 2 * ButtonWidth + 8,
                         ButtonHeight);
    noDecksLabel->setGeometry(16, 24, DialogWidth - 32, 113);
    noDecksLabel->setWordWrap(true);
    noDecksLabel->hide();

    if (decks.isEmpty()) {
        // OK alone (set before Cancel hides: the box shows its buttons when it lays them out), in
        // the middle, a little left of centre as the dialog was designed.
        buttons->setCenterButtons(true);
        buttons->setGeometry(0, ButtonTop, DialogWidth - 12, ButtonHeight);
        const QList<QWidget *> choosing = {cancelButton,   deckList,   previewImage,
                                           cardCountLabel, courtGroup, strengthGroup};
        for (QWidget *part : choosing)
            part->hide();
        noDecksLabel->show();
        okButton->setEnabled(true);
    } else {
        for (const DeckList::Deck &deck : decks) {
            auto *item = new QListWidgetItem(deck.name, deckList);
            item->setToolTip(cardCountText(texts, deck.cardCount));
            if (deck.name == current.deckName)
                deckList->setCurrentItem(item);
        }
        okButton->setEnabled(deckList->currentItem() != nullptr);
    }
    (current.ardenvaleStyle ? newAgeButton : traditionalButton)->setChecked(true);
    (current.strengthEleven ? strengthElevenButton : strengthEightButton)->setChecked(true);
    showPreview();

    connect(deckList, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        okButton->setEnabled(item != nullptr);
        showPreview();
    });
    connect(deckList, &QListWidget::itemDoubleClicked, this, &DeckChooser::acceptChoice);
    connect(buttons, &QDialogButtonBox::accepted, this, &DeckChooser::acceptChoice);
}

void DeckChooser::showPreview()
{
    const int row = deckList->currentRow();
    if (row < 0 || row >= m_decks.size()) {
        previewImage->clear();
        cardCountLabel->clear();
        return;
    }
    const DeckList::Deck &deck = m_decks.at(row);
    // A deck with the 79th card has built-in titles that ignore both numberings.
    courtGroup->setEnabled(!deck.extraCard);
    strengthGroup->setEnabled(!deck.extraCard);
    const QImage face = m_faces.face(deck.name, deck.firstCard, false, PreviewRect.size(),
                                     previewImage->devicePixelRatioF());
    previewImage->setPixmap(QPixmap::fromImage(face));
    cardCountLabel->setText(cardCountText(m_texts, deck.cardCount));
}

void DeckChooser::acceptChoice()
{
    if (!deckList->isHidden()) {
        const QListWidgetItem *item = deckList->currentItem();
        if (!item)
            return;
        m_choice.deckName = item->text();
        m_choice.ardenvaleStyle = newAgeButton->isChecked();
        m_choice.strengthEleven = strengthElevenButton->isChecked();
    }
    accept();
}
