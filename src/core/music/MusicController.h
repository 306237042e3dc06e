#pragma once

#include "core/app/Preferences.h"
#include "core/data/DataRoots.h"
#include "core/music/MusicPlayer.h"
#include "core/util/RandomGenerator.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

// What the music settings dialog hands back on OK.
struct MusicSettingsChoice
{
    PlayMode playMode = PlayMode::Random;
    bool resetMusic = true;
    bool ignoreSpreadMusic = false;
    QString folder;
    // The file selected in the folder's list; empty when none is.
    QString selectedFile;
    int volume = 70;
};

// Decides what music plays and when: one selected file over and over, the
// files of the music folder in order or at random, or the music a spread
// has of its own. It reacts to the table (music switched on or off, a spread
// laid, a reading opened, the settings changed) and to the player (a file
// started, failed or ended). The music fields of the preferences are its
// state between runs.
class MusicController : public QObject
{
    Q_OBJECT

public:
    // Random choices that keep failing give up after this many.
    static constexpr int RandomTries = 100;

    MusicController(const DataRoots &roots, Preferences &preferences, QObject *parent = nullptr);

    // Without a player every play operation is silent. The player must
    // outlive the controller or be replaced first.
    void setPlayer(MusicPlayer *player);
    RandomGenerator &random() { return m_random; }

    bool musicStarted() const { return m_musicStarted; }
    bool spreadMusicActive() const { return m_spreadMusicActive; }
    // The file audibly playing, or empty.
    QString nowPlaying() const { return m_nowPlaying; }

    // "Play music" toggled. With the deck fanned the spread on the table,
    // `spreadName`, may have music of its own.
    void togglePlayMusic(bool deckFanned, const QString &spreadName);
    // A new spread was laid for a reading.
    void spreadStarted(const QString &spreadName);
    // A reading was opened from a file.
    void readingOpened(const QString &spreadName);
    // The music settings dialog was confirmed.
    void applySettings(const MusicSettingsChoice &choice);

    // Plays the current music file from its beginning.
    void playFile();
    // Chooses a file of the music folder by the play mode and plays it.
    void playFromFolder();
    // Plays the spread's own music, or falls back to the folder's.
    void playForSpread(const QString &spreadName);
    // Moves on at once to another piece of the music folder: the next one in
    // order, or one at random in the random mode. With one selected file the
    // next file of its folder becomes the selected one.
    void nextPiece();
    // Sets the loudness of what plays now without keeping it, as the
    // settings dialog's slider moves; OK keeps it, Cancel sets it back.
    void previewVolume(int percent);
    void stop();

signals:
    // The file audibly playing changed; empty when nothing plays.
    void nowPlayingChanged(const QString &path);
    // Music was switched on but nothing can sound: there is no audio output
    // or no media backend. Said once each time music is switched on.
    void soundUnavailable();

private:
    // Gives the next file to try, or nothing when the choice is over.
    using Chooser = std::function<std::optional<QString>()>;

    void playForMode();
    void playFromFolder(bool inOrder);
    // Starts a pass of choosing: tries the files `chooser` gives, one after
    // the other, until one plays, the device fails or the chooser has none
    // left. A failure that arrives later resumes the pass.
    void tryCandidates(Chooser chooser);
    void tryNextCandidates();
    void startPlayer(const QString &path);
    // The file an association's music name stands for; empty for none.
    QString musicPath(const QString &musicName) const;
    void setNowPlaying(const QString &path);
    void onStarted(const QString &path);
    void onFailed(const QString &path, MusicPlayer::Failure failure);
    void onFinished(const QString &path);

    const DataRoots m_roots;
    Preferences &m_preferences;
    QPointer<MusicPlayer> m_player;
    RandomGenerator m_random;
    // The spread of the reading on the table, whose music a piece's end restarts.
    QString m_spreadName;
    // The file last handed to the player; empty once stopped.
    QString m_requested;
    QString m_nowPlaying;
    Chooser m_chooser;
    // The files that failed in the current pass of choosing; the random
    // choice never draws them again.
    QSet<QString> m_failedInPass;
    bool m_tryingCandidate = false;
    bool m_candidateFailed = false;

    bool m_musicStarted = false;
    bool m_pieceEnded = false;
    bool m_startFromSelected = false;
    // The music playing is the spread's own; picking a file in the settings
    // then waits for the next piece.
    bool m_spreadMusicActive = false;
    bool m_deviceFailed = false;
    // A device failure is to be told: once a run, and again each time music
    // is switched on.
    bool m_warnNoSound = true;
};
