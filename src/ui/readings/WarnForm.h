#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The warning shown when a reading needs a deck with the extra 79th card.
class TForm14 : public QDialog
{
    Q_OBJECT

public:
    TForm14(const QString &text, const QString &okText, QWidget *parent = nullptr);

    QLabel *Label1;
    QPushButton *Button1;
};
