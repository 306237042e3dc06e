#include "ui/lang/LanguageDialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

LanguageDialog::LanguageDialog(const QStringList &entries, const QString &current,
                               const QString &caption, const QString &okText,
                               const QString &cancelText, QWidget *parent)
    : QDialog(parent)
    , ListBox1(new QListWidget(this))
    , Button1(new QPushButton(okText, this))
    , Button2(new QPushButton(cancelText, this))
{
    setObjectName(QStringLiteral("LanguageDialog"));
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    setWindowTitle(caption);

    ListBox1->addItems(entries);
    const auto matches = ListBox1->findItems(current, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!matches.isEmpty())
        ListBox1->setCurrentItem(matches.first());
    Button1->setDefault(true);
    Button1->setEnabled(ListBox1->currentItem() != nullptr);

    connect(ListBox1, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *item) { Button1->setEnabled(item != nullptr); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &LanguageDialog::Button1Click);
    connect(Button1, &QPushButton::clicked, this, &LanguageDialog::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ListBox1);
    layout->addLayout(buttons);
    resize(260, 300);
}

void LanguageDialog::Button1Click()
{
    const QListWidgetItem *item = ListBox1->currentItem();
    if (!item)
        return;
    m_selected = item->text();
    accept();
}
