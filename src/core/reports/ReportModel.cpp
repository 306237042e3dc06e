#include "core/reports/ReportModel.h"

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/cards/MeaningText.h"
#include "core/lang/UiText.h"
#include "core/readings/ReadingFile.h"
#include "core/readings/ReadingOpenPlan.h"
#include "core/spreads/PositionLabels.h"
#include "core/spreads/Spread.h"
#include "core/table/ReadingSession.h"
#include "core/table/TableGeometry.h"
#include "core/util/WholeFile.h"

#include <QFileInfo>
#include <QLocale>

#include <algorithm>

ReportModel::Options ReportModel::optionsFrom(const Preferences &preferences)
{
    Options options;
    options.spreadView = preferences.printView();
    options.schematic = preferences.printSchema();
    options.bigCards = preferences.printBigCards();
    options.explanations = preferences.printExplanations();
    options.compact = preferences.printCompact();
    return options;
}

QByteArray ReportModel::meaningBytes(const DataRoots &roots, const QString &deckName,
                                     const QString &language, int card, bool reversed)
{
    const MeaningText::Source source{roots, deckName, language, card, reversed};
    // A file that cannot be read leaves what was read of it.
    QByteArray text;
    const QString deckFile = MeaningText::deckPath(source);
    if (QFileInfo::exists(deckFile))
        WholeFile::read(deckFile, text, nullptr, MeaningText::LargestFile);
    if (!text.isEmpty())
        return text;
    QString defaultFile = MeaningText::languagePath(source);
    if (!QFileInfo::exists(defaultFile))
        defaultFile = MeaningText::englishPath(source);
    text.clear();
    if (QFileInfo::exists(defaultFile))
        WholeFile::read(defaultFile, text, nullptr, MeaningText::LargestFile);
    return text;
}

ReportModel ReportModel::fromReading(const Spread &spread, const Placements &placements,
                                     const QString &spreadName, const QString &comments,
                                     const ProgramData &data, const Preferences &preferences)
{
    ReportModel model;
    model.roots = data.roots();
    model.deckName = preferences.deckName();
    model.spreadName = spreadName;
    model.comments = comments;
    model.reversedWord = data.uiText(UiText::ReversedWord);
    model.languageTag = languageTagOf(preferences.language());
    model.options = optionsFrom(preferences);
    model.slotSize = TableGeometry::PositionSize;
    for (int i = 0; i < spread.positionCount(); ++i) {
        Position position;
        position.place = spread.positions.at(i).place;
        position.significator = spread.positions.at(i).significator;
        position.card = placements.at(i).card;
        position.reversed = placements.at(i).reversed;
        position.label = QString::fromLatin1(PositionLabels::reportLabel(spread, i));
        position.heading = data.decoded(PositionLabels::hint(spread, i));
        position.documentHeading = data.decoded(PositionLabels::documentHeading(spread, i));
        position.cardTitle = data.cardTitle(position.card);
        if (!position.significator)
            position.meaning =
                data.decoded(meaningBytes(model.roots, model.deckName, preferences.language(),
                                          position.card, position.reversed));
        model.positions.append(position);
    }
    return model;
}

bool ReportModel::fromReadingFile(const QString &readingPath, const ProgramData &data,
                                  const Preferences &preferences, ReportModel &model,
                                  QString *errorString, ReadingOpenPlan::Outcome *outcome)
{
    const ReadingOpenPlan plan =
        ReadingOpenPlan::fromFile(readingPath, {data.roots(), data.spreadNames(), data.deck79(),
                                                preferences.majorOnly(), preferences.language()});
    if (outcome)
        *outcome = plan.result;
    if (plan.result != ReadingOpenPlan::Outcome::Ready) {
        if (errorString) {
            *errorString = plan.message(data.uiTexts());
            if (errorString->isEmpty())
                *errorString = QStringLiteral("%1 is empty.").arg(readingPath);
        }
        return false;
    }
    ReadingSession session(data, preferences);
    session.openReading(plan);
    model = fromReading(session.spread(), session.placements(), session.spreadName(),
                        ReadingFile::commentsForMemo(plan.reading.comments, preferences.language()),
                        data, preferences);
    return true;
}

QString ReportModel::languageTagOf(const QString &language)
{
    for (int code = QLocale::C + 1; code <= QLocale::LastLanguage; ++code) {
        const auto candidate = QLocale::Language(code);
        if (QLocale::languageToString(candidate).compare(language, Qt::CaseInsensitive) == 0)
            return QLocale(candidate).bcp47Name().section(QLatin1Char('-'), 0, 0);
    }
    return QStringLiteral("en");
}

QSize ReportModel::extent() const
{
    int right = 0;
    int bottom = 0;
    for (const Position &position : positions) {
        right = std::max(right, position.place.x());
        bottom = std::max(bottom, position.place.y());
    }
    return {right + slotSize.width(), bottom + slotSize.height()};
}
