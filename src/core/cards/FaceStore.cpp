#include "core/cards/FaceStore.h"

#include "core/util/WholeFile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace {

// What precedes a stored face's pixels, in this machine's byte order.
struct Header
{
    char magic[8];
    // ByteOrderProbe as this machine writes it: a face written by a machine
    // of the other byte order is not read.
    quint32 byteOrder;
    qint32 format;
    qint64 sourceBytes;
    qint64 sourceModifiedMs;
    qint32 width;
    qint32 height;
    qint32 bytesPerLine;
    // TurnedFlag when the face is turned by 180 degrees.
    quint32 flags;
};
static_assert(sizeof(Header) == 48, "the header has no padding");

constexpr char Magic[8] = {'Q', 'M', 'F', 'A', 'C', 'E', '\0', '\2'};
constexpr quint32 TurnedFlag = 1;
constexpr quint32 ByteOrderProbe = 0x01020304;

// The formats the decoders give faces in; others are converted to one.
bool isStoredFormat(int format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied ||
           format == QImage::Format_Grayscale8;
}

// `face` in a format the store keeps.
QImage storable(const QImage &face)
{
    if (isStoredFormat(face.format()))
        return face;
    return face.convertToFormat(face.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                       : QImage::Format_RGB32);
}

int depthOf(QImage::Format format)
{
    return format == QImage::Format_Grayscale8 ? 8 : 32;
}

} // namespace

FaceStore::Source FaceStore::Source::of(const QString &picturePath)
{
    const QFileInfo info(picturePath);
    if (!info.isFile())
        return {picturePath};
    return {picturePath, info.size(), info.lastModified().toMSecsSinceEpoch()};
}

FaceStore::FaceStore(const QString &folder, qint64 capacity)
    : m_folder(folder)
    , m_capacity(capacity)
{}

FaceStore::~FaceStore()
{
    {
        const std::lock_guard lock(m_mutex);
        m_closing = true;
        m_changed.notify_all();
    }
    if (m_writer.joinable())
        m_writer.join();
}

void FaceStore::waitForWrites()
{
    std::unique_lock lock(m_mutex);
    m_hurry = true;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return !m_writing; });
    m_hurry = false;
}

void FaceStore::schedule(Pending pending)
{
    // One face per picture and shape: the steps of a resize share a shape.
    const int shape = qRound(20.0 * pending.size.width() / pending.size.height());
    const QString key = pending.source.path + QLatin1Char('|') + QString::number(shape);
    const std::lock_guard lock(m_mutex);
    m_pending.insert(key, std::move(pending));
    m_changed.notify_all();
    if (!m_writing) {
        // The last writer has said it is done; it only has to end.
        if (m_writer.joinable())
            m_writer.join();
        m_writing = true;
        m_writer = std::thread([this] { drain(); });
    }
}

void FaceStore::drain()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        // Until no face has been scheduled for SettleMs.
        while (!m_hurry && !m_closing &&
               m_changed.wait_for(lock, std::chrono::milliseconds(SettleMs)) ==
                   std::cv_status::no_timeout) {
        }
        if (m_closing)
            m_pending.clear();
        if (m_pending.isEmpty())
            break;
        const QHash<QString, Pending> batch = std::exchange(m_pending, {});
        lock.unlock();
        for (const Pending &pending : batch) {
            if (m_closing)
                break;
            store(pending);
        }
        lock.lock();
    }
    m_writing = false;
    m_changed.notify_all();
}

void FaceStore::store(const Pending &pending)
{
    if (!pending.decode) {
        write(pending.source, pending.face, pending.turned);
        return;
    }
    QFile file;
    QImage::Format format;
    bool turned = false;
    if (openEntry(file, pending.source, pending.size, &format, &turned))
        return;
    file.close();
    const QImage face = pending.decode();
    if (!face.isNull() && face.size() == pending.size)
        write(pending.source, storable(face), false);
}

QString FaceStore::entryPath(const QString &picturePath, const QSize &size) const
{
    const QByteArray key = picturePath.toUtf8() + '\n' + QByteArray::number(size.width()) + 'x' +
                           QByteArray::number(size.height());
    return m_folder + QLatin1Char('/') +
           QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".face");
}

