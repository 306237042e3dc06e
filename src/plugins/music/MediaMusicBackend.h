#pragma once

#include <QMediaPlayer>

#include <functional>

class QAudioOutput;
class QTimer;

// Plays the music through Qt Multimedia, in the music plugin. Every file
// gets a media player of its own, made when it is played and dropped when it
// is replaced: a piece played again starts from a fresh source (a MIDI
// stream cannot be rewound), and news from a file already replaced can never
// be taken for news of the next one. A file counts as started once the
// backend plays it audibly.
//
// The program drives it through its meta-object alone (invokable methods
// and signals by name), so the plugin and the program share no class but
// QObject.
class MediaMusicBackend : public QObject
{
    Q_OBJECT

public:
    // A file that neither starts nor fails within this time counts as failed.
    static constexpr int StartTimeoutMs = 10000;

    explicit MediaMusicBackend(QObject *parent = nullptr);

    // Plays `path` from its beginning in place of whatever plays now.
    Q_INVOKABLE void play(const QString &path);
    // Silences the player; no signal follows for the file stopped.
    Q_INVOKABLE void stop();
    Q_INVOKABLE void setVolume(int percent);

signals:
    void started(const QString &path);
    // `deviceFault`: nothing can be played at all (no audio output or no
    // media backend); otherwise only this file cannot.
    void failed(const QString &path, bool deviceFault);
    void finished(const QString &path);

private:
    // Stops and drops the media player of the file that played.
    void release();
    void checkStarted();
    void onMediaStatusChanged(QMediaPlayer::MediaStatus status);
    void onError(QMediaPlayer::Error error);
    void fail(bool deviceFault);
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
