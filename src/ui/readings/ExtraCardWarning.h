#pragma once

#include <QDialog>

class QLabel;
class UiTextTable;

// The warning shown when a reading needs a deck with the extra 79th card.
class ExtraCardWarning : public QDialog
{
    Q_OBJECT

public:
    // `message` is the warning itself, as the reading it concerns words it.
    ExtraCardWarning(const QString &message, const UiTextTable &texts, QWidget *parent = nullptr);

    QLabel *messageLabel;
};