bool FaceStore::openEntry(QFile &file, const Source &source, const QSize &size,
                          QImage::Format *format, bool *turned) const
{
    if (!source.isValid() || size.isEmpty())
        return false;
    file.setFileName(entryPath(source.path, size));
    // Anything but a plain file (a pipe would block the open) is no face.
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    Header header;
    if (file.read(reinterpret_cast<char *>(&header), sizeof header) != qint64(sizeof header) ||
        std::memcmp(header.magic, Magic, sizeof Magic) != 0 || header.byteOrder != ByteOrderProbe ||
        header.sourceBytes != source.bytes || header.sourceModifiedMs != source.modifiedMs ||
        QSize(header.width, header.height) != size || !isStoredFormat(header.format))
        return false;
    *format = QImage::Format(header.format);
    *turned = header.flags & TurnedFlag;
    // As QImage lays out its rows: each a whole number of 32-bit words.
    const qint64 bytesPerLine = ((qint64(size.width()) * depthOf(*format) + 31) / 32) * 4;
    return header.bytesPerLine == bytesPerLine &&
           file.size() == qint64(sizeof header) + bytesPerLine * size.height();
}

QImage FaceStore::find(const Source &source, const QSize &size, bool turned) const
{
    QFile file;
    QImage::Format format;
    bool storedTurned = false;
    if (!openEntry(file, source, size, &format, &storedTurned))
        return {};
    QImage face(size, format);
    if (face.isNull() ||
        file.read(reinterpret_cast<char *>(face.bits()), face.sizeInBytes()) != face.sizeInBytes())
        return {};
    if (storedTurned != turned)
        face.mirror(true, true);
    return face;
}

void FaceStore::keep(const Source &source, const QImage &face, bool turned)
{
    if (source.isValid() && !face.isNull())
        schedule({source, face.size(), storable(face), turned, {}});
}

void FaceStore::prepare(const Source &source, const QSize &size, Decoder decode)
{
    if (source.isValid() && !size.isEmpty())
        schedule({source, size, {}, false, std::move(decode)});
}

void FaceStore::write(const Source &source, const QImage &face, bool turned)
{
    if (!QDir().mkpath(m_folder))
        return;
    if (m_used < 0) {
        m_used = 0;
        for (const QFileInfo &entry : QDir(m_folder).entryInfoList(QDir::Files | QDir::Hidden))
            m_used += entry.size();
    }
    Header header{};
    std::memcpy(header.magic, Magic, sizeof Magic);
    header.byteOrder = ByteOrderProbe;
    header.format = face.format();
    header.sourceBytes = source.bytes;
    header.sourceModifiedMs = source.modifiedMs;
    header.width = face.width();
    header.height = face.height();
    header.bytesPerLine = qint32(face.bytesPerLine());
    header.flags = turned ? TurnedFlag : 0;
    const QString path = entryPath(source.path, face.size());
    const QFileInfo replaced(path);
    const qint64 replacedBytes = replaced.isFile() ? replaced.size() : 0;
    const bool written = WholeFile::write(path, [&](QIODevice &device, QString *) {
        return device.write(reinterpret_cast<const char *>(&header), sizeof header) ==
                   qint64(sizeof header) &&
               device.write(reinterpret_cast<const char *>(face.constBits()), face.sizeInBytes()) ==
                   face.sizeInBytes();
    });
    if (!written)
        return;
    m_used += qint64(sizeof header) + face.sizeInBytes() - replacedBytes;
    if (m_used > m_capacity)
        prune(path);
}

void FaceStore::prune(const QString &justWritten)
{
    // Oldest first, down to three quarters so that pruning is not needed
    // again at the next face; the face just written stays whatever its time.
    const QFileInfoList entries = QDir(m_folder).entryInfoList(
        QDir::Files | QDir::Hidden, QDir::SortFlags(QDir::Time | QDir::Reversed));
    qint64 used = 0;
    for (const QFileInfo &entry : entries)
        used += entry.size();
    for (const QFileInfo &entry : entries) {
        if (used <= m_capacity * 3 / 4)
            break;
        if (entry.filePath() != justWritten && QFile::remove(entry.filePath()))
            used -= entry.size();
    }
    m_used = used;
}
