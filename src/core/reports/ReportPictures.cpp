#include "core/reports/ReportPictures.h"

#include "core/cards/CardPicture.h"
#include "core/reports/ReportModel.h"
#include "core/util/WholeFile.h"

#include <QDir>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace {

constexpr int HeightAllowance = 50;

// The card pictures of the positions, turned where reversed; null where the
// picture cannot be loaded.
std::vector<QImage> loadCards(const ReportModel &model)
{
    std::vector<QImage> cards;
    cards.reserve(std::size_t(model.positions.size()));
    for (const ReportModel::Position &position : model.positions)
        cards.push_back(
            CardPicture::load(model.roots, model.deckName, position.card, position.reversed));
    return cards;
}

QImage drawSpread(const ReportModel &model, const std::vector<QImage> &cards)
{
    const QSize extent = model.extent();
    const QSize size = ReportPictures::spreadPictureSize(extent, model.options.schematic);
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    // One factor for x and y keeps the spread's proportions.
    const auto map = [&](int length) { return length * size.width() / extent.width(); };
    const int cardWidth = map(model.slotSize.width());
    const int cardHeight = map(model.slotSize.height());

    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    for (int i = 0; i < model.positions.size(); ++i) {
        const QImage &card = cards[std::size_t(i)];
        if (card.isNull())
            continue;
        const ReportModel::Position &position = model.positions[i];
        const QPoint corner(map(position.place.x()), map(position.place.y()));
        const QRect box(corner, QSize(cardWidth, cardHeight));
        if (model.options.schematic) {
            // QPainter's outline covers the far edges too, as the box does.
            painter.drawRect(box.adjusted(0, 0, -1, -1));
            painter.drawText(corner + QPoint(1, 1 + painter.fontMetrics().ascent()),
                             position.label);
        } else {
            painter.drawImage(box, card);
            // The label sits on a white box over the miniature's corner.
            const QPoint labelCorner = corner - QPoint(3, 3);
            const QRect labelBox(labelCorner,
                                 painter.fontMetrics().size(Qt::TextSingleLine, position.label));
            painter.fillRect(labelBox, Qt::white);
            painter.drawText(labelBox, Qt::AlignLeft | Qt::AlignTop, position.label);
        }
    }
    return picture;
}

bool savePng(const QImage &picture, const QString &path, QString *errorString)
{
    return WholeFile::write(
        path,
        [&picture](QIODevice &device, QString *reason) {
            QImageWriter writer(&device, "png");
            // Light compression: the user waits for the report.
            writer.setQuality(80);
            if (writer.write(picture))
                return true;
            *reason = writer.errorString();
            return false;
        },
        errorString);
}

} // namespace

int ReportPictures::baseWidth(bool schematic)
{
    return schematic ? 300 : 480;
}

QSize ReportPictures::spreadPictureSize(const QSize &extent, bool schematic)
{
    const int base = baseWidth(schematic);
    if (extent.width() <= 0 || extent.height() <= 0)
        return {base, base};
    int width = base;
    // A very wide or tall spread still gets a picture at least a pixel across.
    int height = std::max(1, extent.height() * base / extent.width());
    if (height > base + HeightAllowance) {
        height = base + HeightAllowance;
        width = std::max(1, (base + HeightAllowance) * extent.width() / extent.height());
    }
    return {width, height};
}

QString ReportPictures::cardPictureName(int position)
{
    return QString::number(position) + QStringLiteral(".png");
}

QImage ReportPictures::spreadPicture(const ReportModel &model)
{
    return drawSpread(model, loadCards(model));
}

bool ReportPictures::write(const ReportModel &model, const QString &folder, QString *errorString)
{
    const QDir dir(folder);
    const std::vector<QImage> cards = loadCards(model);
    for (int i = 0; i < model.positions.size(); ++i) {
        // A card picture that cannot be written leaves its place in the
        // report empty; only the spread picture is essential.
        if (!cards[std::size_t(i)].isNull())
            savePng(cards[std::size_t(i)], dir.filePath(cardPictureName(i)), nullptr);
    }
    const QString spreadPath = dir.filePath(QLatin1String(SpreadPictureName));
    QString reason;
    if (!savePng(drawSpread(model, cards), spreadPath, &reason)) {
        if (errorString)
            *errorString =
                QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(spreadPath), reason);
        return false;
    }
    return true;
}
