#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A zip container of named parts, as the office document formats are built:
// the parts are collected in memory and written in the order they were
// added, each stored as it is or compressed. Reading gives back every part
// with the way it was kept, so a document can be checked after writing.
class ZipPackage
{
public:
    struct Part
    {
        QString name;
        QByteArray data;
        // Kept without compression: the OpenDocument type part must be.
        bool stored = false;
    };

    // Adds a part behind those added before.
    void add(const QString &name, const QByteArray &data, bool stored = false);
    const QList<Part> &parts() const { return m_parts; }
    // The data of the part called `name`; empty when there is none.
    QByteArray part(const QString &name) const;
    bool contains(const QString &name) const;

    // Writes the container to `path`, replacing any file there. False, with
    // the reason in `errorString`, when it cannot; no partial file is left.
    bool write(const QString &path, QString *errorString = nullptr) const;
    // Reads the container at `path` in its stored order. False, with the
    // reason in `errorString`, when it is no readable zip file.
    bool read(const QString &path, QString *errorString = nullptr);

private:
    QList<Part> m_parts;
};
