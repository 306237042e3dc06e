#include "core/readings/ReadingText.h"

#include "core/util/Decimal.h"

#include "core/engine/Deck.h"
#include "core/readings/ReadingFile.h"
#include "core/spreads/Spread.h"

#include <optional>

namespace {

bool fail(QString *errorString, const QString &message)
{
    if (errorString)
        *errorString = message;
    return false;
}

std::optional<int> wholeNumber(const QByteArray &field, int lowest, int highest)
{
    const std::optional<qint32> value = Decimal::parse(field);
    if (!value || *value < lowest || *value > highest)
        return std::nullopt;
    return *value;
}

// Lines ended by LF, with a CR before the LF dropped; whatever follows the
// line read last is left for the comments.
class TextLines
{
public:
    explicit TextLines(const QByteArray &text)
        : m_text(text)
    {}

    std::optional<QByteArray> next()
    {
        const qsizetype lf = m_text.indexOf('\n', m_pos);
        if (lf < 0)
            return std::nullopt;
        QByteArray line = m_text.mid(m_pos, lf - m_pos);
        if (line.endsWith('\r'))
            line.chop(1);
        m_pos = lf + 1;
        ++m_number;
        return line;
    }

    QByteArray rest() const { return m_text.mid(m_pos); }
    int number() const { return m_number; }

private:
    const QByteArray &m_text;
    qsizetype m_pos = 0;
    int m_number = 0;
};

} // namespace

QByteArray ReadingText::format(const ReadingFile &reading)
{
    QByteArray text =
        reading.format == ReadingFile::Format::Current ? "format current\n" : "format older\n";
    text += "spread " + reading.spreadName + '\n';
    text += "deck " + QByteArray::number(reading.cards.size()) + '\n';
    for (const ReadingFile::DeckCard &card : reading.cards)
        text += QByteArray::number(card.number) + (card.reversed ? " r\n" : "\n");
    text += "positions " + QByteArray::number(reading.positions.size()) + '\n';
    for (const quint32 number : reading.positions)
        text += QByteArray::number(number) + '\n';
    return text + "comments\n" + reading.comments;
}

QString ReadingText::formatFault(const ReadingFile &reading)
{
    const QByteArray &name = reading.spreadName;
    if (name.isEmpty())
        return QStringLiteral("the spread name is empty");
    if (name.contains('\n') || name.contains('\r') || name.contains('\0'))
        return QStringLiteral("the spread name holds a line end or a NUL byte");
    if (reading.comments.contains('\0'))
        return QStringLiteral("the comments hold a NUL byte");
    return {};
}

bool ReadingText::parse(const QByteArray &text, ReadingFile &reading, QString *errorString)
{
    if (text.contains('\0'))
        return fail(errorString, QStringLiteral("a reading file cannot hold a NUL byte"));
    TextLines lines(text);
    // The next line, which must start with `key`; the rest of it is returned.
    QString error;
    const auto keyed = [&lines, &error](const QByteArray &key) -> std::optional<QByteArray> {
        const std::optional<QByteArray> line = lines.next();
        if (line && line->startsWith(key) && !line->contains('\r'))
            return line->mid(key.size());
        error = QStringLiteral("line %1: expected \"%2\"")
                    .arg(lines.number() + (line ? 0 : 1))
                    .arg(QString::fromLatin1(key.trimmed()));
        return std::nullopt;
    };
    const auto badLine = [&lines](const QString &what) {
        return QStringLiteral("line %1: %2").arg(lines.number()).arg(what);
    };

    ReadingFile parsed;
    const std::optional<QByteArray> format = keyed("format ");
    if (!format)
        return fail(errorString, error);
    if (*format != "current" && *format != "older")
        return fail(errorString, badLine(QStringLiteral("the format is current or older")));
    parsed.format =
        *format == "current" ? ReadingFile::Format::Current : ReadingFile::Format::Older;

    const std::optional<QByteArray> spread = keyed("spread ");
    if (!spread)
        return fail(errorString, error);
    if (spread->isEmpty())
        return fail(errorString, badLine(QStringLiteral("the spread name is missing")));
    parsed.spreadName = *spread;

    const std::optional<QByteArray> deckCount = keyed("deck ");
    if (!deckCount)
        return fail(errorString, error);
    const std::optional<int> deckLines = wholeNumber(*deckCount, 0, Deck::SlotCount);
    if (!deckLines || !ReadingFile::isDeckLineCount(*deckLines))
        return fail(errorString, badLine(QStringLiteral("a deck has 22, 23, 78 or 79 lines")));
    for (int slot = 0; slot < *deckLines; ++slot) {
        std::optional<QByteArray> line = lines.next();
        if (!line)
            return fail(errorString,
                        QStringLiteral("the deck has fewer than %1 lines").arg(*deckLines));
        ReadingFile::DeckCard card;
        if (line->endsWith(" r")) {
            card.reversed = true;
            line->chop(2);
        }
        const std::optional<int> number = wholeNumber(*line, 0, Deck::ExtraCard);
        if (!number)
            return fail(errorString, badLine(QStringLiteral("expected a card number 0 to 78, "
                                                            "then \" r\" when reversed")));
        card.number = quint32(*number);
        parsed.cards.append(card);
    }

    const std::optional<QByteArray> positionCount = keyed("positions ");
    if (!positionCount)
        return fail(errorString, error);
    const std::optional<int> positions = wholeNumber(*positionCount, 0, Spread::Capacity);
    if (!positions)
        return fail(
            errorString,
            badLine(QStringLiteral("a spread has 0 to %1 positions").arg(Spread::Capacity)));
    for (int position = 0; position < *positions; ++position) {
        const std::optional<QByteArray> line = lines.next();
        if (!line)
            return fail(errorString,
                        QStringLiteral("there are fewer than %1 position lines").arg(*positions));
        const std::optional<int> number = wholeNumber(*line, 0, Deck::ExtraCard);
        if (!number)
            return fail(errorString, badLine(QStringLiteral("expected a card number 0 to 78")));
        parsed.positions.append(quint32(*number));
    }

    const std::optional<QByteArray> comments = keyed("comments");
    if (!comments)
        return fail(errorString, error);
    if (!comments->isEmpty())
        return fail(errorString, badLine(QStringLiteral("expected \"comments\" alone")));
    parsed.comments = lines.rest();
    reading = parsed;
    return true;
}
