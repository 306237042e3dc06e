#include "core/cards/PictureBox.h"

PictureBox::Fit PictureBox::fit(const QSize &picture, const QSize &cardSize, bool keepActual,
                                bool keepStraight, bool reversed)
{
    Fit result;
    result.box = cardSize;
    result.turned = reversed && !keepStraight;
    const qint64 w = picture.width();
    const qint64 h = picture.height();
    const qint64 boxWidth = cardSize.width();
    const qint64 boxHeight = cardSize.height();
    if (w <= 0 || h <= 0 || boxWidth <= 0 || boxHeight <= 0)
        return result;

    // A picture larger than the card size is scaled down even with
    // `keepActual`; scaled either way, the box keeps the picture's proportions.
    if (!keepActual || h > boxHeight || w > boxWidth) {
        result.stretched = true;
        if (h > w * boxHeight / boxWidth)
            result.box.setWidth(int(w * boxHeight / h));
        else
            result.box.setHeight(int(h * boxWidth / w));
    }
    return result;
}

bool PictureBox::parseSide(const QString &text, int &side)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 1 || value > MaxSide)
        return false;
    side = value;
    return true;
}
