#include "ui/readings/ExtraCardWarning.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ExtraCardWarning::ExtraCardWarning(const QString &text, const QString &okText, QWidget *parent)
    : QDialog(parent)
    , Label1(new QLabel(text, this))
    , Button1(new QPushButton(okText, this))
{
    setObjectName(QStringLiteral("ExtraCardWarning"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Button1->setObjectName(QStringLiteral("Button1"));
    setWindowTitle(QStringLiteral("Quillmoor"));

    Label1->setWordWrap(true);
    QFont font = Label1->font();
    font.setBold(true);
    font.setPixelSize(13);
    Label1->setFont(font);
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, QColor(0x80, 0, 0));
    Label1->setPalette(palette);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(buttons);
    setFixedWidth(360);
}
