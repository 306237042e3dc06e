#pragma once

#include <QDialog>

class QLabel;

// The about box: a borderless window with the program's emblem, name and
// version, closed by a click anywhere on it or by Escape.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(const QString &caption, QWidget *parent = nullptr);

    QLabel *Image1;
    QLabel *Label1;
    QLabel *Label2;

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
