#include "core/readings/ReadingOpenPlan.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "core/spreads/Spread.h"
#include "core/spreads/SpreadDesign.h"
#include "core/util/Decimal.h"
#include "core/util/TextCodec.h"
#include "core/util/TextLines.h"
#include "core/util/WholeFile.h"

#include <QFileInfo>

namespace {

// Deck sizes up to this hold only the Major Arcana (22 or 23 cards); larger
// ones the whole deck (78 or 79).
constexpr int MajorOnlyLimit = 25;

QByteArray upperAToZ(QByteArray text)
{
    for (char &byte : text) {
        if (byte >= 'a' && byte <= 'z')
            byte = char(byte - 'a' + 'A');
    }
    return text;
}

// A spread name as a message shows it: one too long for any spread is cut
// short, so that the message stays readable and quick to lay out.
QString shownName(const UiTextTable &texts, const QByteArray &name)
{
    if (name.size() <= SpreadDesign::LongestName)
        return texts.decoded(name);
    return texts.decoded(name.left(SpreadDesign::LongestName)) + QChar(0x2026);
}

// How many lines at the start of `comments` read as card numbers that lie in
// no position of `positions`: the position lines of a reading saved when its
// spread had more positions, read as comments now. A spread never holds a
// card twice, so a number already laid is a comment that starts with it.
int strayPositionLines(const QByteArray &comments, QList<quint32> positions)
{
    TextLines::Cursor lines(comments);
    int stray = 0;
    while (const std::optional<QByteArray> line = lines.next()) {
        const std::optional<qint32> number = Decimal::parse(*line);
        if (!number || *number < 0 || *number > Deck::ExtraCard ||
            positions.contains(quint32(*number)))
            break;
        positions.append(quint32(*number));
        ++stray;
    }
    return stray;
}

bool hasExtraCard(int deckLineCount)
{
    return deckLineCount == Deck::sizeFor(true, true) ||
           deckLineCount == Deck::sizeFor(false, true);
}

} // namespace

ReadingOpenPlan ReadingOpenPlan::fromFile(const QString &path, const Context &context)
{
    QByteArray bytes;
    QString fault;
    if (!WholeFile::read(path, bytes, &fault, ReadingFile::LargestFile)) {
        ReadingOpenPlan plan;
        plan.result = QFileInfo::exists(path) ? Outcome::Unreadable : Outcome::NoSuchFile;
        plan.filePath = path;
        plan.readFault = fault;
        return plan;
    }
    ReadingOpenPlan plan = fromBytes(bytes, context);
    plan.filePath = path;
    return plan;
}

ReadingOpenPlan ReadingOpenPlan::fromBytes(const QByteArray &fileBytes, const Context &context)
{
    ReadingOpenPlan plan;
    // Only the older format lacks a header, so anything at all reads as its
    // first line; a file that does not go on with a whole deck of card lines
    // is no reading, and its bytes are no spread name to show.
    const bool hasHeader = fileBytes.startsWith(ReadingFile::Header);
    ReadingFile::Heading heading;
    switch (ReadingFile::readHeading(fileBytes, heading)) {
    case ReadingFile::ParseResult::EmptyFile:
        plan.result = Outcome::EmptyFile;
        return plan;
    case ReadingFile::ParseResult::Unreadable:
        if (!hasHeader)
            plan.result = Outcome::NotAReadingFile;
        return plan;
    case ReadingFile::ParseResult::Ok:
        break;
    }
    if (!hasHeader && ReadingFile().parse(fileBytes, 0) != ReadingFile::ParseResult::Ok) {
        plan.result = Outcome::NotAReadingFile;
        return plan;
    }

    plan.spreadNameInFile = heading.spreadName;
    // No spread file can have a longer name; a reading naming one is refused
    // before the name is looked up or shown.
    if (heading.spreadName.size() > SpreadDesign::LongestName) {
        plan.result = Outcome::SpreadMissing;
        return plan;
    }
    const int spreadIndex = findSpread(context.spreadNames, heading.spreadName, context.language);
    if (spreadIndex < 0) {
        plan.result = Outcome::SpreadMissing;
        return plan;
    }
    // The list's spelling names the file on a case-sensitive file system.
    plan.spreadName = context.spreadNames.at(spreadIndex);
    if (hasExtraCard(heading.deckLineCount) && !context.deck79) {
        plan.result = Outcome::NeedsDeck79;
        return plan;
    }

    // The reading decides between Major Arcana only and the whole deck; the
    // current deck decides whether the 79th card is in play.
    plan.deckSize = Deck::sizeFor(context.majorOnly, context.deck79);
    if (heading.deckLineCount > MajorOnlyLimit && plan.deckSize < MajorOnlyLimit)
        plan.deckSize += Deck::MinorArcanaCount;
    if (heading.deckLineCount < MajorOnlyLimit && plan.deckSize > MajorOnlyLimit)
        plan.deckSize -= Deck::MinorArcanaCount;
    plan.majorOnly = plan.deckSize <= MajorOnlyLimit;

    // The spread list was made at start-up; the file may have gone or been
    // damaged since, and without it the positions cannot be laid.
    plan.spreadLoad =
        plan.spread.load(Spread::filePath(context.roots, plan.spreadName), &plan.spreadFault);
    if (plan.spreadLoad != Spread::LoadResult::Loaded) {
        plan.result = plan.spreadLoad == Spread::LoadResult::Missing ? Outcome::SpreadMissing
                                                                     : Outcome::SpreadUnreadable;
        return plan;
    }
    plan.positionCount = plan.spread.positionCount();
    if (plan.reading.parse(fileBytes, plan.positionCount) != ReadingFile::ParseResult::Ok) {
        // Too few position lines for the spread as it is now, though the deck
        // is whole: the spread has gained positions since.
        ReadingFile shorter;
        if (shorter.parse(fileBytes, 0) == ReadingFile::ParseResult::Ok)
            plan.result = Outcome::SpreadChanged;
        return plan;
    }
    if (strayPositionLines(plan.reading.comments, plan.reading.positions) > 0) {
        plan.result = Outcome::SpreadChanged;
        return plan;
    }

    QList<quint32> slotNumbers;
    for (const ReadingFile::DeckCard &card : plan.reading.cards)
        slotNumbers.append(card.number);
    while (slotNumbers.size() < plan.deckSize)
        slotNumbers.append(Deck::ExtraCard);
    // A card in two slots would be drawn twice into one position.
    for (qsizetype slot = 0; slot < slotNumbers.size(); ++slot) {
        if (slotNumbers.indexOf(slotNumbers.at(slot), slot + 1) >= 0)
            return plan;
    }
    for (const quint32 number : plan.reading.positions) {
        int slot = int(slotNumbers.indexOf(number));
        if (slot < 0) {
            if (plan.deckSize >= Deck::SlotCount)
                return plan;
            slot = plan.deckSize;
        }
        plan.positionSlots.append(slot);
    }
    plan.result = Outcome::Ready;
    return plan;
}

