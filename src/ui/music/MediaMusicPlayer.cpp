#include "ui/music/MediaMusicPlayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTimer>
#include <QUrl>

#include <utility>

MediaMusicPlayer::MediaMusicPlayer(QObject *parent)
    : MusicPlayer(parent)
{}

void MediaMusicPlayer::play(const QString &path)
{
    stop();
    if (!ensurePlayer()) {
        reportLater([this, path] { emit failed(path, Failure::Device); });
        return;
    }
    if (!QFileInfo(path).isReadable()) {
        reportLater([this, path] { emit failed(path, Failure::File); });
        return;
    }
    m_path = path;
    m_startReported = false;
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

void MediaMusicPlayer::stop()
{
    m_path.clear();
    if (m_player)
        m_player->stop();
}

void MediaMusicPlayer::setVolume(int percent)
{
    m_volume = percent;
    // The slider moves evenly through what the ear hears as loudness.
    if (m_output)
        m_output->setVolume(QAudio::convertVolume(percent / 100.0, QAudio::LogarithmicVolumeScale,
                                                  QAudio::LinearVolumeScale));
}

bool MediaMusicPlayer::ensurePlayer()
{
    if (QMediaDevices::audioOutputs().isEmpty())
        return false;
    if (!m_player) {
        m_player = new QMediaPlayer(this);
        m_output = new QAudioOutput(this);
        m_player->setAudioOutput(m_output);
        setVolume(m_volume);
        connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
                &MediaMusicPlayer::onMediaStatusChanged);
        connect(m_player, &QMediaPlayer::playbackStateChanged, this,
                &MediaMusicPlayer::checkStarted);
        connect(m_player, &QMediaPlayer::positionChanged, this, &MediaMusicPlayer::checkStarted);
        connect(m_player, &QMediaPlayer::errorOccurred, this, &MediaMusicPlayer::onError);
    }
    return m_player->isAvailable();
}

void MediaMusicPlayer::checkStarted()
{
    if (m_path.isEmpty() || m_startReported ||
        m_player->playbackState() != QMediaPlayer::PlayingState)
        return;
    const QMediaPlayer::MediaStatus status = m_player->mediaStatus();
    if (status != QMediaPlayer::BufferedMedia && status != QMediaPlayer::BufferingMedia &&
        m_player->position() <= 0)
        return;
    m_startReported = true;
    const QString path = m_path;
    reportLater([this, path] { emit started(path); });
}

void MediaMusicPlayer::onMediaStatusChanged(QMediaPlayer::MediaStatus status)
{
    if (m_path.isEmpty())
        return;
    if (status == QMediaPlayer::EndOfMedia) {
        const QString path = std::exchange(m_path, QString());
        reportLater([this, path] { emit finished(path); });
        return;
    }
    checkStarted();
}

void MediaMusicPlayer::onError(QMediaPlayer::Error error)
{
    if (m_path.isEmpty() || error == QMediaPlayer::NoError)
        return;
    const QString path = std::exchange(m_path, QString());
    reportLater([this, path] { emit failed(path, Failure::File); });
}

void MediaMusicPlayer::reportLater(const std::function<void()> &report)
{
    QTimer::singleShot(0, this, report);
}
