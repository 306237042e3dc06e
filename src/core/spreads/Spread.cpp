#include "core/spreads/Spread.h"

#include "core/util/Misc.h"
#include "core/util/RandomGenerator.h"
#include "core/util/TextLines.h"
#include "core/util/WholeFile.h"

#include <QFileInfo>

#include <optional>

namespace {

constexpr int PrefixLength = 6;

} // namespace

Spread::Spread()
{
    reset();
}

QString Spread::filePath(const QString &appDir, const QString &name)
{
    return appDir + QStringLiteral("/Spreads/") + name + QStringLiteral(".spread");
}

void Spread::reset()
{
    positionCount = 0;
    significatorCount = 0;
    cardAt.fill(-1);
    posX.fill(-200);
    posY.fill(-200);
    filled.fill(false);
    revealed.fill(false);
    positionReversed.fill(false);
    isSignificator.fill(false);
}

void Spread::resetForDesign()
{
    positionCount = 0;
    significatorCount = 0;
    posX.fill(100);
    posY.fill(20);
    isSignificator.fill(false);
    explanation.fill(QByteArray());
}

Spread::LoadResult Spread::load(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return LoadResult::Missing;
    QByteArray bytes;
    const bool complete = WholeFile::read(path, bytes);
    const bool parsed = readPlainText(Misc::scramble(bytes));
    return complete && parsed ? LoadResult::Loaded : LoadResult::Unreadable;
}

bool Spread::readPlainText(const QByteArray &plain)
{
    // Text after the last line end is not a line.
    TextLines::Cursor lines(plain);
    const std::optional<QByteArray> countLine = lines.next();
    if (!countLine)
        return false;
    const std::optional<qint32> count = Misc::decimal(countLine->mid(PrefixLength));
    if (!count)
        return false;
    // The record holds at most Capacity positions, whatever the file claims.
    positionCount = qBound(0, *count, Capacity);
    bool sound = positionCount == *count;

    for (int i = 0; lines.hasLineEnd(); ++i) {
        if (i == Capacity)
            return false;
        const QByteArray line = *lines.next();
        const qsizetype firstComma = line.indexOf(',', PrefixLength);
        const qsizetype secondComma = line.indexOf(',', firstComma + 1);
        if (line.size() < PrefixLength || firstComma < 0 || secondComma < 0)
            return false;
        QByteArray x = line.mid(PrefixLength, firstComma - PrefixLength);
        if (x.startsWith('S')) {
            x.remove(0, 1);
            ++significatorCount;
            isSignificator[i] = true;
        }
        const std::optional<qint32> left = Misc::decimal(x);
        if (!left)
            return false;
        posX[i] = *left;
        const std::optional<qint32> top =
            Misc::decimal(line.mid(firstComma + 1, secondComma - firstComma - 1));
        if (!top)
            return false;
        posY[i] = *top;
        explanation[i] = line.mid(secondComma + 1);
    }
    return sound;
}

QByteArray Spread::plainText(RandomGenerator &random) const
{
    QByteArray text = Misc::randomLinePrefix(random) + QByteArray::number(positionCount) + "\r\n";
    for (int i = 0; i < positionCount; ++i) {
        text += Misc::randomLinePrefix(random);
        if (isSignificator[i])
            text += 'S';
        text += QByteArray::number(posX[i]) + ',' + QByteArray::number(posY[i]) + ',' +
                explanation[i] + "\r\n";
    }
    return text;
}

bool Spread::save(const QString &path, RandomGenerator &random, QString *errorString) const
{
    random.seedFromClock();
    return WholeFile::write(path, Misc::scramble(plainText(random)), errorString);
}
