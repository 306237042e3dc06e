#pragma once

#include "core/music/MusicPlayer.h"

// The music player the program uses: it loads the music plugin (Qt
// Multimedia and the libraries behind it) when a file is first played, and
// passes every call on to the player the plugin makes. When the plugin
// cannot be loaded, nothing can be played: every file fails as a device
// fault, and the reason is told once on the program's log.
class PluginMusicPlayer : public MusicPlayer
{
    Q_OBJECT

public:
    static constexpr const char *DefaultPlugin = "quillmoor-music.so";

    // `plugin`: the plugin's file name in the plugins' folder.
    explicit PluginMusicPlayer(const QString &plugin = QLatin1String(DefaultPlugin),
                               QObject *parent = nullptr);

    void play(const QString &path) override;
    void stop() override;
    void setVolume(int percent) override;

private slots:
    void onBackendFailed(const QString &path, bool deviceFault);

private:
    // The plugin's player, made at the first call that needs it; null when
    // the plugin cannot be loaded.
    QObject *backend();

    QString m_plugin;
    QObject *m_backend = nullptr;
    bool m_loadTried = false;
    int m_volume = 70;
};
