#include "ui/readings/CommentsWindow.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"

#include <QPlainTextEdit>
#include <QPushButton>

CommentsWindow::CommentsWindow(const UiTextTable &texts, QWidget *parent)
    : QDialog(parent)
    , commentsEdit(new QPlainTextEdit(this))
    , okButton(new QPushButton(this))
    , noCommentsButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("CommentsWindow"));
    commentsEdit->setObjectName(QStringLiteral("commentsEdit"));
    okButton->setObjectName(QStringLiteral("okButton"));
    noCommentsButton->setObjectName(QStringLiteral("noCommentsButton"));
    retranslate(texts);
    setFixedSize(289, 160);

    commentsEdit->setGeometry(16, 16, 257, 97);
    // Enter starts a new line in the text field; Tab moves on to the buttons.
    commentsEdit->setTabChangesFocus(true);
    okButton->setGeometry(46, 124, 95, 25);
    noCommentsButton->setGeometry(148, 124, 95, 25);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(noCommentsButton, &QPushButton::clicked, this, &QDialog::reject);
}

void CommentsWindow::retranslate(const UiTextTable &texts)
{
    setWindowTitle(texts.string(UiText::CommentsCaption));
    commentsEdit->setAccessibleName(windowTitle());
    okButton->setText(texts.string(UiText::Ok));
    noCommentsButton->setText(texts.string(UiText::NoComments));
}

void CommentsWindow::centreOkButton()
{
    okButton->move((width() - okButton->width()) / 2, okButton->y());
}
