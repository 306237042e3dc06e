#include "core/util/ZipPackage.h"

#include "core/util/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <zlib.h>

// The container is written as the zip format describes it, with zlib's
// deflate for the compressed parts: local headers with each part's data,
// then the central directory, then its end record. Office documents never
// come near the format's 4 GB and 65 535 part limits, so there is no
// zip64; a package past them is refused.
namespace {

constexpr quint32 LocalHeader = 0x04034b50;
constexpr quint32 CentralHeader = 0x02014b50;
constexpr quint32 EndRecord = 0x06054b50;
constexpr quint16 Version = 20;
// Names are UTF-8.
constexpr quint16 Utf8Names = 0x0800;
constexpr quint16 Stored = 0, Deflated = 8;
// Every part is dated 1 January 1980, the format's first day, so that the
// same report makes the same bytes.
constexpr quint16 DosTime = 0, DosDate = (0 << 9) | (1 << 5) | 1;

void setError(QString *errorString, const QString &text)
{
    if (errorString)
        *errorString = text;
}

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

quint16 get16(const QByteArray &in, qsizetype at)
{
    return qFromLittleEndian<quint16>(in.constData() + at);
}

quint32 get32(const QByteArray &in, qsizetype at)
{
    return qFromLittleEndian<quint32>(in.constData() + at);
}

quint32 checksum(const QByteArray &data)
{
    return quint32(crc32_z(crc32(0, nullptr, 0), reinterpret_cast<const Bytef *>(data.constData()),
                           size_t(data.size())));
}

// `data` as a raw deflate stream, as zip keeps it; empty on failure.
QByteArray deflated(const QByteArray &data)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8,
                     Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    QByteArray out(qsizetype(deflateBound(&stream, uLong(data.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    const bool done = deflate(&stream, Z_FINISH) == Z_STREAM_END;
    out.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return done ? out : QByteArray();
}

// A raw deflate stream inflated to exactly `size` bytes; false when it is
// damaged or of another size.
bool inflated(const QByteArray &compressed, qsizetype size, QByteArray &out)
{
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return false;
    out = QByteArray(size, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(compressed.constData()));
    stream.avail_in = uInt(compressed.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    const int status = inflate(&stream, Z_FINISH);
    const bool whole = status == Z_STREAM_END && stream.total_out == uLong(size);
    inflateEnd(&stream);
    return whole;
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
    constexpr qsizetype Largest = 0xffffffffLL;
    QByteArray out;
    QByteArray directory;
    for (const Part &part : m_parts) {
        const QByteArray name = part.name.toUtf8();
        const QByteArray body = part.stored ? part.data : deflated(part.data);
        if (!part.stored && body.isEmpty()) {
            setError(errorString,
                     QStringLiteral("The part %1 could not be compressed.").arg(part.name));
            return false;
        }
        if (part.data.size() > Largest || out.size() > Largest - 30 - name.size() - body.size() ||
            m_parts.size() > 0xffff || name.size() > 0xffff) {
            setError(errorString, QStringLiteral("The document is too large for a zip container."));
            return false;
        }
        const quint32 offset = quint32(out.size());
        const quint16 method = part.stored ? Stored : Deflated;
        const quint32 crc = checksum(part.data);
        // What the local and the central header share, from the version
        // needed to the name's length.
        QByteArray common;
        put16(common, Version);
        put16(common, Utf8Names);
        put16(common, method);
        put16(common, DosTime);
        put16(common, DosDate);
        put32(common, crc);
        put32(common, quint32(body.size()));
        put32(common, quint32(part.data.size()));
        put16(common, quint16(name.size()));
        put16(common, 0); // extra field

        put32(out, LocalHeader);
        out += common + name + body;

        put32(directory, CentralHeader);
        put16(directory, Version); // made by
        directory += common;
        put16(directory, 0); // comment
        put16(directory, 0); // disk
        put16(directory, 0); // internal attributes
        put32(directory, 0); // external attributes
        put32(directory, offset);
        directory += name;
    }
    const quint32 directoryOffset = quint32(out.size());
    out += directory;
    put32(out, EndRecord);
    put16(out, 0); // this disk
    put16(out, 0); // the directory's disk
    put16(out, quint16(m_parts.size()));
    put16(out, quint16(m_parts.size()));
    put32(out, quint32(directory.size()));
    put32(out, directoryOffset);
    put16(out, 0); // comment
    return WholeFile::write(path, out, errorString);
}

bool ZipPackage::read(const QString &path, QString *errorString)
{
    m_parts.clear();
    if (!QFileInfo::exists(path)) {
        setError(errorString, QStringLiteral("The file does not exist."));
        return false;
    }
    const auto refuse = [&](const QString &why) {
        setError(errorString, why);
        m_parts.clear();
        return false;
    };
    // Binary: read as it is, not as the data files are.
    const QString reason = WholeFile::unreadableReason(path, WholeFile::LargestFile);
    QFile file(path);
    if (!reason.isEmpty() || !file.open(QIODevice::ReadOnly))
        return refuse(reason.isEmpty() ? file.errorString() : reason);
    const QByteArray in = file.readAll();
    // The end record is the last 22 bytes when there is no comment.
    const qsizetype end = in.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0 || end + 22 > in.size())
        return refuse(QStringLiteral("Not a zip file."));
    const int count = get16(in, end + 10);
    qsizetype at = get32(in, end + 16);
    for (int entry = 0; entry < count; ++entry) {
        if (at < 0 || at + 46 > end || get32(in, at) != CentralHeader)
            return refuse(QStringLiteral("The zip directory is damaged."));
        const quint16 method = get16(in, at + 10);
        const quint32 crc = get32(in, at + 16);
        const qsizetype packed = get32(in, at + 20), size = get32(in, at + 24);
        const qsizetype nameLength = get16(in, at + 28);
        const qsizetype skip = get16(in, at + 30) + get16(in, at + 32);
        const qsizetype local = get32(in, at + 42);
        if (at + 46 + nameLength > end || local + 30 > in.size() || get32(in, local) != LocalHeader)
            return refuse(QStringLiteral("The zip directory is damaged."));
        const QString name = QString::fromUtf8(in.mid(at + 46, nameLength));
        const qsizetype data = local + 30 + get16(in, local + 26) + get16(in, local + 28);
        if (data + packed > in.size() || (method != Stored && method != Deflated))
            return refuse(QStringLiteral("The part %1 cannot be read.").arg(name));
        const QByteArray kept = in.mid(data, packed);
        QByteArray content = kept;
        const bool whole =
            method == Stored ? content.size() == size : inflated(kept, size, content);
        if (!whole || checksum(content) != crc)
            return refuse(QStringLiteral("The part %1 is damaged.").arg(name));
        m_parts.append({name, content, method == Stored});
        at += 46 + nameLength + skip;
    }
    return true;
}
