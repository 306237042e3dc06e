#pragma once

#include <QDialog>

class Interaction;
class QDialogButtonBox;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class ResizablePanel;
class UiTextTable;
class Preferences;

// The image settings dialog: a mock-up of the card detail window in which
// the user sets the picture size by number, the window size by resizing the
// dialog and the text field's size by dragging its panel, together with the
// two picture options. Save hands all of it to the detail window.
class ImageSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // `preferences` must outlive the dialog; they change only on Save.
    ImageSettingsDialog(Preferences &preferences, Interaction &interaction,
                        const UiTextTable &texts, QWidget *parent = nullptr);

    QLineEdit *widthEdit;
    QLineEdit *heightEdit;
    QPushButton *applyButton;
    // Stands for the picture, at the size it will have.
    QFrame *previewFrame;
    ResizablePanel *textFieldPanel;
    QCheckBox *keepStraightCheck;
    QCheckBox *keepActualSizeCheck;
    QPushButton *saveButton;
    QPushButton *cancelButton;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layOutControls();
    void keepPanelAtRightEdge();
    // Sizes the preview from the two edit fields, or says why it cannot.
    void applyPictureSize();
    void saveSettings();

    QLabel *m_instructionLabel;
    QDialogButtonBox *m_buttons;
    Preferences &m_preferences;
    Interaction &m_interaction;
    const UiTextTable &m_texts;
};
