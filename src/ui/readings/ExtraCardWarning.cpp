#include "ui/readings/ExtraCardWarning.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ExtraCardWarning::ExtraCardWarning(const QString &message, const UiTextTable &texts,
                                   QWidget *parent)
    : QDialog(parent)
    , messageLabel(new QLabel(message, this))
{
    auto *okButton = new QPushButton(texts.string(UiText::Ok), this);
    setObjectName(QStringLiteral("ExtraCardWarning"));
    messageLabel->setObjectName(QStringLiteral("messageLabel"));
    okButton->setObjectName(QStringLiteral("okButton"));
    setWindowTitle(QStringLiteral("Quillmoor"));

    messageLabel->setWordWrap(true);
    QFont font = messageLabel->font();
    font.setBold(true);
    font.setPixelSize(13);
    messageLabel->setFont(font);
    QPalette palette = messageLabel->palette();
    palette.setColor(QPalette::WindowText, QColor(0x80, 0, 0));
    messageLabel->setPalette(palette);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(messageLabel);
    layout->addLayout(buttons);
    setFixedWidth(360);
}
