#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// The spread chooser: lists the installed spreads and returns the one picked.
// With no spreads installed it shows a notice and a lone OK button instead.
class SpreadChooser : public QDialog
{
    Q_OBJECT

public:
    struct Texts
    {
        QString caption;
        QString ok;
        QString cancel;
        // Shown instead of the list when there is nothing to choose from.
        QString nothingFound;
    };

    // `current` is preselected when it is among `names`.
    SpreadChooser(const QStringList &names, const QString &current, const Texts &texts,
                  QWidget *parent = nullptr);

    // The spread picked when the dialog was accepted; empty when there was
    // nothing to pick.
    QString chosenName() const { return m_chosen; }

    QListWidget *ListBox1;
    QPushButton *Button1;
    QPushButton *Button2;
    QLabel *Label1;

private:
    void Button1Click();

    QString m_chosen;
};
