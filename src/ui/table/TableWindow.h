#pragma once

#include "core/app/TableState.h"

#include <QImage>
#include <QMainWindow>

#include <array>

class CardImage;
class Interaction;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QTimer;
class CommentsWindow;
class TableCanvas;
class Card;

// The table: the program's one full-screen window, where spreads are laid
// and cards drawn. It owns the reading's long-lived state (TableState) and
// the menu; every other window is opened from here.
class TableWindow : public QMainWindow, public TableState
{
    Q_OBJECT

public:
    // `appDir` is the folder holding the program's data; `interaction`
    // answers message boxes and modal dialogs and must outlive the window.
    TableWindow(const QString &appDir, Interaction &interaction, QWidget *parent = nullptr);
    ~TableWindow() override;

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
    CardImage *ExtraCardImage = nullptr;
    QWidget *ExtentMarker = nullptr;
    CommentsWindow *commentsWindow = nullptr;
    std::array<CardImage *, Spread::Capacity> PositionImages{};

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
    // Paints the table afresh into its canvas: the stacked deck, or the fan.
    void FormPaint();

    // Spread positions on the table
    void MakeSpreadAndImages();
    void ShowPosition(int position);
    void LoadReversedPositionImage(int position);
    void crdbmpclick(int tag);

    // Cards of the fan
    void PaintBack(const Card &card);
    void TakeAway(Card &card);
    void DrawCard(Card &card);
    void ShowTurnedExtraCard(const Card &card);

    // Shuffle, cut and draw
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void Piling(int x, int y);
    void DoPile(int k);
    void DoRandomDraw();
    void FormMouseDown(QMouseEvent *event);

    // Cards chosen by hand
    void Input1Click();

    // Reading files
    void Savecurrentreading1Click();
    void Openreading1Click();

    // Starting a reading
    void Selectnewspread2Click();
    void SelectlayoutF12Click();
    void SelectlayoutF11Click();

    void Exit1Click();
    void MajorArcanaonly1Click();
    void Usereversedpositions1Click();
    void Drawcardsautomatically1Click();
    void CutDeck1Click();
    void Cutdeckin3piles1Click();
    void Showlayouttips1Click();
    void Backgroundcolor1Click();
    void Defaultbackground1Click();
    void RemoveDeck1Click();
    void RestoreDeck();
    void Resizeenlargedcard1Click();
    void Language1Click();
    void Contents1Click();
    void About1Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormCloseQuery();
    void FormClose();

    // Opens the Select card dialog for an empty position and places the card.
    void chooseCardByHand(int position);
    void placeChosenCard(int position, int number, bool reversed);
    void promptAfterSignificator();
    void ShowCardDetail(int number, bool reversed, const QByteArray &subtitle);
    // Hooks for the music player, which this build does not have yet.
    void musicForNewSpread();
    void musicForOpenedReading();
    // Runs a file dialog for reading files; the chosen path, empty on cancel.
    QString chooseReadingFile(bool saving, const QString &proposedName);

    // Runs the spread chooser with `caption` and takes the spread picked;
    // false when the user cancelled.
    bool chooseSpread(const QString &caption);
    void endReadingInProgress();
    void paintPositionLabel(int position);
    void repaintPositionLabels();
    void setBackColor(TColor color);
    void fitSpreadArea();
    void setPrompt(const QByteArray &text);
    void onWheel(QWheelEvent *event);
    void eraseFanRect(int x, int y);
    void shuffleFrame();
    QRect stackedDeckRect() const;

    void createMenu();
    void createControls();
    void layOutControls();
    void applyMenuChecks();
    void applyBackColor();
    void setCaptions();
    void showOptionNotice();

    Interaction &m_interaction;
    // The card backs: large for the stacked deck and drawn positions, small
    // for the fan. Drawn once at start-up.
    QImage m_largeBack;
    QImage m_smallBack;
    // The left panel's prompt as bytes, as written.
    QByteArray m_prompt;
    QTimer *m_shuffleTimer = nullptr;
    // Angle of the next card back painted along the shuffle's ellipse.
    double m_shuffleAngle = 0.8;
    // Counts readings begun, so a loop that lets the window react can tell
    // that the reading it worked on has been replaced meanwhile.
    int m_readingGeneration = 0;
    bool m_closed = false;
};
