#pragma once

#include <QDialog>

class Interaction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class ResizablePanel;
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
    ImageSettingsDialog(TableState &state, Interaction &interaction, QWidget *parent = nullptr);

    // Shows the dialog modally.
    static void run(TableState &state, Interaction &interaction, QWidget *parent);

    // Sizes the preview from the two edit fields, or says why it cannot.
    void BitBtn3Click();
    void BitBtn2Click();

    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QPushButton *BitBtn3;
    QFrame *Preview;
    ResizablePanel *FreePanel1;
    QCheckBox *CheckBox1;
    QCheckBox *CheckBox2;
    QPushButton *BitBtn2;
    QPushButton *BitBtn1;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void FormResize();
    void FreePanel1Resize();
    QString uiText(int index) const;

    TableState &m_state;
    Interaction &m_interaction;
};
