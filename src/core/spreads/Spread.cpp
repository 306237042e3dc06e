#include "core/spreads/Spread.h"

#include "core/util/Misc.h"
#include "core/util/RandomGenerator.h"
#include "core/util/WholeFile.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

constexpr int PrefixLength = 6;

// Cuts the text into lines ended by CR, each with an optional LF after it.
// Text after the last CR is not a line.
class LineReader
{
public:
    explicit LineReader(const QByteArray &text)
        : m_text(text)
    {}

    bool hasLine() const { return m_text.indexOf('\r', m_pos) >= 0; }

    QByteArray next()
    {
        const qsizetype cr = m_text.indexOf('\r', m_pos);
        const QByteArray line = m_text.mid(m_pos, cr - m_pos);
        m_pos = cr + 1;
        if (m_pos < m_text.size() && m_text.at(m_pos) == '\n')
            ++m_pos;
        return line;
    }

private:
    const QByteArray &m_text;
    qsizetype m_pos = 0;
};

} // namespace

Spread::Spread()
{
    reset();
}

QString Spread::filePath(const QString &appDir, const QString &name)
{
    const QString folder = appDir + QStringLiteral("/Spreads/");
    const QString path = folder + name + QStringLiteral(".spread");
    if (QFileInfo::exists(path))
        return path;
    // The spread list takes the extension in any letter case ("NAME.SPREAD"),
    // so such a file must open under its listed name too.
    const QStringList files =
        QDir(folder).entryList({QStringLiteral("*.spread")}, QDir::Files | QDir::Hidden);
    for (const QString &file : files) {
        if (file.chopped(7) == name)
            return folder + file;
    }
    return path;
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
    LineReader lines(plain);
    if (!lines.hasLine())
        return false;
    const std::optional<qint32> count = Misc::decimal(lines.next().mid(PrefixLength));
    if (!count)
        return false;
    // The record holds at most Capacity positions, whatever the file claims.
    positionCount = qBound(0, *count, Capacity);
    bool sound = positionCount == *count;

    for (int i = 0; lines.hasLine(); ++i) {
        if (i == Capacity)
            return false;
        const QByteArray line = lines.next();
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
