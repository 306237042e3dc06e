#pragma once

#include <QByteArray>
#include <QFile>

// Whether a library whose file name contains `name` is mapped into this
// process: the program loads some only when they are first needed.
inline bool libraryLoaded(const QByteArray &name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}
