#pragma once

#include "core/music/MusicPlayer.h"

#include <QStringList>

#include <functional>

// Stands in for the media player: records what it is asked to play and
// answers at once as a test tells it (the file starts, fails, or the
// whole device fails), or later when the test calls failCurrent() or
// finishCurrent().
class FakeMusicPlayer : public MusicPlayer
{
public:
    enum class Answer
    {
        Start,
        Fail,
        FailDevice,
        // Nothing yet: the test answers later.
        Wait,
    };

    void play(const QString &path) override
    {
        plays << path;
        current = path;
        switch (answer(path)) {
        case Answer::Start:
            emit started(path);
            break;
        case Answer::Fail:
            emit failed(path, Failure::File);
            break;
        case Answer::FailDevice:
            emit failed(path, Failure::Device);
            break;
        case Answer::Wait:
            break;
        }
    }
    void stop() override
    {
        ++stops;
        current.clear();
    }
    void setVolume(int percent) override { volume = percent; }

    // The file asked for last plays to its end.
    void finishCurrent() { emit finished(current); }
    void failCurrent() { emit failed(current, Failure::File); }

    std::function<Answer(const QString &)> answer = [](const QString &) { return Answer::Start; };
    QStringList plays;
    QString current;
    int stops = 0;
    int volume = -1;
};
