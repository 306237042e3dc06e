#pragma once

#include "core/util/WholeFile.h"

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <cstdio>
#include <cstring>

// How qmfile's commands answer: data on standard output as bytes, problems on
// standard error with exit code 1.
namespace CommandOutput {

inline int failure(const QString &message)
{
    std::fprintf(stderr, "qmfile: %s\n", qPrintable(message));
    return 1;
}

// A problem that does not stop the command.
inline void warning(const QString &message)
{
    std::fprintf(stderr, "qmfile: warning: %s\n", qPrintable(message));
}

// Fails when the output could not be written whole, e.g. to a full disk.
inline int print(const QByteArray &bytes)
{
    const size_t written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    if (written != size_t(bytes.size()) || std::fflush(stdout) != 0)
        return failure(QStringLiteral("could not write the standard output: %1")
                           .arg(QString::fromLocal8Bit(std::strerror(errno))));
    return 0;
}

// Reads the text at `textPath` into a fresh `Record` with `parse` and writes
// it to `outPath` with `save`; both take an error text to fill.
template <typename Record, typename Parse, typename Save>
int pack(const QString &textPath, const QString &outPath, Parse parse, Save save)
{
    QByteArray text;
    QString error;
    if (!WholeFile::read(textPath, text, &error))
        return failure(QStringLiteral("%1: %2").arg(textPath, error));
    Record record;
    if (!parse(text, record, &error))
        return failure(QStringLiteral("%1: %2").arg(textPath, error));
    if (!save(record, outPath, &error))
        return failure(QStringLiteral("%1: %2").arg(outPath, error));
    return 0;
}

} // namespace CommandOutput
