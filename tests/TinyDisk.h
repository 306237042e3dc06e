#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>

// A small tmpfs (64 KiB unless told) mounted in a temporary folder, for
// checking what writers do when the disk fills up. Mounting needs root;
// `mounted()` says whether it worked so a test can skip itself otherwise.
class TinyDisk
{
public:
    explicit TinyDisk(const QString &size = QStringLiteral("64k"))
    {
        if (!m_dir.isValid())
            return;
        m_mounted = run(QStringLiteral("mount"),
                        {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                         QStringLiteral("size=") + size, QStringLiteral("tmpfs"), m_dir.path()});
    }
    ~TinyDisk()
    {
        if (m_mounted)
            run(QStringLiteral("umount"), {m_dir.path()});
    }
    TinyDisk(const TinyDisk &) = delete;
    TinyDisk &operator=(const TinyDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Fills what is left of the disk with a file of zeros, but for about
    // `leave` bytes, so that the next write of more than that runs out of space.
    bool fill(qint64 leave = 0)
    {
        QFile filler(filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(1024, '\0');
        while (QStorageInfo(m_dir.path()).bytesAvailable() > leave &&
               filler.write(block) == block.size()) {
        }
        return true;
    }

private:
    static bool run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

    QTemporaryDir m_dir;
    bool m_mounted = false;
};

#define QUILLMOOR_REQUIRE_TINY_DISK(disk)                                                          \
    if (!(disk).mounted())                                                                         \
    QSKIP("Cannot mount a small tmpfs here (mounting needs root); the full-disk case is not "      \
          "checked.")
