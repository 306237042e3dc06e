#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <sys/stat.h>

// Files that are no regular file, for checking that readers refuse them at
// once: a named pipe with no writer blocks whoever opens it, and the devices
// never end.
namespace NonRegularFiles {

// A message must come at least this soon.
constexpr qint64 PromptMilliseconds = 2000;

// The rows of a test over every kind, in a column "kind".
inline void addRows()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"fifo", "/dev/zero", "/dev/urandom"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

// Puts at `path` what `kind` names: "fifo" makes a named pipe; a device is
// linked to, so readers meet it by following the link.
[[nodiscard]] inline bool make(const QString &path, const QString &kind)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    if (kind == QLatin1String("fifo"))
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    return QFile::link(kind, path);
}

} // namespace NonRegularFiles
