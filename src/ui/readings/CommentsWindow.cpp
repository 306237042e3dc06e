#include "ui/readings/CommentsWindow.h"

#include <QPlainTextEdit>
#include <QPushButton>

CommentsWindow::CommentsWindow(QWidget *parent)
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
    setFixedSize(289, 160);

    Memo1->setGeometry(16, 16, 257, 97);
    // Enter starts a new line in the memo; Tab moves on to the buttons.
    Memo1->setTabChangesFocus(true);
    Button1->setGeometry(46, 124, 95, 25);
    Button2->setGeometry(148, 124, 95, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void CommentsWindow::centreFirstButton()
{
    Button1->move((width() - Button1->width()) / 2, Button1->y());
}
