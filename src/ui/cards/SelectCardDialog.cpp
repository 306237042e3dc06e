#include "ui/cards/SelectCardDialog.h"

#include "core/cards/CardFaceCache.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

SelectCardDialog::SelectCardDialog(const QList<int> &cards, const QStringList &titles,
                                   CardFaceCache &faces, const QString &deckName,
                                   const QString &caption, const UiTextTable &texts,
                                   QWidget *parent)
    : QDialog(parent)
    , m_cards(cards)
    , m_faces(faces)
    , m_deckName(deckName)
{
    // Created in the order they take focus and stack.
    cardList = new QListWidget(this);
    m_pictureLabel = new QLabel(this);
    orientationGroup = new QGroupBox(texts.string(UiText::PositionGroup), this);
    auto *straightButton = new QRadioButton(texts.string(UiText::Straight), orientationGroup);
    reversedButton = new QRadioButton(texts.string(UiText::Reversed), orientationGroup);
    okButton = new QPushButton(texts.string(UiText::Ok), this);
    auto *cancelButton = new QPushButton(texts.string(UiText::Cancel), this);
    setObjectName(QStringLiteral("SelectCardDialog"));
    cardList->setObjectName(QStringLiteral("cardList"));
    m_pictureLabel->setObjectName(QStringLiteral("pictureLabel"));
    orientationGroup->setObjectName(QStringLiteral("orientationGroup"));
    straightButton->setObjectName(QStringLiteral("straightButton"));
    reversedButton->setObjectName(QStringLiteral("reversedButton"));
    okButton->setObjectName(QStringLiteral("okButton"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    setWindowTitle(caption);
    setFixedSize(380, 340);

    cardList->setGeometry(16, 16, 170, 300);
    cardList->addItems(titles);
    m_pictureLabel->setScaledContents(true);
    m_pictureLabel->hide();
    auto *orientation = new QVBoxLayout(orientationGroup);
    orientation->addWidget(straightButton);
    orientation->addWidget(reversedButton);
    straightButton->setChecked(true);
    okButton->setGeometry(200, 291, 75, 25);
    cancelButton->setGeometry(286, 291, 75, 25);
    okButton->setDefault(true);
    okButton->setEnabled(false);
    setOrientationShown(true);

    connect(cardList, &QListWidget::currentRowChanged, this, &SelectCardDialog::showPreview);
    connect(cardList, &QListWidget::itemDoubleClicked, this, &SelectCardDialog::acceptChoice);
    connect(okButton, &QPushButton::clicked, this, &SelectCardDialog::acceptChoice);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void SelectCardDialog::setOrientationShown(bool shown)
{
    orientationGroup->setVisible(shown);
    if (shown) {
        orientationGroup->setGeometry(200, 8, 161, 72);
        m_pictureLabel->setGeometry(224, 88, 113, 185);
    } else {
        m_pictureLabel->setGeometry(200, 16, 161, 257);
    }
}

void SelectCardDialog::selectCard(int number)
{
    const int row = int(m_cards.indexOf(number));
    if (row >= 0)
        cardList->setCurrentRow(row);
}

void SelectCardDialog::showPreview()
{
    const int row = cardList->currentRow();
    if (row < 0 || row >= m_cards.size())
        return;
    okButton->setEnabled(true);
    const QImage preview = m_faces.face(m_deckName, m_cards.at(row), false, m_pictureLabel->size());
    if (preview.isNull())
        return;
    m_pictureLabel->setPixmap(QPixmap::fromImage(preview));
    m_pictureLabel->show();
}

void SelectCardDialog::acceptChoice()
{
    const int row = cardList->currentRow();
    if (row < 0 || row >= m_cards.size())
        return;
    m_chosenCard = m_cards.at(row);
    m_chosenReversed = reversedButton->isChecked();
    accept();
}
