#pragma once

#include <QObject>
#include <QString>

// What plays the music: one file at a time, from its beginning. The outcome
// of play() arrives later (or at once) as started() or failed(); every
// signal names the file it is about, so news of a file already replaced
// can be told apart.
class MusicPlayer : public QObject
{
    Q_OBJECT

public:
    enum class Failure
    {
        // This file cannot be played; another one may.
        File,
        // Nothing can be played at all: no audio output or no media backend.
        Device,
    };
    Q_ENUM(Failure)

    using QObject::QObject;

    // Plays `path` from its beginning in place of whatever plays now.
    virtual void play(const QString &path) = 0;
    // Silences the player; no signal follows for the file stopped.
    virtual void stop() = 0;
    virtual void setVolume(int percent) = 0;

signals:
    // `path` is audibly playing.
    void started(const QString &path);
    void failed(const QString &path, MusicPlayer::Failure failure);
    // `path` played to its end.
    void finished(const QString &path);
};
