#pragma once

#include <QDialog>

class Interaction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class ResizablePanel;
class UiTextTable;
struct TableState;

// The image settings dialog: a mock-up of the card detail window in which
// the user sets the picture size by number, the window size by resizing the
// dialog and the text field's size by dragging its panel, together with the
// two picture options. Save hands all of it to the detail window.
class ImageSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // `state` must outlive the dialog; it changes only on Save.
    ImageSettingsDialog(TableState &state, Interaction &interaction, const UiTextTable &texts,
                        QWidget *parent = nullptr);

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
    TableState &m_state;
    Interaction &m_interaction;
    const UiTextTable &m_texts;
};
