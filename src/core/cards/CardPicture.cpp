#include "core/cards/CardPicture.h"

#include "core/cards/JpegDecoder.h"
#include "core/util/WholeFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QImageReader>
#include <QPainter>

namespace {

// Even when the reader would allow more, a card never needs more pixels.
constexpr qint64 MostPixels = 4096LL * 4096LL;

// A JPEG ends with its end-of-image marker; one cut short lacks it, and the
// decoder would fill the missing rows with grey. Some writers add a little
// after the marker, so it is looked for near the end.
bool jpegComplete(const QByteArray &bytes)
{
    constexpr qsizetype Slack = 1024;
    const qsizetype marker = bytes.lastIndexOf("\xff\xd9");
    return marker >= 0 && marker >= bytes.size() - 2 - Slack;
}

// The most pixels a decoded picture may have: the card limit, or less where
// the image reader's allocation limit is lower.
qint64 pixelBudget()
{
    const int limitMegabytes = QImageReader::allocationLimit();
    return limitMegabytes > 0 ? qMin(MostPixels, qint64(limitMegabytes) * 1024 * 1024 / 4)
                              : MostPixels;
}

// The size to decode a picture of `size` at so that it fits the pixel budget:
// halved as often as needed.
QSize decodedSize(const QSize &size)
{
    const qint64 budget = pixelBudget();
    QSize decoded = size;
    while (qint64(decoded.width()) * decoded.height() > budget && decoded.width() > 1 &&
           decoded.height() > 1)
        decoded = QSize((decoded.width() + 1) / 2, (decoded.height() + 1) / 2);
    return decoded;
}

// The picture in `bytes` through Qt's image reader, for any kind it reads,
// at `size` (its own size, within the budget, when empty).
QImage readWithQt(QByteArray &bytes, const QSize &size)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize own = reader.size();
    if (!size.isEmpty()) {
        reader.setScaledSize(size);
    } else if (own.isValid()) {
        const QSize decoded = decodedSize(own);
        if (decoded != own)
            reader.setScaledSize(decoded);
    }
    const QImage picture = reader.read();
    // A picture with a palette is given in full colour: Qt's smooth scaling
    // crashes on some palettes, and a face is scaled when it is shown.
    if (picture.colorCount() == 0)
        return picture;
    return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB32);
}

} // namespace

QString CardPicture::path(const DataRoots &roots, const QString &deckName, int number)
{
    return roots.findOrBundled(QStringLiteral("Pics/") + deckName + QLatin1Char('/') +
                               QString::number(number) + QStringLiteral(".jpg"));
}

QString CardPicture::fault(const DataRoots &roots, const QString &deckName, int number)
{
    const QString file = path(roots, deckName, number);
    if (!QFileInfo::exists(file))
        return QString();
    const QString reason = WholeFile::unreadableReason(file, LargestFile);
    return reason.isEmpty() ? QString() : QStringLiteral("%1: %2").arg(file, reason);
}

QImage CardPicture::turned(const QImage &picture)
{
    return picture.mirrored(true, true);
}

QSize CardPicture::pictureSize(const DataRoots &roots, const QString &deckName, int number)
{
    const QString file = path(roots, deckName, number);
    // A pipe or a device would block the reader or never end.
    if (!WholeFile::unreadableReason(file, LargestFile).isEmpty())
        return QSize();
    return QImageReader(file).size();
}

QImage CardPicture::load(const DataRoots &roots, const QString &deckName, int number, bool reversed,
                         const QSize &size)
{
    QFile file(path(roots, deckName, number));
    if (!WholeFile::unreadableReason(file.fileName(), LargestFile).isEmpty() ||
        !file.open(QIODevice::ReadOnly))
        return {};
    // Bounded too, in case the file grew since it was measured.
    QByteArray bytes = file.read(LargestFile);
    // A JPEG the decoder refuses (damaged, too large) is refused, not read
    // again by Qt's reader; only other kinds go there.
    bool otherKind = !JpegDecoder::isJpeg(bytes);
    QImage picture;
    if (!otherKind) {
        if (!jpegComplete(bytes))
            return {};
        picture = JpegDecoder::decode(bytes, size, pixelBudget(), &otherKind);
    }
    if (otherKind)
        picture = readWithQt(bytes, size);
    if (!picture.isNull() && reversed)
        picture.mirror(true, true);
    return picture;
}

QImage CardPicture::placeholder(const QString &title, const QSize &size)
{
    const QSize faceSize = size.isEmpty() ? PlaceholderSize : size;
    QImage face(faceSize, QImage::Format_RGB32);
    face.fill(QColor(250, 247, 238));
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    const int margin = qMax(2, qMin(faceSize.width(), faceSize.height()) / 16);
    const QRect frame = face.rect().adjusted(margin, margin, -margin - 1, -margin - 1);
    painter.setPen(QPen(QColor(90, 70, 50), qMax(1, margin / 3)));
    painter.drawRect(frame);
    QFont font = painter.font();
    font.setPixelSize(qMax(8, faceSize.width() / 9));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(40, 30, 20));
    painter.drawText(frame.adjusted(margin, margin, -margin, -margin),
                     Qt::AlignCenter | Qt::TextWordWrap, title);
    return face;
}
