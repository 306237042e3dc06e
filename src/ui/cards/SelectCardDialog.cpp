#include "ui/cards/SelectCardDialog.h"

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/cards/CardFaceCache.h"
#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "ui/common/DialogContext.h"
#include "ui/common/OkCancelButtons.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// The dialog's size without the position's text below it.
constexpr QSize DesignedSize(380, 340);
} // namespace

SelectCardDialog::SelectCardDialog(const DialogContext &context, const QList<int> &cards,
                                   const QString &caption, QWidget *parent)
    : QDialog(parent)
    , m_cards(cards)
    , m_faces(context.faces)
    , m_deckName(context.preferences.deckName())
{
    const UiTextTable &texts = context.data.uiTexts();
    // Created in the order they take focus and stack.
    cardList = new QListWidget(this);
    m_pictureLabel = new QLabel(this);
    orientationGroup = new QGroupBox(texts.string(UiText::PositionGroup), this);
    auto *straightButton = new QRadioButton(texts.string(UiText::Straight), orientationGroup);
    reversedButton = new QRadioButton(texts.string(UiText::Reversed), orientationGroup);
    auto *buttons = OkCancelButtons::create(this, texts);
    okButton = buttons->button(QDialogButtonBox::Ok);
    positionLabel = new QLabel(this);
    setObjectName(QStringLiteral("SelectCardDialog"));
    cardList->setObjectName(QStringLiteral("cardList"));
    m_pictureLabel->setObjectName(QStringLiteral("pictureLabel"));
    orientationGroup->setObjectName(QStringLiteral("orientationGroup"));
    straightButton->setObjectName(QStringLiteral("straightButton"));
    reversedButton->setObjectName(QStringLiteral("reversedButton"));
    positionLabel->setObjectName(QStringLiteral("positionLabel"));
    setWindowTitle(caption);
    cardList->setAccessibleName(caption);
    setFixedSize(DesignedSize);

    cardList->setGeometry(16, 16, 170, 300);
    for (const int number : cards)
        cardList->addItem(context.data.cardTitle(number));
    m_pictureLabel->setScaledContents(true);
    m_pictureLabel->hide();
    auto *orientation = new QVBoxLayout(orientationGroup);
    orientation->addWidget(straightButton);
    orientation->addWidget(reversedButton);
    straightButton->setChecked(true);
    buttons->setGeometry(200, 291, 161, 25);
    okButton->setEnabled(false);
    positionLabel->setWordWrap(true);
    positionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    positionLabel->setTextFormat(Qt::PlainText);
    positionLabel->hide();
    setOrientationShown(true);

    // Only a selected title counts: focus alone makes row 0 current without
    // selecting it, and must not let OK or Enter record that card.
    connect(cardList, &QListWidget::itemSelectionChanged, this, &SelectCardDialog::showPreview);
    connect(cardList, &QListWidget::itemDoubleClicked, this, &SelectCardDialog::acceptChoice);
    connect(buttons, &QDialogButtonBox::accepted, this, &SelectCardDialog::acceptChoice);
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
        cardList->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void SelectCardDialog::setPosition(const QString &label, const QString &explanation)
{
    constexpr int Margin = 16;
    positionLabel->setText(label + explanation);
    const int width = DesignedSize.width() - 2 * Margin;
    const int height = positionLabel->heightForWidth(width);
    positionLabel->setGeometry(Margin, DesignedSize.height() - 8, width, height);
    positionLabel->show();
    setFixedSize(DesignedSize.width(), DesignedSize.height() - 8 + height + Margin);
}

int SelectCardDialog::selectedRow() const
{
    const QList<QListWidgetItem *> selected = cardList->selectedItems();
    if (selected.isEmpty())
        return -1;
    const int row = cardList->row(selected.first());
    return row < m_cards.size() ? row : -1;
}

void SelectCardDialog::showPreview()
{
    const int row = selectedRow();
    okButton->setEnabled(row >= 0);
    if (row < 0)
        return;
    const QImage preview = m_faces.face(m_deckName, m_cards.at(row), false, m_pictureLabel->size(),
                                        m_pictureLabel->devicePixelRatioF());
    if (preview.isNull())
        return;
    m_pictureLabel->setPixmap(QPixmap::fromImage(preview));
    m_pictureLabel->setAccessibleName(cardList->item(row)->text());
    m_pictureLabel->show();
}

void SelectCardDialog::acceptChoice()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_chosenCard = m_cards.at(row);
    m_chosenReversed = reversedButton->isChecked();
    accept();
}
