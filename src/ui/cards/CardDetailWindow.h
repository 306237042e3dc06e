#pragma once

#include <QDialog>

class Interaction;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
struct TableState;

namespace MeaningText {
struct Source;
}

// The card detail window: a card's title, a subtitle, the enlarged picture
// and the card's meaning text, which the user can edit and save for the
// current deck or as the language's default meaning.
class CardDetailWindow : public QDialog
{
    Q_OBJECT

public:
    // `number` must be a card number (0 to 78). The layout, the display
    // options and the save choices come from `state`, which must outlive
    // the window.
    CardDetailWindow(TableState &state, Interaction &interaction, int number, bool reversed,
                     const QByteArray &subtitle, QWidget *parent = nullptr);

    // Shows the detail window of one card modally.
    static void ShowCardDetail(TableState &state, Interaction &interaction, QWidget *parent,
                               int number, bool reversed, const QByteArray &subtitle);

    // Asks where the text goes and writes it there. Returns false, with a
    // message shown and the text still counted as edited, when a file could
    // not be written.
    bool BitBtn2Click();

    // Every way of closing the window passes here, so an edited text is
    // never dropped without asking.
    void done(int result) override;

    QFrame *Panel1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Image1;
    QPlainTextEdit *Memo1;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

    // The text as loaded or last saved, as the text field gives it back.
    QString LoadedText;
    // The text was edited since; stays set until saved, even when the edit
    // is undone.
    bool Modified = false;
    int CardNumber;
    bool CardReversed;

private:
    void layOut();
    void showPicture();
    void Memo1Changed();
    QString uiText(int index) const;
    MeaningText::Source meaningSource() const;

    TableState &m_state;
    Interaction &m_interaction;
};
