#include "core/spreads/Spread.h"

#include "core/util/Misc.h"
#include "core/util/RandomGenerator.h"
#include "core/util/WholeFile.h"

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
    ResetSpread();
}

QString Spread::filePath(const QString &appDir, const QString &name)
{
    return appDir + QStringLiteral("/Spreads/") + name + QStringLiteral(".spread");
}

void Spread::ResetSpread()
{
    PositionCount = 0;
    SignificatorCount = 0;
    CardAt.fill(-1);
    PosX.fill(-200);
    PosY.fill(-200);
    Filled.fill(false);
    Revealed.fill(false);
    PositionReversed.fill(false);
    IsSignificator.fill(false);
}

void Spread::NewSpread()
{
    PositionCount = 0;
    SignificatorCount = 0;
    PosX.fill(100);
    PosY.fill(20);
    IsSignificator.fill(false);
    Explanation.fill(QByteArray());
}

Spread::LoadResult Spread::LoadSpread(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return LoadResult::Missing;
    QByteArray bytes;
    const bool complete = WholeFile::read(path, bytes);
    const bool parsed = readPlainText(Misc::ScrambleText(bytes));
    return complete && parsed ? LoadResult::Loaded : LoadResult::Unreadable;
}

bool Spread::readPlainText(const QByteArray &plain)
{
    LineReader lines(plain);
    if (!lines.hasLine())
        return false;
    const std::optional<qint32> count = Misc::Decimal(lines.next().mid(PrefixLength));
    if (!count)
        return false;
    // The record holds at most Capacity positions, whatever the file claims.
    PositionCount = qBound(0, *count, Capacity);
    bool sound = PositionCount == *count;

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
            ++SignificatorCount;
            IsSignificator[i] = true;
        }
        const std::optional<qint32> posX = Misc::Decimal(x);
        if (!posX)
            return false;
        PosX[i] = *posX;
        const std::optional<qint32> posY =
            Misc::Decimal(line.mid(firstComma + 1, secondComma - firstComma - 1));
        if (!posY)
            return false;
        PosY[i] = *posY;
        Explanation[i] = line.mid(secondComma + 1);
    }
    return sound;
}

QByteArray Spread::plainText(RandomGenerator &random) const
{
    QByteArray text = Misc::RandomLinePrefix(random) + QByteArray::number(PositionCount) + "\r\n";
    for (int i = 0; i < PositionCount; ++i) {
        text += Misc::RandomLinePrefix(random);
        if (IsSignificator[i])
            text += 'S';
        text += QByteArray::number(PosX[i]) + ',' + QByteArray::number(PosY[i]) + ',' +
                Explanation[i] + "\r\n";
    }
    return text;
}

bool Spread::SaveSpread(const QString &path, RandomGenerator &random, QString *errorString) const
{
    random.seedFromClock();
    return WholeFile::write(path, Misc::ScrambleText(plainText(random)), errorString);
}
