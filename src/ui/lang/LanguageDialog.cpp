#include "ui/lang/LanguageDialog.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "ui/common/OkCancelButtons.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

LanguageDialog::LanguageDialog(const QStringList &entries, const QString &current,
                               const UiTextTable &texts, QWidget *parent)
    : QDialog(parent)
    , languageList(new QListWidget(this))
{
    auto *buttons = OkCancelButtons::create(this, texts);
    okButton = buttons->button(QDialogButtonBox::Ok);
    setObjectName(QStringLiteral("LanguageDialog"));
    languageList->setObjectName(QStringLiteral("languageList"));
    setWindowTitle(texts.string(UiText::MenuLanguage));
    languageList->setAccessibleName(windowTitle());

    languageList->addItems(entries);
    const auto matches =
        languageList->findItems(current, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!matches.isEmpty())
        languageList->setCurrentItem(matches.first());
    okButton->setEnabled(languageList->currentItem() != nullptr);

    connect(languageList, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *item) { okButton->setEnabled(item != nullptr); });
    connect(languageList, &QListWidget::itemDoubleClicked, this, &LanguageDialog::acceptChoice);
    connect(buttons, &QDialogButtonBox::accepted, this, &LanguageDialog::acceptChoice);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(languageList);
    layout->addWidget(buttons);
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
