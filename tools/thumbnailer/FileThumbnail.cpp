#include "FileThumbnail.h"

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/cards/DeckList.h"
#include "core/reports/ReportModel.h"
#include "core/reports/ReportPictures.h"
#include "core/spreads/Placements.h"
#include "core/spreads/Spread.h"

namespace {

// A spread's positions as outlines with their labels, as a schematic report draws them.
bool spreadModel(const QString &path, const ProgramData &data, const Preferences &preferences,
                 ReportModel &model, QString *errorString)
{
    Spread spread;
    if (spread.load(path, errorString) != Spread::LoadResult::Loaded)
        return false;
    Preferences outlines;
    outlines.setDeckName(preferences.deckName());
    outlines.setPrintSchema(true);
    outlines.setPrintExplanations(false);
    // The outlines are drawn where a card could be drawn; any card will do.
    Placements anyCards(spread.positionCount());
    for (int i = 0; i < spread.positionCount(); ++i)
        anyCards.place(i, 0, false);
    model = ReportModel::fromReading(spread, anyCards, QString(), QString(), data, outlines);
    return true;
}

} // namespace

QImage FileThumbnail::draw(const QString &path, const ProgramData &data,
                           const Preferences &preferences, int size, QString *errorString,
                           ReadingOpenPlan::Outcome *outcome)
{
    // Older readings have no header to tell them by; the desktop, too, goes by the name.
    const bool isSpread = path.endsWith(QLatin1String(".spread"), Qt::CaseInsensitive);
    ReportModel model;
    const bool read = isSpread ? spreadModel(path, data, preferences, model, errorString)
                               : ReportModel::fromReadingFile(path, data, preferences, model,
                                                              errorString, outcome);
    if (!read)
        return {};
    const QImage picture = ReportPictures::spreadPicture(model);
    if (picture.isNull()) {
        *errorString = QStringLiteral("%1: nothing to draw.").arg(path);
        return {};
    }
    return picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QString FileThumbnail::deckWithExtraCard(const DataRoots &roots)
{
    for (const DeckList::Deck &deck : DeckList::scan(roots)) {
        if (deck.extraCard)
            return deck.name;
    }
    return QString();
}
