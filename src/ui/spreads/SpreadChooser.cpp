#include "ui/spreads/SpreadChooser.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"

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
    , okButton(new QPushButton(texts.string(UiText::Ok), this))
    , cancelButton(new QPushButton(texts.string(UiText::Cancel), this))
    , noSpreadsLabel(new QLabel(texts.string(UiText::NoSpreadsFound) + QLatin1Char('\n') +
                                    texts.string(UiText::NoSpreadsFoundHint),
                                this))
{
    setObjectName(QStringLiteral("SpreadChooser"));
    spreadList->setObjectName(QStringLiteral("spreadList"));
    okButton->setObjectName(QStringLiteral("okButton"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    noSpreadsLabel->setObjectName(QStringLiteral("noSpreadsLabel"));
    setWindowTitle(caption);
    setFixedSize(DialogWidth, DialogHeight);

    spreadList->setGeometry(16, 16, 249, 289);
    okButton->setGeometry(56, ButtonTop, ButtonWidth, ButtonHeight);
    cancelButton->setGeometry(150, ButtonTop, ButtonWidth, ButtonHeight);
    noSpreadsLabel->setGeometry(16, 24, 200, 121);
    noSpreadsLabel->setWordWrap(true);
    QFont noticeFont = noSpreadsLabel->font();
    noticeFont.setPixelSize(16);
    noSpreadsLabel->setFont(noticeFont);
    noSpreadsLabel->hide();
    okButton->setDefault(true);

    if (names.isEmpty()) {
        cancelButton->hide();
        spreadList->hide();
        noSpreadsLabel->show();
        okButton->move((DialogWidth - ButtonWidth) / 2 - 6, ButtonTop);
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
    connect(okButton, &QPushButton::clicked, this, &SpreadChooser::acceptChoice);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
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
