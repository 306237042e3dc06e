#include "ui/lang/LanguageDialog.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

LanguageDialog::LanguageDialog(const QStringList &entries, const QString &current,
                               const UiTextTable &texts, QWidget *parent)
    : QDialog(parent)
    , languageList(new QListWidget(this))
    , okButton(new QPushButton(texts.string(UiText::Ok), this))
{
    auto *cancelButton = new QPushButton(texts.string(UiText::Cancel), this);
    setObjectName(QStringLiteral("LanguageDialog"));
    languageList->setObjectName(QStringLiteral("languageList"));
    okButton->setObjectName(QStringLiteral("okButton"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    setWindowTitle(texts.string(UiText::MenuLanguage));

    languageList->addItems(entries);
    const auto matches =
        languageList->findItems(current, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!matches.isEmpty())
        languageList->setCurrentItem(matches.first());
    okButton->setDefault(true);
    okButton->setEnabled(languageList->currentItem() != nullptr);

    connect(languageList, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *item) { okButton->setEnabled(item != nullptr); });
    connect(languageList, &QListWidget::itemDoubleClicked, this, &LanguageDialog::acceptChoice);
    connect(okButton, &QPushButton::clicked, this, &LanguageDialog::acceptChoice);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(languageList);
    layout->addLayout(buttons);
    resize(260, 300);
}

void LanguageDialog::acceptChoice()
{
    const QListWidgetItem *item = languageList->currentItem();
    if (!item)
        return;
    m_selected = item->text();
    accept();
}
