#include "ReadingCommand.h"

#include "CommandOutput.h"
#include "core/engine/Deck.h"
#include "core/readings/ReadingFile.h"
#include "core/readings/ReadingText.h"
#include "core/spreads/Spread.h"
#include "core/util/ScrambledText.h"
#include "core/util/WholeFile.h"

namespace {

using CommandOutput::failure;
using CommandOutput::print;

// A reading file does not say how many positions its spread has. Without
// the spread at hand, the lines right after the deck that hold nothing but a
// card number are taken for position lines; packing the text again gives the
// same file whichever way a comment that is a bare number is counted.
int guessPositionCount(const QByteArray &afterDeck)
{
    int count = 0;
    qsizetype pos = 0;
    while (count < Spread::Capacity) {
        const qsizetype end = afterDeck.indexOf("\r\n", pos);
        if (end < 0)
            break;
        const QByteArray line = afterDeck.mid(pos, end - pos);
        bool ok = false;
        const int number = line.toInt(&ok);
        if (!ok || number < 0 || number > Deck::ExtraCard || QByteArray::number(number) != line)
            break;
        ++count;
        pos = end + 2;
    }
    return count;
}

int unpack(const QString &path, const QString &positionsArgument)
{
    QByteArray bytes;
    QString error;
    if (!WholeFile::read(path, bytes, &error, ReadingFile::LargestFile))
        return failure(QStringLiteral("%1: %2").arg(path, error));

    int positions = 0;
    if (!positionsArgument.isNull()) {
        bool ok = false;
        positions = positionsArgument.toInt(&ok);
        if (!ok || positions < 0 || positions > Spread::Capacity)
            return failure(
                QStringLiteral("POSITIONS must be a number from 0 to %1").arg(Spread::Capacity));
    }

    ReadingFile reading;
    ReadingFile::ParseResult result = reading.parse(bytes, positions, &error);
    if (result == ReadingFile::ParseResult::Ok && positionsArgument.isNull()) {
        positions = guessPositionCount(reading.comments);
        result = reading.parse(bytes, positions, &error);
    }
    switch (result) {
    case ReadingFile::ParseResult::EmptyFile:
        return failure(QStringLiteral("%1: the file is empty").arg(path));
    case ReadingFile::ParseResult::Unreadable:
        return failure(QStringLiteral("%1: not a readable reading file: %2").arg(path, error));
    case ReadingFile::ParseResult::Ok:
        break;
    }
    const QString fault = ReadingText::formatFault(reading);
    if (!fault.isEmpty())
        return failure(QStringLiteral("%1: cannot be shown as text: %2").arg(path, fault));
    return print(ReadingText::format(reading));
}

// The program saves only the current format. A text marked "format older"
// packs to the older kind, so that unpacking and packing an older file gives
// it back: the same scrambled body without the header and the deck line
// count, always with 78 deck lines.
bool save(const ReadingFile &reading, const QString &path, QString *error)
{
    if (reading.format == ReadingFile::Format::Current)
        return reading.save(path, error);
    if (reading.cards.size() != ReadingFile::OlderDeckLineCount) {
        *error = QStringLiteral("the older format has %1 deck lines")
                     .arg(ReadingFile::OlderDeckLineCount);
        return false;
    }
    const QByteArray current = reading.write();
    const QByteArray lineEnd = ScrambledText::scramble("\r\n");
    const qsizetype body = current.indexOf(lineEnd, ReadingFile::HeaderLength) + lineEnd.size();
    return WholeFile::write(path, current.mid(body), error);
}

int pack(const QString &textPath, const QString &outPath)
{
    return CommandOutput::pack<ReadingFile>(textPath, outPath, ReadingText::parse, save);
}

} // namespace

int ReadingCommand::run(const QStringList &arguments)
{
    if ((arguments.size() == 2 || arguments.size() == 3) &&
        arguments.at(0) == QLatin1String("unpack"))
        return unpack(arguments.at(1), arguments.value(2));
    if (arguments.size() == 3 && arguments.at(0) == QLatin1String("pack"))
        return pack(arguments.at(1), arguments.at(2));
    return failure(QStringLiteral(
        "usage: qmfile reading unpack FILE [POSITIONS] | qmfile reading pack TEXT OUT"));
}
