#include "ui/spreads/SpreadChooser.h"

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

SpreadChooser::SpreadChooser(const QStringList &names, const QString &current, const Texts &texts,
                             QWidget *parent)
    : QDialog(parent)
    , ListBox1(new QListWidget(this))
    , Button1(new QPushButton(texts.ok, this))
    , Button2(new QPushButton(texts.cancel, this))
    , Label1(new QLabel(texts.nothingFound, this))
{
    setObjectName(QStringLiteral("SpreadChooser"));
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    Label1->setObjectName(QStringLiteral("Label1"));
    setWindowTitle(texts.caption);
    setFixedSize(DialogWidth, DialogHeight);

    ListBox1->setGeometry(16, 16, 249, 289);
    Button1->setGeometry(56, ButtonTop, ButtonWidth, ButtonHeight);
    Button2->setGeometry(150, ButtonTop, ButtonWidth, ButtonHeight);
    Label1->setGeometry(16, 24, 200, 121);
    Label1->setWordWrap(true);
    QFont noticeFont = Label1->font();
    noticeFont.setPixelSize(16);
    Label1->setFont(noticeFont);
    Label1->hide();
    Button1->setDefault(true);

    if (names.isEmpty()) {
        Button2->hide();
        ListBox1->hide();
        Label1->show();
        Button1->move((DialogWidth - ButtonWidth) / 2 - 6, ButtonTop);
        Button1->setEnabled(true);
    } else {
        ListBox1->addItems(names);
        const auto matches =
            ListBox1->findItems(current, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (!matches.isEmpty())
            ListBox1->setCurrentItem(matches.first());
        Button1->setEnabled(ListBox1->currentItem() != nullptr);
    }

    connect(ListBox1, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *item) { Button1->setEnabled(item != nullptr); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &SpreadChooser::Button1Click);
    connect(Button1, &QPushButton::clicked, this, &SpreadChooser::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void SpreadChooser::Button1Click()
{
    if (!ListBox1->isHidden()) {
        const QListWidgetItem *item = ListBox1->currentItem();
        if (!item)
            return;
        m_chosen = item->text();
    }
    accept();
}
