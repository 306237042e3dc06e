#include "core/music/PluginMusicPlayer.h"

#include "core/app/Plugins.h"

#include <QDebug>
#include <QTimer>

PluginMusicPlayer::PluginMusicPlayer(const QString &plugin, QObject *parent)
    : MusicPlayer(parent)
    , m_plugin(plugin)
{}

QObject *PluginMusicPlayer::backend()
{
    if (m_backend || m_loadTried)
        return m_backend;
    m_loadTried = true;
    QString error;
    using Maker = QObject *(*)();
    const auto make = Plugins::resolve<Maker>(m_plugin, "quillmoor_make_music_backend", &error);
    if (!make) {
        qWarning().noquote() << "Music cannot be played:" << error;
        return nullptr;
    }
    m_backend = make();
    // The plugin stays loaded, so its player can be deleted as a child.
    m_backend->setParent(this);
    // Joined by name: the plugin's player shares no class with the program.
    connect(m_backend, SIGNAL(started(QString)), this, SIGNAL(started(QString)));
    connect(m_backend, SIGNAL(finished(QString)), this, SIGNAL(finished(QString)));
    connect(m_backend, SIGNAL(failed(QString, bool)), this, SLOT(onBackendFailed(QString, bool)));
    QMetaObject::invokeMethod(m_backend, "setVolume", Q_ARG(int, m_volume));
    return m_backend;
}

void PluginMusicPlayer::play(const QString &path)
{
    if (QObject *player = backend()) {
        QMetaObject::invokeMethod(player, "play", Q_ARG(QString, path));
        return;
    }
    // As the plugin's player does, the outcome arrives from the event loop.
    QTimer::singleShot(0, this, [this, path] { emit failed(path, Failure::Device); });
}

void PluginMusicPlayer::stop()
{
    if (m_backend)
        QMetaObject::invokeMethod(m_backend, "stop");
}

void PluginMusicPlayer::setVolume(int percent)
{
    m_volume = percent;
    if (m_backend)
        QMetaObject::invokeMethod(m_backend, "setVolume", Q_ARG(int, percent));
}

void PluginMusicPlayer::onBackendFailed(const QString &path, bool deviceFault)
{
    emit failed(path, deviceFault ? Failure::Device : Failure::File);
}
