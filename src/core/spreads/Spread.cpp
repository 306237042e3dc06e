#include "core/spreads/Spread.h"

#include "core/util/Decimal.h"
#include "core/util/RandomGenerator.h"
#include "core/util/ScrambledText.h"
#include "core/util/TextLines.h"
#include "core/util/WholeFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
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

int Spread::significatorCount() const
{
    return int(std::count_if(positions.cbegin(), positions.cend(),
                             [](const SpreadPosition &position) { return position.significator; }));
}

QByteArray Spread::explanation(int index) const
{
    return index >= 0 && index < positions.size() ? positions.at(index).explanation : QByteArray();
}

Spread::LoadResult Spread::load(const QString &path, QString *errorString)
{
    positions.clear();
    if (!QFileInfo::exists(path)) {
        fail(errorString, QStringLiteral("no such file"));
        return LoadResult::Missing;
    }
    // Capacity positions with long explanations come to a few hundred kilobytes.
    constexpr qint64 LargestFile = 16LL * 1024 * 1024;
    QByteArray bytes;
    if (!WholeFile::read(path, bytes, errorString, LargestFile)) {
        // What could be read is still parsed, for what it is worth.
        readPlainText(ScrambledText::scramble(bytes));
        return LoadResult::Unreadable;
    }
    return readPlainText(ScrambledText::scramble(bytes), errorString) ? LoadResult::Loaded
                                                                      : LoadResult::Unreadable;
}

bool Spread::readPlainText(const QByteArray &plain, QString *errorString)
{
    positions.clear();
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
    while (lines.hasLineEnd()) {
        const int lineNumber = positionCount() + 2;
        if (positionCount() == Capacity) {
            return fail(errorString,
                        QStringLiteral("it holds more than %1 position lines").arg(Capacity));
        }
        const QByteArray line = *lines.next();
        const QString bad = QStringLiteral("line %1 is not \"[S]x,y,explanation\"").arg(lineNumber);
        const qsizetype firstComma = line.indexOf(',', PrefixLength);
        const qsizetype secondComma = line.indexOf(',', firstComma + 1);
        if (line.size() < PrefixLength || firstComma < 0 || secondComma < 0)
            return fail(errorString, bad);
        SpreadPosition position;
        QByteArray x = line.mid(PrefixLength, firstComma - PrefixLength);
        if (x.startsWith('S')) {
            x.remove(0, 1);
            position.significator = true;
        }
        const std::optional<qint32> left = Decimal::parse(x);
        const std::optional<qint32> top =
            left ? Decimal::parse(line.mid(firstComma + 1, secondComma - firstComma - 1))
                 : std::nullopt;
        if (!top)
            return fail(errorString, bad);
        position.place = QPoint(*left, *top);
        position.explanation = line.mid(secondComma + 1);
        positions.append(position);
    }
    // Lines beyond the announced count are no positions of the spread.
    const int read = positionCount();
    positions.resize(std::min(read, std::clamp(*count, 0, int(Capacity))));
    if (*count < 0 || *count > Capacity) {
        return fail(errorString, QStringLiteral("it announces %1 positions; a spread holds 1 to %2")
                                     .arg(*count)
                                     .arg(Capacity));
    }
    if (read != *count) {
        // A last line without its line end is not read, so it counts as missing.
        return fail(errorString,
                    QStringLiteral("it announces %1 positions but holds %2 complete position lines")
                        .arg(*count)
                        .arg(read));
    }
    const QString fault = layoutFault();
    return fault.isEmpty() || fail(errorString, fault);
}

QString Spread::layoutFault() const
{
    if (positions.isEmpty())
        return QStringLiteral("the spread has no positions");
    bool ordinarySeen = false;
    for (int i = 0; i < positionCount(); ++i) {
        const QPoint place = positions.at(i).place;
        if (std::abs(qint64(place.x())) > CoordinateLimit ||
            std::abs(qint64(place.y())) > CoordinateLimit) {
            return QStringLiteral("position %1 lies more than %2 pixels from the origin")
                .arg(i + 1)
                .arg(CoordinateLimit);
        }
        if (!positions.at(i).significator) {
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
        ScrambledText::randomLinePrefix(random) + QByteArray::number(positionCount()) + "\r\n";
    for (const SpreadPosition &position : positions) {
        text += ScrambledText::randomLinePrefix(random);
        if (position.significator)
            text += 'S';
        text += QByteArray::number(position.place.x()) + ',' +
                QByteArray::number(position.place.y()) + ',' + position.explanation + "\r\n";
    }
    return text;
}

bool Spread::save(const QString &path, RandomGenerator &random, QString *errorString) const
{
    random.seedFromClock();
    return WholeFile::write(path, ScrambledText::scramble(plainText(random)), errorString);
}
