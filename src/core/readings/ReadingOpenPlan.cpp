#include "core/readings/ReadingOpenPlan.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "core/spreads/Spread.h"
#include "core/util/WholeFile.h"

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

bool hasExtraCard(int deckLineCount)
{
    return deckLineCount == Deck::sizeFor(true, true) ||
           deckLineCount == Deck::sizeFor(false, true);
}

} // namespace

ReadingOpenPlan ReadingOpenPlan::fromFile(const QString &path, const Context &context)
{
    QByteArray bytes;
    if (!WholeFile::read(path, bytes)) {
        ReadingOpenPlan plan;
        plan.Result = Outcome::NoSuchFile;
        return plan;
    }
    return fromBytes(bytes, context);
}

ReadingOpenPlan ReadingOpenPlan::fromBytes(const QByteArray &fileBytes, const Context &context)
{
    ReadingOpenPlan plan;
    ReadingFile::Heading heading;
    switch (ReadingFile::readHeading(fileBytes, heading)) {
    case ReadingFile::ParseResult::EmptyFile:
        plan.Result = Outcome::EmptyFile;
        return plan;
    case ReadingFile::ParseResult::Unreadable:
        return plan;
    case ReadingFile::ParseResult::Ok:
        break;
    }

    plan.SpreadNameInFile = heading.SpreadName;
    const int spreadIndex = findSpread(context.spreadNames, heading.SpreadName);
    if (spreadIndex < 0) {
        plan.Result = Outcome::SpreadMissing;
        return plan;
    }
    // The list's spelling names the file on a case-sensitive file system.
    plan.SpreadName = context.spreadNames.at(spreadIndex);
    if (hasExtraCard(heading.DeckLineCount) && !context.deck79) {
        plan.Result = Outcome::NeedsDeck79;
        return plan;
    }

    // The reading decides between Major Arcana only and the whole deck; the
    // current deck decides whether the 79th card is in play.
    plan.DeckSize = Deck::sizeFor(context.majorOnly, context.deck79);
    if (heading.DeckLineCount > MajorOnlyLimit && plan.DeckSize < MajorOnlyLimit)
        plan.DeckSize += Deck::MinorArcanaCount;
    if (heading.DeckLineCount < MajorOnlyLimit && plan.DeckSize > MajorOnlyLimit)
        plan.DeckSize -= Deck::MinorArcanaCount;
    plan.MajorOnly = plan.DeckSize <= MajorOnlyLimit;

    plan.SpreadLoad = plan.LaidSpread.LoadSpread(Spread::filePath(context.appDir, plan.SpreadName));
    plan.PositionCount = plan.LaidSpread.PositionCount;
    if (plan.Reading.parse(fileBytes, plan.PositionCount) != ReadingFile::ParseResult::Ok)
        return plan;

    QList<quint32> slotNumbers;
    for (const ReadingFile::DeckCard &card : plan.Reading.Cards)
        slotNumbers.append(card.Number);
    while (slotNumbers.size() < plan.DeckSize)
        slotNumbers.append(Deck::ExtraCard);
    // A card in two slots would be drawn twice into one position.
    for (qsizetype slot = 0; slot < slotNumbers.size(); ++slot) {
        if (slotNumbers.indexOf(slotNumbers.at(slot), slot + 1) >= 0)
            return plan;
    }
    for (const quint32 number : plan.Reading.Positions) {
        int slot = int(slotNumbers.indexOf(number));
        if (slot < 0) {
            if (plan.DeckSize >= Deck::SlotCount)
                return plan;
            slot = plan.DeckSize;
        }
        plan.PositionSlots.append(slot);
    }
    plan.Result = Outcome::Ready;
    return plan;
}

int ReadingOpenPlan::findSpread(const QStringList &spreadNames, const QByteArray &name)
{
    const QByteArray wanted = upperAToZ(name);
    for (qsizetype i = 0; i < spreadNames.size(); ++i) {
        if (upperAToZ(spreadNames.at(i).toLocal8Bit()) == wanted)
            return int(i);
    }
    return -1;
}

QString ReadingOpenPlan::message(const UiTextTable &texts) const
{
    switch (Result) {
    case Outcome::Ready:
    case Outcome::EmptyFile:
        return QString();
    case Outcome::NoSuchFile:
        return QString::fromLatin1(NoSuchFileMessage);
    case Outcome::Unreadable:
        return QString::fromLatin1(ReadFailedMessage);
    case Outcome::SpreadMissing:
        return QString::fromLocal8Bit(texts.text(UiText::SpreadMissingForReading) + " '" +
                                      SpreadNameInFile + "'.");
    case Outcome::NeedsDeck79:
        return QString::fromLocal8Bit(texts.text(UiText::Deck79WarningStart) + ' ' +
                                      texts.text(UiText::Deck79WarningEnd));
    }
    return QString();
}

void ReadingOpenPlan::applyDeck(Deck::Slots &cards) const
{
    for (int slot = 0; slot < DeckSize; ++slot) {
        const bool fromFile = slot < Reading.Cards.size();
        cards[slot].Number = fromFile ? Reading.Cards.at(slot).Number : Deck::ExtraCard;
        cards[slot].Reversed = fromFile && Reading.Cards.at(slot).Reversed ? 1 : 0;
    }
}

int ReadingOpenPlan::prepareSlot(Deck::Slots &cards, int position) const
{
    const int slot = PositionSlots.at(position);
    if (slot == DeckSize) {
        cards[slot].Number = Reading.Positions.at(position);
        cards[slot].Reversed = 0;
    }
    return slot;
}
