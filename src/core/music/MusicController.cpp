#include "core/music/MusicController.h"

#include "core/app/Preferences.h"
#include "core/music/MusicFolder.h"
#include "core/music/SpreadMusic.h"

#include <QFileInfo>

#include <utility>

MusicController::MusicController(const DataRoots &roots, Preferences &preferences, QObject *parent)
    : QObject(parent)
    , m_roots(roots)
    , m_preferences(preferences)
{}

void MusicController::setPlayer(MusicPlayer *player)
{
    if (m_player) {
        m_player->stop();
        disconnect(m_player, nullptr, this, nullptr);
    }
    m_chooser = nullptr;
    m_requested.clear();
    setNowPlaying(QString());
    m_player = player;
    if (!m_player)
        return;
    m_player->setVolume(m_preferences.musicVolume());
    connect(m_player, &MusicPlayer::started, this, &MusicController::onStarted);
    connect(m_player, &MusicPlayer::failed, this, &MusicController::onFailed);
    connect(m_player, &MusicPlayer::finished, this, &MusicController::onFinished);
}

void MusicController::togglePlayMusic(bool deckFanned, const QString &spreadName)
{
    if (m_preferences.playMusic()) {
        m_preferences.setPlayMusic(false);
        stop();
        return;
    }
    m_preferences.setPlayMusic(true);
    m_warnNoSound = true;
    if (deckFanned && !m_preferences.ignoreSpreadMusic())
        playForSpread(spreadName);
    else
        playForMode();
    m_musicStarted = true;
}

void MusicController::spreadStarted(const QString &spreadName)
{
    m_spreadName = spreadName;
    const bool ignore = m_preferences.ignoreSpreadMusic();
    const bool folderMode = m_preferences.playMode() != PlayMode::SelectedFile;
    if (!ignore) {
        m_pieceEnded = false;
        playForSpread(spreadName);
    } else if (m_preferences.resetMusic() && folderMode) {
        // A spread start moves the folder music on to another piece.
        m_preferences.setMusicFile(m_preferences.lastMusicFile());
        playFromFolder();
    } else if (!m_musicStarted) {
        m_preferences.setMusicFile(m_preferences.lastMusicFile());
        playForMode();
    }
    if (m_preferences.playMusic())
        m_musicStarted = true;
}

void MusicController::readingOpened(const QString &spreadName)
{
    m_spreadName = spreadName;
    if (!m_preferences.ignoreSpreadMusic()) {
        m_pieceEnded = false;
        playForSpread(spreadName);
    } else if (!m_musicStarted) {
        playForMode();
    }
    m_musicStarted = true;
}

void MusicController::applySettings(const MusicSettingsChoice &choice)
{
    m_preferences.setPlayMode(choice.playMode);
    m_preferences.setResetMusic(choice.resetMusic);
    m_preferences.setIgnoreSpreadMusic(choice.ignoreSpreadMusic);
    m_preferences.setMusicVolume(choice.volume);
    if (m_player)
        m_player->setVolume(choice.volume);
    if (choice.folder != m_preferences.musicDir()) {
        m_preferences.setMusicDir(choice.folder);
        if (m_preferences.playMode() != PlayMode::SelectedFile && choice.selectedFile.isEmpty() &&
            m_musicStarted)
            playFromFolder();
    }
    if (!choice.selectedFile.isEmpty() && choice.selectedFile != m_preferences.musicFile()) {
        m_preferences.setMusicFile(choice.selectedFile);
        m_preferences.setLastMusicFile(choice.selectedFile);
        // The spread's own music keeps playing; the file waits its turn.
        if (m_preferences.ignoreSpreadMusic() || !m_spreadMusicActive) {
            m_startFromSelected = true;
            if (m_musicStarted)
                playForMode();
        }
    }
}

void MusicController::playFile()
{
    m_chooser = nullptr;
    startPlayer(m_preferences.musicFile());
}

void MusicController::playFromFolder()
{
    playFromFolder(m_preferences.playMode() == PlayMode::InOrder);
}

void MusicController::playFromFolder(bool inOrder)
{
    if (!m_preferences.playMusic())
        return;
    const QStringList candidates = MusicFolder::candidates(m_preferences.musicDir());
    if (candidates.isEmpty())
        return;
    const int count = int(candidates.size());
    const int current = MusicFolder::indexOf(candidates, m_preferences.musicFile());
    const bool fromSelected = std::exchange(m_startFromSelected, false);

    if (inOrder) {
        // A file outside the list counts as the last, so the pass begins at the first.
        const int k = current < 0 ? count - 1 : current;
        int next = fromSelected ? k : (k + 1) % count;
        // Each file is tried once at most: a folder where nothing plays
        // ends silent.
        int left = count;
        tryCandidates([candidates, next, left, count]() mutable -> std::optional<QString> {
            if (left == 0)
                return std::nullopt;
            --left;
            const QString candidate = candidates.at(next);
            next = (next + 1) % count;
            return candidate;
        });
        return;
    }

    m_random.seedFromClock();
    int tries = 0;
    bool takeSelected = fromSelected && current >= 0;
    bool lastTried = false;
    tryCandidates([this, candidates, current, count, tries, takeSelected,
                   lastTried]() mutable -> std::optional<QString> {
        if (std::exchange(takeSelected, false))
            return candidates.at(current);
        if (tries < RandomTries) {
            // Drawn among the files not yet failed in this pass and, while
            // there is another, not the current one.
            QList<int> open;
            for (int i = 0; i < count; ++i) {
                if ((i != current || count == 1) && !m_failedInPass.contains(candidates.at(i)))
                    open << i;
            }
            if (!open.isEmpty()) {
                ++tries;
                return candidates.at(open.at(m_random.uniform(int(open.size()))));
            }
        }
        // The draws are spent: the current file has the last try.
        if (std::exchange(lastTried, true))
            return std::nullopt;
        const QString last = candidates.at(current < 0 ? 0 : current);
        if (m_failedInPass.contains(last))
            return std::nullopt;
        return last;
    });
}

