#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The Comments window: shows or takes the comments of a saved reading.
class TForm9 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm9(QWidget *parent = nullptr);

    QPlainTextEdit *Memo1;
    QPushButton *Button1;
    QPushButton *Button2;
};
