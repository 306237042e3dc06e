#include "MediaMusicBackend.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTimer>
#include <QUrl>

#include <utility>

MediaMusicBackend::MediaMusicBackend(QObject *parent)
    : QObject(parent)
    , m_startTimeout(new QTimer(this))
{
    m_startTimeout->setSingleShot(true);
    m_startTimeout->setInterval(StartTimeoutMs);
    connect(m_startTimeout, &QTimer::timeout, this, [this] { fail(false); });
}

void MediaMusicBackend::play(const QString &path)
{
    release();
    if (QMediaDevices::audioOutputs().isEmpty()) {
        reportLater([this, path] { emit failed(path, true); });
        return;
    }
    if (!QFileInfo(path).isReadable()) {
        reportLater([this, path] { emit failed(path, false); });
        return;
    }
    m_player = new QMediaPlayer(this);
    if (!m_player->isAvailable()) {
        release();
        reportLater([this, path] { emit failed(path, true); });
        return;
    }
    m_output = new QAudioOutput(m_player);
    m_player->setAudioOutput(m_output);
    setVolume(m_volume);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
            &MediaMusicBackend::onMediaStatusChanged);
    connect(m_player, &QMediaPlayer::playbackStateChanged, this, &MediaMusicBackend::checkStarted);
    connect(m_player, &QMediaPlayer::positionChanged, this, &MediaMusicBackend::checkStarted);
    connect(m_player, &QMediaPlayer::errorOccurred, this, &MediaMusicBackend::onError);
    m_path = path;
    m_startReported = false;
    m_startTimeout->start();
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

void MediaMusicBackend::stop()
{
    release();
}

void MediaMusicBackend::setVolume(int percent)
{
    m_volume = percent;
    // The slider moves evenly through what the ear hears as loudness.
    if (m_output)
        m_output->setVolume(QAudio::convertVolume(percent / 100.0, QAudio::LogarithmicVolumeScale,
                                                  QAudio::LinearVolumeScale));
}

void MediaMusicBackend::release()
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

void MediaMusicBackend::checkStarted()
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

void MediaMusicBackend::onMediaStatusChanged(QMediaPlayer::MediaStatus status)
{
    if (m_path.isEmpty())
        return;
    // A file that ends without ever being heard is no piece: counting it as
    // played would repeat it at once, over and over.
    if (status == QMediaPlayer::InvalidMedia ||
        (status == QMediaPlayer::EndOfMedia && !m_startReported)) {
        fail(false);
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

void MediaMusicBackend::onError(QMediaPlayer::Error error)
{
    if (!m_path.isEmpty() && error != QMediaPlayer::NoError)
        fail(false);
}

void MediaMusicBackend::fail(bool deviceFault)
{
    const QString path = m_path;
    if (path.isEmpty())
        return;
    release();
    reportLater([this, path, deviceFault] { emit failed(path, deviceFault); });
}

void MediaMusicBackend::reportLater(const std::function<void()> &report)
{
    QTimer::singleShot(0, this, report);
}

// What the program calls, once the plugin is loaded, to make the player.
extern "C" Q_DECL_EXPORT QObject *quillmoor_make_music_backend()
{
    return new MediaMusicBackend;
}
