#include "ui/cards/MeaningSaveDialog.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

MeaningSaveDialog::MeaningSaveDialog(const UiTextTable &texts, QWidget *parent)
    : QDialog(parent)
    , CheckBox1(
          new QCheckBox(QString::fromLocal8Bit(texts.text(UiText::SaveWithCurrentDeck)), this))
    , CheckBox2(
          new QCheckBox(QString::fromLocal8Bit(texts.text(UiText::SaveAsDefaultMeaning)), this))
    , BitBtn1(new QPushButton(QString::fromLocal8Bit(texts.text(UiText::Ok)), this))
{
    setObjectName(QStringLiteral("MeaningSaveDialog"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    setWindowTitle(QString::fromLocal8Bit(texts.text(UiText::MenuSave)));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->addWidget(CheckBox1);
    layout->addWidget(CheckBox2);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MeaningSaveDialog::load(const Choice &choice)
{
    CheckBox1->setChecked(choice.withDeck);
    CheckBox2->setChecked(choice.asDefault);
}

MeaningSaveDialog::Choice MeaningSaveDialog::save() const
{
    return {CheckBox1->isChecked(), CheckBox2->isChecked()};
}
