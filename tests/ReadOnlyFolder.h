#pragma once

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryFile>

// Makes a folder tree read-only for the duration of a test: its permission
// bits are taken away, and where they do not stop this process (root ignores
// them) the folder is bind-mounted read-only over itself. `isReadOnly()` says
// whether the folder really cannot be written now, by trying to make a file.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &path)
        : m_path(path)
    {
        setWritable(false);
        if (isWritable(m_path))
            m_mounted = run({QStringLiteral("--bind"), m_path, m_path}) &&
                        run({QStringLiteral("-o"), QStringLiteral("remount,ro,bind"), m_path});
    }
    ~ReadOnlyFolder()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_path});
        // The temporary folder must be writable again to be removed.
        setWritable(true);
    }
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    bool isReadOnly() const { return !isWritable(m_path); }

private:
    static bool isWritable(const QString &folder)
    {
        QTemporaryFile probe(folder + QStringLiteral("/.write-probe-XXXXXX"));
        return probe.open(); // removed again when `probe` goes
    }

    static bool run(const QStringList &arguments)
    {
        QProcess mount;
        mount.start(QStringLiteral("mount"), arguments);
        return mount.waitForFinished(10000) && mount.exitStatus() == QProcess::NormalExit &&
               mount.exitCode() == 0;
    }

    void setWritable(bool writable) const
    {
        const QFileDevice::Permissions write =
            QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup;
        QDirIterator folders(m_path, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                             QDirIterator::Subdirectories);
        QStringList paths{m_path};
        while (folders.hasNext())
            paths << folders.next();
        for (const QString &folder : paths) {
            const QFileDevice::Permissions now = QFile::permissions(folder);
            QFile::setPermissions(folder, writable ? now | write : now & ~write);
        }
    }

    QString m_path;
    bool m_mounted = false;
};

#define QUILLMOOR_REQUIRE_READ_ONLY(folder)                                                        \
    if (!(folder).isReadOnly())                                                                    \
    QSKIP("The folder stays writable here: running as root, and a read-only bind mount is not "    \
          "possible; the installed layout is not checked.")
