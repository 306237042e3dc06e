#pragma once

#include "core/music/MusicPlayer.h"

#include <QMediaPlayer>

#include <functional>

class QAudioOutput;
class QTimer;

// Plays the music through Qt Multimedia. Every file gets a media player of
// its own, made when it is played and dropped when it is replaced: a piece
// played again starts from a fresh source (a MIDI stream cannot be rewound),
// and news from a file already replaced can never be taken for news of the
// next one. A program that never plays music never starts the media backend.
// A file counts as started once the backend plays it audibly.
class MediaMusicPlayer : public MusicPlayer
{
    Q_OBJECT

public:
    // A file that neither starts nor fails within this time counts as failed.
    static constexpr int StartTimeoutMs = 10000;

    explicit MediaMusicPlayer(QObject *parent = nullptr);

    void play(const QString &path) override;
    void stop() override;
    void setVolume(int percent) override;

private:
    // Stops and drops the media player of the file that played.
    void release();
    void checkStarted();
    void onMediaStatusChanged(QMediaPlayer::MediaStatus status);
    void onError(QMediaPlayer::Error error);
    void fail(Failure failure);
    // Signals go out from the event loop, so the controller may start the
    // next file without re-entering the media player's own signal.
    void reportLater(const std::function<void()> &report);

    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
    QTimer *m_startTimeout;
    // The file playing or about to; empty when stopped.
    QString m_path;
    bool m_startReported = false;
    int m_volume = 70;
};
