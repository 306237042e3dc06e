#pragma once

// What the fuzz targets share: a way to stop on a broken promise that the
// fuzzer reports as a crash with the input that caused it, and a scratch
// folder that lives as long as the process.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #condition);   \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// Stops like FUZZ_CHECK, showing the text that was refused and why.
#define FUZZ_CHECK_ACCEPTED(accepted, error, text)                                                 \
    do {                                                                                           \
        if (!(accepted)) {                                                                         \
            std::fprintf(stderr, "%s:%d: refused its own text: %s\n%s\n", __FILE__, __LINE__,      \
                         qPrintable(error), (text).constData());                                   \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

inline QString fuzzScratchFolder()
{
    static const QTemporaryDir folder;
    return folder.path();
}
