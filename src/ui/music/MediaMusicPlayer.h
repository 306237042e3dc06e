#pragma once

#include "core/music/MusicPlayer.h"

#include <QMediaPlayer>

#include <functional>

class QAudioOutput;

// Plays the music through Qt Multimedia. The media player is made on the
// first play, so a program that never plays music never starts the media
// backend. A file counts as started once the backend plays it audibly.
class MediaMusicPlayer : public MusicPlayer
{
    Q_OBJECT

public:
    explicit MediaMusicPlayer(QObject *parent = nullptr);

    void play(const QString &path) override;
    void stop() override;
    void setVolume(int percent) override;

private:
    // False when there is no audio output or no usable media backend.
    bool ensurePlayer();
    void checkStarted();
    void onMediaStatusChanged(QMediaPlayer::MediaStatus status);
    void onError(QMediaPlayer::Error error);
    // Signals go out from the event loop, so the controller may start the
    // next file without re-entering the media player's own signal.
    void reportLater(const std::function<void()> &report);

    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
    // The file playing or about to; empty when stopped.
    QString m_path;
    bool m_startReported = false;
    int m_volume = 70;
};
