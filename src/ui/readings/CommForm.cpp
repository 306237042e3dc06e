#include "CommForm.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm9::TForm9(QWidget *parent)
    : QDialog(parent)
    , Memo1(new QPlainTextEdit(this))
    , Button1(new QPushButton(QStringLiteral("OK"), this))
    , Button2(new QPushButton(QStringLiteral("No comments"), this))
{
    setObjectName(QStringLiteral("CommForm"));
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    setWindowTitle(QStringLiteral("Comments"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Memo1);
    layout->addLayout(buttons);
    resize(320, 240);
}
