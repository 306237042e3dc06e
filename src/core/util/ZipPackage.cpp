#include "core/util/ZipPackage.h"

#include "core/util/WholeFile.h"

#include <QFile>
#include <QFileInfo>

#include <zip.h>

namespace {

QString zipErrorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

void setError(QString *errorString, const QString &text)
{
    if (errorString)
        *errorString = text;
}

} // namespace

void ZipPackage::add(const QString &name, const QByteArray &data, bool stored)
{
    m_parts.append({name, data, stored});
}

QByteArray ZipPackage::part(const QString &name) const
{
    for (const Part &part : m_parts)
        if (part.name == name)
            return part.data;
    return {};
}

bool ZipPackage::contains(const QString &name) const
{
    for (const Part &part : m_parts)
        if (part.name == name)
            return true;
    return false;
}

bool ZipPackage::write(const QString &path, QString *errorString) const
{
    // The container is built in memory and saved in one piece, so a failing
    // disk leaves no half-written document behind.
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!buffer) {
        setError(errorString, QString::fromLocal8Bit(zip_error_strerror(&error)));
        zip_error_fini(&error);
        return false;
    }
    zip_t *archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    if (!archive) {
        setError(errorString, QString::fromLocal8Bit(zip_error_strerror(&error)));
        zip_error_fini(&error);
        zip_source_free(buffer);
        return false;
    }
    zip_error_fini(&error);
    // The archive must not free the buffer on close: its bytes are read after.
    zip_source_keep(buffer);

    bool ok = true;
    for (const Part &part : m_parts) {
        zip_source_t *source =
            zip_source_buffer(archive, part.data.constData(), zip_uint64_t(part.data.size()), 0);
        const QByteArray name = part.name.toUtf8();
        const zip_int64_t index =
            source ? zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (source)
                zip_source_free(source);
            ok = false;
        } else if (zip_set_file_compression(archive, zip_uint64_t(index),
                                            part.stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0) < 0) {
            ok = false;
        }
        if (!ok) {
            setError(errorString, QString::fromLocal8Bit(zip_strerror(archive)));
            zip_discard(archive);
            zip_source_free(buffer);
            return false;
        }
    }
    if (zip_close(archive) < 0) {
        setError(errorString, QString::fromLocal8Bit(zip_strerror(archive)));
        zip_discard(archive);
        zip_source_free(buffer);
        return false;
    }

    QByteArray bytes;
    zip_stat_t stat;
    if (zip_source_stat(buffer, &stat) == 0 && zip_source_open(buffer) == 0) {
        bytes.resize(qsizetype(stat.size));
        const zip_int64_t got = zip_source_read(buffer, bytes.data(), stat.size);
        zip_source_close(buffer);
        if (got != zip_int64_t(stat.size))
            bytes.clear();
    }
    zip_source_free(buffer);
    if (bytes.isEmpty()) {
        setError(errorString, QStringLiteral("The zip container could not be built."));
        return false;
    }

    return WholeFile::write(path, bytes, errorString);
}

bool ZipPackage::read(const QString &path, QString *errorString)
{
    m_parts.clear();
    int code = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!archive) {
        setError(errorString, QFileInfo::exists(path) ? zipErrorText(code)
                                                      : QStringLiteral("The file does not exist."));
        return false;
    }
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_file_t *file = nullptr;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &stat) == 0)
            file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        QByteArray data;
        bool ok = file != nullptr;
        if (ok) {
            data.resize(qsizetype(stat.size));
            ok = zip_fread(file, data.data(), stat.size) == zip_int64_t(stat.size);
            zip_fclose(file);
        }
        if (!ok) {
            setError(errorString, QString::fromLocal8Bit(zip_strerror(archive)));
            zip_discard(archive);
            m_parts.clear();
            return false;
        }
        m_parts.append({QString::fromUtf8(stat.name), data, stat.comp_method == ZIP_CM_STORE});
    }
    zip_discard(archive);
    return true;
}
