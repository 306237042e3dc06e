#pragma once

#include <QDialog>

class QLabel;
class UiTextTable;

// The about box: a borderless window with the program's emblem, name and
// version, closed by a click anywhere on it or by Escape.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(const UiTextTable &texts, QWidget *parent = nullptr);

    QLabel *emblemLabel;
    QLabel *nameLabel;

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
