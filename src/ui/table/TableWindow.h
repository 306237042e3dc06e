#pragma once

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/table/ReadingSession.h"
#include "ui/common/DialogContext.h"

#include <QMainWindow>

#include <memory>

class CardFaceCache;
class CardImage;
class DeckView;
class HandChoice;
class HelpWindow;
class Interaction;
class LanguageLoader;
class MusicController;
class MusicPlayer;
class OptionDialogs;
class OptionToggles;
class PreferenceSaver;
class PromptPanel;
class QSettings;
class QTimer;
class ReadingFileCommands;
class SpreadCommands;
class SpreadView;
class StepButtons;
class TableAccessibility;
class TableMenu;
class UiTextTable;

// The table: the program's one full-screen window, where spreads are laid
// and cards drawn. It holds the reading session and shows its phase: the
// deck and the fan, the spread area, the prompt panel and the buttons of the
// step at hand; every other window is opened from here.
class TableWindow : public QMainWindow
{
    Q_OBJECT

public:
    // `roots` say where the program's data lies. The preferences are
    // read from `settings` now and written back when the window closes;
    // `interaction` answers message boxes and modal dialogs; `faces` provides
    // card pictures. All three must outlive the window.
    TableWindow(const DataRoots &roots, QSettings &settings, Interaction &interaction,
                CardFaceCache &faces, QWidget *parent = nullptr);
    ~TableWindow() override;

    // Opens a file given on the command line: a reading file as Readings >
    // Open does, or a spread file, which starts a reading with that spread.
    void openFile(const QString &path);

    // Stores the settings and empties Temp without asking or telling the
    // user anything, for a program ended from outside; the window stays.
    void endFromOutside();

    // The music plays through `player`; until one is given it stays silent.
    void setMusicPlayer(std::unique_ptr<MusicPlayer> player);

    ReadingSession &session() { return *m_session; }
    MusicController &music() { return *m_music; }
    const Preferences &preferences() const { return m_preferences; }
    const ProgramData &programData() const { return m_data; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Says once that the settings file cannot be written: in a message box,
    // or on standard error for a program ended from outside.
    void showSettingsNotWritten();
    // Shows what follows a changed preference on the table itself.
    void onPreferenceChanged(Preferences::Setting setting);
    // Says every text of the table again in the language just loaded.
    void retranslate();
    // The chores of closing, done once: stop what moves, store, empty Temp.
    void finish(bool quietly);

    void createMenu();
    void createControls();
    void layOutControls();

    // Shows what the phase of the reading calls for.
    void onPhaseChanged();
    void onSpreadLaid();
    void onTablePressed(const QPoint &point);
    void onPositionClicked(int position);
    void showExtraCard(const ReadingSession::ExtraCard &card);

    void openReading();
    void cutDeck(const QPoint &point);
    void drawAutomatically();
    void showCardDetail(int number, bool reversed, const QByteArray &subtitle);
    void toggleSpreadView();
    // Names the piece playing in the window title and on "Play music".
    void showNowPlaying(const QString &path);
    void showHelp();

    QSettings &m_settings;
    Interaction &m_interaction;
    CardFaceCache &m_faces;
    Preferences m_preferences;
    ProgramData m_data;
    ReadingSession *m_session;
    std::unique_ptr<MusicPlayer> m_musicPlayer;
    MusicController *m_music;
    LanguageLoader *m_language;
    PreferenceSaver *m_saver = nullptr;
    DialogContext m_context;
    OptionToggles *m_options = nullptr;
    OptionDialogs *m_optionDialogs = nullptr;
    SpreadCommands *m_spreads = nullptr;

    TableMenu *m_menu = nullptr;
    DeckView *m_deckView = nullptr;
    SpreadView *m_spreadView = nullptr;
    HandChoice *m_handChoice = nullptr;
    PromptPanel *m_promptPanel = nullptr;
    StepButtons *m_stepButtons = nullptr;
    TableAccessibility *m_accessibility = nullptr;
    CardImage *m_extraCardImage = nullptr;
    // Made when help is first asked for, and kept, with its place, until the table closes.
    HelpWindow *m_helpWindow = nullptr;
    ReadingFileCommands *m_readingFiles = nullptr;
    QTimer *m_autoDrawTimer = nullptr;
    // Where the user clicked the deck to cut it, while the cut is shown.
    int m_cutX = 0;
    bool m_closed = false;
    // The program is being ended from outside: nobody is there to read a message box.
    bool m_endingQuietly = false;
};
