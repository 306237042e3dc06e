#pragma once

#include "core/cards/MeaningDocument.h"
#include "core/cards/PictureBox.h"
#include "ui/common/DialogContext.h"

#include <QDialog>

class Interaction;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class UiTextTable;
class CardFaceCache;
class ProgramData;
class Preferences;

// The card detail window: a card's title, a subtitle, the enlarged picture
// and the card's meaning text, which the user can edit and save for the
// current deck or as the language's default meaning.
class CardDetailWindow : public QDialog
{
    Q_OBJECT

public:
    // `number` must be a card number (0 to 78). The layout, the display
    // options and the save choices come from the context's preferences.
    CardDetailWindow(const DialogContext &context, int number, bool reversed,
                     const QByteArray &subtitle, QWidget *parent = nullptr);

    // The meaning text was edited since it was loaded or saved. It stays
    // edited until saved, even when the edit is undone.
    bool isModified() const { return m_modified; }
    // The text as loaded or last saved, as the text field gives it back.
    QString savedText() const { return m_savedText; }

    // Every way of closing the window passes here, so an edited text is
    // never dropped without asking.
    void done(int result) override;

    // Has the face the window would show for card `number` decoded and
    // stored in the background, for a card being turned face up.
    static void prepareFace(CardFaceCache &faces, const Preferences &preferences, int number,
                            bool reversed, qreal devicePixelRatio);

    QLabel *titleLabel;
    QLabel *subtitleLabel;
    QLabel *pictureLabel;
    QPlainTextEdit *meaningEdit;
    QPushButton *closeButton;
    QPushButton *saveButton;

private:
    void layOut();
    void showPicture();
    static PictureBox::Fit pictureFit(CardFaceCache &faces, const Preferences &preferences,
                                      int number, bool reversed);
    void meaningEdited();
    // Asks where the text goes and writes it there. Returns false, with a
    // message shown and the text still counted as edited, when a file could
    // not be written.
    bool saveMeaning();

    QFrame *m_panel;
    const ProgramData &m_data;
    Preferences &m_preferences;
    CardFaceCache &m_faces;
    Interaction &m_interaction;
    const UiTextTable &m_texts;
    const int m_number;
    const bool m_reversed;
    const MeaningDocument m_meaning;
    QString m_savedText;
    bool m_modified = false;
};
