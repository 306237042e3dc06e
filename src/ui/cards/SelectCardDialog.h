#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class CardFaceCache;
struct DialogContext;

// The Select card dialog: a list of card titles with a preview of the picked
// card and, for ordinary positions, its orientation.
class SelectCardDialog : public QDialog
{
    Q_OBJECT

public:
    // `cards` are the card numbers in list order, listed by their titles;
    // previews show the faces of the chosen deck. The caption names the
    // position the card is for.
    SelectCardDialog(const DialogContext &context, const QList<int> &cards, const QString &caption,
                     QWidget *parent = nullptr);

    // A significator lies upright: no orientation to choose, a larger preview.
    void setOrientationShown(bool shown);
    // Selects card `number` and shows its preview; nothing when not listed.
    void selectCard(int number);
    // Names the position the card is for in full below the list: its label
    // and explanation, word-wrapped; the dialog grows to fit them.
    void setPosition(const QString &label, const QString &explanation);

    int chosenCard() const { return m_chosenCard; }
    bool chosenReversed() const { return m_chosenReversed; }

    QListWidget *cardList;
    QGroupBox *orientationGroup;
    QRadioButton *reversedButton;
    QPushButton *okButton;
    QLabel *positionLabel;

private:
    void showPreview();
    void acceptChoice();
    // The card of the selected title; -1 while no title is selected (a
    // current row that focus alone made current is no choice).
    int selectedRow() const;

    QLabel *m_pictureLabel;
    QList<int> m_cards;
    CardFaceCache &m_faces;
    QString m_deckName;
    int m_chosenCard = -1;
    bool m_chosenReversed = false;
};
