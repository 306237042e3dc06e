#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

// A 64 KiB tmpfs mounted in a temporary folder, for checking what writers do
// when the disk fills up. Mounting needs root; `mounted()` says whether it
// worked so a test can skip itself otherwise.
class TinyDisk
{
public:
    TinyDisk()
    {
        if (!m_dir.isValid())
            return;
        m_mounted = run(QStringLiteral("mount"),
                        {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                         QStringLiteral("size=64k"), QStringLiteral("tmpfs"), m_dir.path()});
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

    // Fills what is left of the disk with a file of zeros, so that the next
    // write of more than a few bytes runs out of space.
    bool fill()
    {
        QFile filler(filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(1024, '\0');
        while (filler.write(block) == block.size()) {
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
    QSKIP("Cannot mount a 64 KiB tmpfs here (mounting needs root); the full-disk case is not "     \
          "checked.")
