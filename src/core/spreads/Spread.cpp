#include "core/spreads/Spread.h"

#include "core/util/Decimal.h"
#include "core/util/RandomGenerator.h"
#include "core/util/ScrambledText.h"
#include "core/util/TextLines.h"
#include "core/util/WholeFile.h"

#include <QDir>
#include <QFileInfo>

#include <cstdlib>
#include <optional>

namespace {

constexpr int PrefixLength = 6;

bool fail(QString *errorString, const QString &fault)
{
    if (errorString)
        *errorString = fault;
    return false;
}

} // namespace

Spread::Spread()
{
    reset();
}

QString Spread::fileIn(const QString &folder, const QString &name)
{
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".spread");
    if (QFileInfo::exists(path))
        return path;
    // The spread list takes the extension in any letter case ("NAME.SPREAD"),
    // so such a file must open under its listed name too.
    const QStringList files =
        QDir(folder).entryList({QStringLiteral("*.spread")}, QDir::Files | QDir::Hidden);
    for (const QString &file : files) {
        if (file.chopped(7) == name)
            return folder + QLatin1Char('/') + file;
    }
    return {};
}

QString Spread::filePath(const DataRoots &roots, const QString &name)
{
    for (const QString &folder : roots.folders(QStringLiteral("Spreads"))) {
        const QString found = fileIn(folder, name);
        if (!found.isEmpty())
            return found;
    }
    return roots.findOrBundled(QStringLiteral("Spreads/") + name + QStringLiteral(".spread"));
}

QString Spread::writePath(const DataRoots &roots, const QString &name)
{
    const QString path =
        roots.writePath(QStringLiteral("Spreads/") + name + QStringLiteral(".spread"));
    const QString existing = fileIn(roots.spreadsWriteDir(), name);
    return existing.isEmpty() ? path : existing;
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
    explanation.fill(QByteArray());
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

Spread::LoadResult Spread::load(const QString &path, QString *errorString)
{
    if (!QFileInfo(path).isFile()) {
        fail(errorString, QStringLiteral("no such file"));
        return LoadResult::Missing;
    }
    QByteArray bytes;
    if (!WholeFile::read(path, bytes)) {
        fail(errorString, QStringLiteral("the file cannot be read to its end"));
        // What could be read is still parsed, for what it is worth.
        readPlainText(ScrambledText::scramble(bytes));
        return LoadResult::Unreadable;
    }
    return readPlainText(ScrambledText::scramble(bytes), errorString) ? LoadResult::Loaded
                                                                      : LoadResult::Unreadable;
}

bool Spread::readPlainText(const QByteArray &plain, QString *errorString)
{
    // Text after the last line end is not a line.
    TextLines::Cursor lines(plain);
    const std::optional<QByteArray> countLine = lines.next();
    if (!countLine)
        return fail(errorString, QStringLiteral("it is not a spread file (no line end)"));
    const std::optional<qint32> count = Decimal::parse(countLine->mid(PrefixLength));
    if (!count) {
        return fail(errorString,
                    QStringLiteral("it is not a spread file (line 1 holds no position count)"));
    }
    // The record holds at most Capacity positions, whatever the file claims.
    positionCount = qBound(0, *count, Capacity);
    // A record that held another spread keeps none of its significators.
    significatorCount = 0;
    isSignificator.fill(false);

    int read = 0;
    for (; lines.hasLineEnd(); ++read) {
        const int i = read;
        if (i == Capacity) {
            return fail(errorString,
                        QStringLiteral("it holds more than %1 position lines").arg(Capacity));
        }
        const QByteArray line = *lines.next();
        const QString bad = QStringLiteral("line %1 is not \"[S]x,y,explanation\"").arg(i + 2);
        const qsizetype firstComma = line.indexOf(',', PrefixLength);
        const qsizetype secondComma = line.indexOf(',', firstComma + 1);
        if (line.size() < PrefixLength || firstComma < 0 || secondComma < 0)
            return fail(errorString, bad);
        QByteArray x = line.mid(PrefixLength, firstComma - PrefixLength);
        if (x.startsWith('S')) {
            x.remove(0, 1);
            isSignificator[i] = true;
            // Lines beyond the announced count are not positions.
            if (i < positionCount)
                ++significatorCount;
        }
        const std::optional<qint32> left = Decimal::parse(x);
        if (!left)
            return fail(errorString, bad);
        posX[i] = *left;
        const std::optional<qint32> top =
            Decimal::parse(line.mid(firstComma + 1, secondComma - firstComma - 1));
        if (!top)
            return fail(errorString, bad);
        posY[i] = *top;
        explanation[i] = line.mid(secondComma + 1);
    }
    if (positionCount != *count) {
        return fail(errorString, QStringLiteral("it announces %1 positions; a spread holds 1 to %2")
                                     .arg(*count)
                                     .arg(Capacity));
    }
    if (read != positionCount) {
        // A last line without its line end is not read, so it counts as missing.
        return fail(errorString,
                    QStringLiteral("it announces %1 positions but holds %2 complete position lines")
                        .arg(positionCount)
                        .arg(read));
    }
    const QString fault = layoutFault();
    return fault.isEmpty() || fail(errorString, fault);
}

QString Spread::layoutFault() const
{
    if (positionCount <= 0)
        return QStringLiteral("the spread has no positions");
    bool ordinarySeen = false;
    for (int i = 0; i < positionCount; ++i) {
        if (std::abs(qint64(posX[i])) > CoordinateLimit ||
            std::abs(qint64(posY[i])) > CoordinateLimit) {
            return QStringLiteral("position %1 lies more than %2 pixels from the origin")
                .arg(i + 1)
                .arg(CoordinateLimit);
        }
        if (!isSignificator[i]) {
            ordinarySeen = true;
        } else if (ordinarySeen) {
            return QStringLiteral(
                       "position %1 is a significator after an ordinary position; significator "
                       "positions must come first")
                .arg(i + 1);
        }
    }
    return {};
}

QByteArray Spread::plainText(RandomGenerator &random) const
{
    QByteArray text =
        ScrambledText::randomLinePrefix(random) + QByteArray::number(positionCount) + "\r\n";
    for (int i = 0; i < positionCount; ++i) {
        text += ScrambledText::randomLinePrefix(random);
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
    return WholeFile::write(path, ScrambledText::scramble(plainText(random)), errorString);
}