void MusicController::playForSpread(const QString &spreadName)
{
    m_spreadName = spreadName;
    const QString text = SpreadMusic::readText(m_roots.associationFile(), m_preferences.language());
    const QString path = musicPath(SpreadMusic::lookup(text, spreadName));
    bool usable = false;
    if (!path.isEmpty()) {
        if (path == m_preferences.musicFile() && !m_pieceEnded && path == m_requested) {
            // The spread's music plays already and goes on.
            usable = true;
        } else if (QFileInfo(path).isFile()) {
            m_preferences.setMusicFile(path);
            playFile();
            usable = true;
        }
    }
    if (!usable) {
        m_preferences.setMusicFile(m_preferences.lastMusicFile());
        const bool folderMode = m_preferences.playMode() != PlayMode::SelectedFile;
        if (m_pieceEnded) {
            // The folder modes move on to another piece, the selected file repeats.
            playForMode();
        } else if (m_preferences.resetMusic() && folderMode) {
            playFromFolder();
        } else if (!m_musicStarted || m_spreadMusicActive) {
            playForMode();
        }
    }
    m_spreadMusicActive = usable;
}

void MusicController::nextPiece()
{
    if (!m_preferences.playMusic())
        return;
    // The piece playing may be a spread's own: the folder's follows it.
    m_preferences.setMusicFile(m_preferences.lastMusicFile());
    m_spreadMusicActive = false;
    playFromFolder(m_preferences.playMode() != PlayMode::Random);
}

void MusicController::previewVolume(int percent)
{
    if (m_player)
        m_player->setVolume(percent);
}

void MusicController::stop()
{
    m_chooser = nullptr;
    m_requested.clear();
    if (m_player)
        m_player->stop();
    setNowPlaying(QString());
}

void MusicController::playForMode()
{
    if (m_preferences.playMode() == PlayMode::SelectedFile)
        playFile();
    else
        playFromFolder();
}

void MusicController::tryCandidates(Chooser chooser)
{
    m_deviceFailed = false;
    m_failedInPass.clear();
    m_chooser = std::move(chooser);
    tryNextCandidates();
}

void MusicController::tryNextCandidates()
{
    while (m_chooser && !m_deviceFailed) {
        const std::optional<QString> candidate = m_chooser();
        if (!candidate)
            break;
        m_preferences.setMusicFile(*candidate);
        m_preferences.setLastMusicFile(*candidate);
        m_candidateFailed = false;
        m_tryingCandidate = true;
        startPlayer(*candidate);
        m_tryingCandidate = false;
        // The outcome is still to come, or the file plays.
        if (!m_candidateFailed)
            return;
    }
    m_chooser = nullptr;
}

void MusicController::startPlayer(const QString &path)
{
    if (!m_preferences.playMusic() || !m_player)
        return;
    setNowPlaying(QString());
    m_requested = path;
    m_player->play(path);
}

void MusicController::setNowPlaying(const QString &path)
{
    if (path == m_nowPlaying)
        return;
    m_nowPlaying = path;
    emit nowPlayingChanged(path);
}

void MusicController::onStarted(const QString &path)
{
    if (path != m_requested)
        return;
    m_chooser = nullptr;
    setNowPlaying(path);
}

void MusicController::onFailed(const QString &path, MusicPlayer::Failure failure)
{
    if (path != m_requested)
        return;
    m_requested.clear();
    setNowPlaying(QString());
    m_failedInPass.insert(path);
    if (failure == MusicPlayer::Failure::Device) {
        m_deviceFailed = true;
        if (std::exchange(m_warnNoSound, false))
            emit soundUnavailable();
    }
    if (m_tryingCandidate) {
        m_candidateFailed = true;
        return;
    }
    if (m_chooser && !m_deviceFailed)
        tryNextCandidates();
    else
        m_chooser = nullptr;
}

void MusicController::onFinished(const QString &path)
{
    if (path != m_requested)
        return;
    setNowPlaying(QString());
    if (m_musicStarted) {
        m_pieceEnded = true;
        playForSpread(m_spreadName);
    } else {
        playForMode();
    }
}

QString MusicController::musicPath(const QString &musicName) const
{
    if (musicName.isEmpty())
        return {};
    // A relative name lies in the first Music folder that has it.
    for (const QString &folder : m_roots.musicFolders()) {
        const QString path = SpreadMusic::resolve(musicName, folder);
        if (QFileInfo(path).isFile())
            return path;
    }
    return SpreadMusic::resolve(musicName, m_roots.musicDir());
}
