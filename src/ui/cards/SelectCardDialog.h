#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// The Select card dialog: a list of card titles with a preview of the picked
// card and, for ordinary positions, its orientation.
class SelectCardDialog : public QDialog
{
    Q_OBJECT

public:
    struct Texts
    {
        QString caption;
        QString orientation;
        QString straight;
        QString reversed;
        QString ok;
        QString cancel;
    };

    // `cards` are the card numbers in list order, `titles` their titles;
    // previews come from `pictureFolder`/<n>.jpg.
    SelectCardDialog(const QList<int> &cards, const QStringList &titles,
                     const QString &pictureFolder, const Texts &texts, QWidget *parent = nullptr);

    // A significator lies upright: no orientation to choose, a larger preview.
    void setOrientationShown(bool shown);
    // Selects card `number` and shows its preview; nothing when not listed.
    void ClickQuer(int number);

    int chosenCard() const { return m_chosenCard; }
    bool chosenReversed() const { return m_chosenReversed; }

    QListWidget *ListBox1;
    QLabel *Image1;
    QGroupBox *RadioGroup1;
    QRadioButton *StraightButton;
    QRadioButton *ReversedButton;
    QPushButton *Button1;
    QPushButton *Button2;

private:
    void ListBox1Click();
    void Button1Click();

    QList<int> m_cards;
    QString m_pictureFolder;
    int m_chosenCard = -1;
    bool m_chosenReversed = false;
};