int ReadingOpenPlan::findSpread(const QStringList &spreadNames, const QByteArray &name,
                                const QString &language)
{
    const QByteArray wanted = upperAToZ(TextCodec::decode(name, language).toUtf8());
    for (qsizetype i = 0; i < spreadNames.size(); ++i) {
        if (upperAToZ(spreadNames.at(i).toUtf8()) == wanted)
            return int(i);
    }
    return -1;
}

QString ReadingOpenPlan::message(const UiTextTable &texts) const
{
    switch (result) {
    case Outcome::Ready:
    case Outcome::EmptyFile:
        return QString();
    case Outcome::NoSuchFile:
        return texts.string(UiText::NoSuchFile);
    case Outcome::Unreadable:
        if (readFault.isEmpty())
            return texts.string(UiText::ReadingNotRead);
        return texts.string(UiText::ReadingNotRead) + QStringLiteral(" '") + filePath +
               QStringLiteral("'\n\n") + readFault;
    case Outcome::SpreadMissing:
        return texts.string(UiText::SpreadMissingForReading) + QStringLiteral(" '") +
               shownName(texts, spreadNameInFile) + QStringLiteral("'.");
    case Outcome::SpreadUnreadable: {
        const QString refused = texts.string(UiText::SpreadUnreadable) + QStringLiteral(" '") +
                                shownName(texts, spreadNameInFile) + QStringLiteral("'.");
        return spreadFault.isEmpty() ? refused : refused + QStringLiteral("\n\n") + spreadFault;
    }
    case Outcome::SpreadChanged:
        return texts.string(UiText::ReadingSpreadChanged) + QStringLiteral(" '") +
               shownName(texts, spreadNameInFile) + QStringLiteral("'.");
    case Outcome::NotAReadingFile:
        return texts.string(UiText::NotAReadingFile) + QStringLiteral(" '") +
               QFileInfo(filePath).fileName() + QStringLiteral("'.");
    case Outcome::NeedsDeck79:
        return texts.string(UiText::Deck79WarningStart) + QLatin1Char(' ') +
               texts.string(UiText::Deck79WarningEnd);
    }
    return QString();
}

void ReadingOpenPlan::applyDeck(Deck::Slots &cards) const
{
    for (int slot = 0; slot < deckSize; ++slot) {
        const bool fromFile = slot < reading.cards.size();
        cards[slot].number = fromFile ? reading.cards.at(slot).number : Deck::ExtraCard;
        cards[slot].reversed = fromFile && reading.cards.at(slot).reversed ? 1 : 0;
    }
}

int ReadingOpenPlan::prepareSlot(Deck::Slots &cards, int position) const
{
    const int slot = positionSlots.at(position);
    if (slot == deckSize) {
        cards[slot].number = reading.positions.at(position);
        cards[slot].reversed = 0;
    }
    return slot;
}
