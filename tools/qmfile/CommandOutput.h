#pragma once

#include "core/util/WholeFile.h"

#include <QByteArray>
#include <QString>

#include <cstdio>

// How qmfile's commands answer: data on standard output as bytes, problems on
// standard error with exit code 1.
namespace CommandOutput {

inline int failure(const QString &message)
{
    std::fprintf(stderr, "qmfile: %s\n", qPrintable(message));
    return 1;
}

inline int print(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
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
