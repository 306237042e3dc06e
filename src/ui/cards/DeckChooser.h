#pragma once

#include "core/cards/DeckList.h"

#include <QDialog>

class CardFaceCache;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class UiTextTable;

// The deck chooser: lists the decks with a preview of the one selected, and
// sets how the court cards and Strength are numbered in the card titles.
// With no decks it shows a notice and a lone OK button that changes nothing.
class DeckChooser : public QDialog
{
    Q_OBJECT

public:
    struct Choice
    {
        QString deckName;
        // Court cards in the "New Age sequence"; false for "Traditional".
        bool ardenvaleStyle = true;
        bool strengthEleven = true;

        bool operator==(const Choice &other) const
        {
            return deckName == other.deckName && ardenvaleStyle == other.ardenvaleStyle &&
                   strengthEleven == other.strengthEleven;
        }
    };

    // `current` fills the dialog; its deck is selected when listed. The
    // preview takes its pictures from `faces`.
    DeckChooser(const QList<DeckList::Deck> &decks, const Choice &current, CardFaceCache &faces,
                const UiTextTable &texts, QWidget *parent = nullptr);

    // What the dialog was accepted with; the starting choice until then, and
    // after an OK with no decks to choose from.
    Choice choice() const { return m_choice; }

    QListWidget *deckList;
    QLabel *previewImage;
    // The selected deck's number of cards, under its preview.
    QLabel *cardCountLabel;
    QGroupBox *courtGroup;
    QRadioButton *traditionalButton;
    QRadioButton *newAgeButton;
    QGroupBox *strengthGroup;
    QRadioButton *strengthEightButton;
    QRadioButton *strengthElevenButton;
    QPushButton *okButton;
    QPushButton *cancelButton;
    // Shown instead of the list when Pics holds no deck.
    QLabel *noDecksLabel;

private:
    void showPreview();
    void acceptChoice();

    QList<DeckList::Deck> m_decks;
    CardFaceCache &m_faces;
    const UiTextTable &m_texts;
    Choice m_choice;
};
