#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The Comments dialog: takes the comments of a reading being saved and,
// kept open beside the table, shows those of an opened one.
class CommentsWindow : public QDialog
{
    Q_OBJECT

public:
    explicit CommentsWindow(QWidget *parent = nullptr);

    // With "No comments" hidden, OK moves to the middle.
    void centreFirstButton();

    QPlainTextEdit *Memo1;
    QPushButton *Button1;
    QPushButton *Button2;
};
