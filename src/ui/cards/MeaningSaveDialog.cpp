#include "ui/cards/MeaningSaveDialog.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

MeaningSaveDialog::MeaningSaveDialog(const UiTextTable &texts, QWidget *parent)
    : QDialog(parent)
    , withDeckCheck(new QCheckBox(texts.string(UiText::SaveWithCurrentDeck), this))
    , asDefaultCheck(new QCheckBox(texts.string(UiText::SaveAsDefaultMeaning), this))
    , okButton(new QPushButton(texts.string(UiText::Ok), this))
{
    setObjectName(QStringLiteral("MeaningSaveDialog"));
    withDeckCheck->setObjectName(QStringLiteral("withDeckCheck"));
    asDefaultCheck->setObjectName(QStringLiteral("asDefaultCheck"));
    okButton->setObjectName(QStringLiteral("okButton"));
    setWindowTitle(texts.buttonString(UiText::MenuSave));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->addWidget(withDeckCheck);
    layout->addWidget(asDefaultCheck);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MeaningSaveDialog::load(const Choice &choice)
{
    withDeckCheck->setChecked(choice.withDeck);
    asDefaultCheck->setChecked(choice.asDefault);
}

void MeaningSaveDialog::store(Choice &choice) const
{
    choice.withDeck = withDeckCheck->isChecked();
    choice.asDefault = asDefaultCheck->isChecked();
}
