#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The warning shown when a reading needs a deck with the extra 79th card.
class ExtraCardWarning : public QDialog
{
    Q_OBJECT

public:
    ExtraCardWarning(const QString &text, const QString &okText, QWidget *parent = nullptr);

    QLabel *Label1;
    QPushButton *Button1;
};
