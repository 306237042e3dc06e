#pragma once

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

} // namespace CommandOutput
