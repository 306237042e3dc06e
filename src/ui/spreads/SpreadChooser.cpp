#include "ui/spreads/SpreadChooser.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "ui/common/OkCancelButtons.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {
constexpr int DialogWidth = 281;
constexpr int DialogHeight = 360;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonTop = 318;
} // namespace

SpreadChooser::SpreadChooser(const QStringList &names, const QString &current,
                             const QString &caption, const UiTextTable &texts, QWidget *parent)
    : QDialog(parent)
    , spreadList(new QListWidget(this))
    , noSpreadsLabel(new QLabel(texts.string(UiText::NoSpreadsFound) + QLatin1Char('\n') +
                                    texts.string(UiText::NoSpreadsFoundHint),
                                this))
{
    auto *buttons = OkCancelButtons::create(this, texts);
    okButton = buttons->button(QDialogButtonBox::Ok);
    cancelButton = buttons->button(QDialogButtonBox::Cancel);
    setObjectName(QStringLiteral("SpreadChooser"));
    spreadList->setObjectName(QStringLiteral("spreadList"));
    noSpreadsLabel->setObjectName(QStringLiteral("noSpreadsLabel"));
    setWindowTitle(caption);
    // The list has no label of its own: a screen reader names it by the caption.
    spreadList->setAccessibleName(caption);
    setFixedSize(DialogWidth, DialogHeight);

    spreadList->setGeometry(16, 16, 249, 289);
    buttons->setGeometry(56, ButtonTop, 150 + ButtonWidth - 56, ButtonHeight);
    noSpreadsLabel->setGeometry(16, 24, 200, 121);
    noSpreadsLabel->setWordWrap(true);
    QFont noticeFont = noSpreadsLabel->font();
    noticeFont.setPixelSize(16);
    noSpreadsLabel->setFont(noticeFont);
    noSpreadsLabel->hide();

    if (names.isEmpty()) {
        // OK alone (set before Cancel hides: the box shows its buttons when it lays them out), in
        // the middle, a little left of centre as the dialog was designed.
        buttons->setCenterButtons(true);
        buttons->setGeometry(0, ButtonTop, DialogWidth - 12, ButtonHeight);
        cancelButton->hide();
        spreadList->hide();
        noSpreadsLabel->show();
        okButton->setEnabled(true);
    } else {
        spreadList->addItems(names);
        const auto matches =
            spreadList->findItems(current, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (!matches.isEmpty())
            spreadList->setCurrentItem(matches.first());
        okButton->setEnabled(spreadList->currentItem() != nullptr);
    }

    connect(spreadList, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *item) { okButton->setEnabled(item != nullptr); });
    connect(spreadList, &QListWidget::itemDoubleClicked, this, &SpreadChooser::acceptChoice);
    connect(buttons, &QDialogButtonBox::accepted, this, &SpreadChooser::acceptChoice);
}

void SpreadChooser::acceptChoice()
{
    if (!spreadList->isHidden()) {
        const QListWidgetItem *item = spreadList->currentItem();
        if (!item)
            return;
        m_chosen = item->text();
    }
    accept();
}
