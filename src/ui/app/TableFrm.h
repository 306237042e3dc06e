#pragma once

#include "app/TableState.h"

#include <QMainWindow>

#include <array>

class Interaction;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class TForm9;
class TableCanvas;

// The table: the program's one full-screen window, where spreads are laid
// and cards drawn. It owns the reading's long-lived state (TableState) and
// the menu; every other window is opened from here.
class TForm1 : public QMainWindow, public TableState
{
    Q_OBJECT

public:
    // `appDir` is the folder holding the program's data; `interaction`
    // answers message boxes and modal dialogs and must outlive the window.
    TForm1(const QString &appDir, Interaction &interaction, QWidget *parent = nullptr);
    ~TForm1() override;

    // Fixed controls of the table
    TableCanvas *Canvas;
    QScrollArea *ScrollBox1;
    QFrame *Panel1;
    QFrame *Panel2;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label4;
    QPushButton *SpeedButton1;
    QPushButton *SpeedButton2;
    QPushButton *SpeedButton3;
    QLabel *ExtraCardImage = nullptr;
    QWidget *ExtentMarker = nullptr;
    TForm9 *CommentsWindow = nullptr;
    std::array<QLabel *, TSpreadParser::Capacity> PositionImages{};

    // Main menu
    QMenu *Menu1;
    QAction *SelectlayoutF12;
    QAction *Openreading1;
    QAction *Savecurrentreading1;
    QAction *Input1;
    QAction *Print1;
    QAction *Exit1;
    QAction *SelectlayoutF11;
    QMenu *Spreads1;
    QAction *Createnewspread1;
    QAction *Editspread1;
    QMenu *View1;
    QAction *RemoveDeck1;
    QAction *Backgroundcolor1;
    QAction *Defaultbackground1;
    QAction *Showlayouttips1;
    QMenu *Menu2;
    QAction *Selectdesk1;
    QAction *MajorArcanaonly1;
    QAction *Usereversedpositions1;
    QAction *Drawcardsautomatically1;
    QAction *CutDeck1;
    QAction *Cutdeckin3piles1;
    QAction *Resizeenlargedcard1;
    QAction *Musicsettings1;
    QAction *Playmusic1;
    QAction *Language1;
    QMenu *Help1;
    QAction *Contents1;
    QAction *About1;

    // Interface text `index` of the current language, ready for display.
    QString uiText(int index) const;

    // Reloads the current language: texts, captions, card titles, help file.
    void LoadLangu();
    // Paints the table afresh into its canvas.
    void FormPaint();

    void Exit1Click();
    void MajorArcanaonly1Click();
    void Usereversedpositions1Click();
    void Drawcardsautomatically1Click();
    void CutDeck1Click();
    void Cutdeckin3piles1Click();
    void Showlayouttips1Click();
    void Language1Click();
    void Contents1Click();
    void About1Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormCloseQuery();
    void FormClose();

    void createMenu();
    void createControls();
    void layOutControls();
    void applyMenuChecks();
    void applyBackColor();
    void setCaptions();
    void showOptionNotice();

    Interaction &m_interaction;
    bool m_closed = false;
};
