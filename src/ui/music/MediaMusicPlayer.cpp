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
    , m_startTimeout(new QTimer(this))
{
    m_startTimeout->setSingleShot(true);
    m_startTimeout->setInterval(StartTimeoutMs);
    connect(m_startTimeout, &QTimer::timeout, this, [this] { fail(Failure::File); });
}

void MediaMusicPlayer::play(const QString &path)
{
    release();
    if (QMediaDevices::audioOutputs().isEmpty()) {
        reportLater([this, path] { emit failed(path, Failure::Device); });
        return;
    }
    if (!QFileInfo(path).isReadable()) {
        reportLater([this, path] { emit failed(path, Failure::File); });
        return;
    }
    m_player = new QMediaPlayer(this);
    if (!m_player->isAvailable()) {
        release();
        reportLater([this, path] { emit failed(path, Failure::Device); });
        return;
    }
    m_output = new QAudioOutput(m_player);
    m_player->setAudioOutput(m_output);
    setVolume(m_volume);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
            &MediaMusicPlayer::onMediaStatusChanged);
    connect(m_player, &QMediaPlayer::playbackStateChanged, this, &MediaMusicPlayer::checkStarted);
    connect(m_player, &QMediaPlayer::positionChanged, this, &MediaMusicPlayer::checkStarted);
    connect(m_player, &QMediaPlayer::errorOccurred, this, &MediaMusicPlayer::onError);
    m_path = path;
    m_startReported = false;
    m_startTimeout->start();
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

void MediaMusicPlayer::stop()
{
    release();
}

void MediaMusicPlayer::setVolume(int percent)
{
    m_volume = percent;
    // The slider moves evenly through what the ear hears as loudness.
    if (m_output)
        m_output->setVolume(QAudio::convertVolume(percent / 100.0, QAudio::LogarithmicVolumeScale,
                                                  QAudio::LinearVolumeScale));
}

void MediaMusicPlayer::release()
{
    m_path.clear();
    m_startTimeout->stop();
    if (!m_player)
        return;
    // Whatever the old player still says concerns a file no longer asked for.
    disconnect(m_player, nullptr, this, nullptr);
    m_player->stop();
    m_player->deleteLater();
    m_player = nullptr;
    m_output = nullptr;
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
    m_startTimeout->stop();
    const QString path = m_path;
    reportLater([this, path] { emit started(path); });
}

void MediaMusicPlayer::onMediaStatusChanged(QMediaPlayer::MediaStatus status)
{
    if (m_path.isEmpty())
        return;
    // A file that ends without ever being heard is no piece: counting it as
    // played would repeat it at once, over and over.
    if (status == QMediaPlayer::InvalidMedia ||
        (status == QMediaPlayer::EndOfMedia && !m_startReported)) {
        fail(Failure::File);
        return;
    }
    if (status == QMediaPlayer::EndOfMedia) {
        const QString path = m_path;
        release();
        reportLater([this, path] { emit finished(path); });
        return;
    }
    checkStarted();
}

void MediaMusicPlayer::onError(QMediaPlayer::Error error)
{
    if (!m_path.isEmpty() && error != QMediaPlayer::NoError)
        fail(Failure::File);
}

void MediaMusicPlayer::fail(Failure failure)
{
    const QString path = m_path;
    if (path.isEmpty())
        return;
    release();
    reportLater([this, path, failure] { emit failed(path, failure); });
}

void MediaMusicPlayer::reportLater(const std::function<void()> &report)
{
    QTimer::singleShot(0, this, report);
}
