#include "ReportCommand.h"

#include "CommandOutput.h"
#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/cards/CardPicture.h"
#include "core/cards/DeckList.h"
#include "core/data/DataFolders.h"
#include "core/lang/LanguageFiles.h"
#include "core/reports/ReportMaker.h"
#include "core/reports/ReportModel.h"
#include "core/reports/ReportWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <map>

const char ReportCommand::Usage[] =
    "       qmfile report html|docx|odt|pdf READING OUT --data DIR [--deck NAME] [--language "
    "NAME]\n"
    "                          [--[no-]spread-view] [--[no-]schematic]\n"
    "                          [--[no-]big-cards] [--[no-]explanations] [--[no-]compact]\n"
    "         writes OUT/report.htm (.docx, .odt, .pdf) and its pictures for the saved\n"
    "         READING, laid with the spreads, pictures and texts of the program folder DIR\n";

namespace {

using CommandOutput::failure;

int usage()
{
    return failure(QStringLiteral("usage:\n") + QString::fromLatin1(ReportCommand::Usage));
}

// What to do about a reading made with a deck of 79 cards when `deckName` has 78.
QString decksWithExtraCard(const DataRoots &roots, const QString &deckName)
{
    QStringList names;
    for (const DeckList::Deck &deck : DeckList::scan(roots)) {
        if (deck.cardCount == 79)
            names.append(deck.name);
    }
    const QString advice =
        QStringLiteral("the reading was made with a deck of 79 cards, and %1 has 78; "
                       "give one with --deck NAME")
            .arg(deckName);
    if (names.isEmpty())
        return advice + QStringLiteral(" (no deck of 79 cards is installed)");
    return advice + QStringLiteral(" (here: %1)").arg(names.join(QStringLiteral(", ")));
}

} // namespace

int ReportCommand::run(const QStringList &arguments)
{
    const std::map<QString, ReportWriter::Format> formats = {
        {QStringLiteral("html"), ReportWriter::Format::Html},
        {QStringLiteral("docx"), ReportWriter::Format::Word},
        {QStringLiteral("odt"), ReportWriter::Format::OpenDocument},
        {QStringLiteral("pdf"), ReportWriter::Format::Pdf},
    };
    if (arguments.size() < 3 || formats.count(arguments.first()) == 0)
        return usage();
    const ReportWriter::Format format = formats.at(arguments.first());
    const QString readingPath = arguments[1];
    const QString outFolder = arguments[2];

    // The options start as the program's own defaults.
    Preferences preferences;
    QString dataDir;
    const std::map<QString, void (Preferences::*)(bool)> switches = {
        {QStringLiteral("spread-view"), &Preferences::setPrintView},
        {QStringLiteral("schematic"), &Preferences::setPrintSchema},
        {QStringLiteral("big-cards"), &Preferences::setPrintBigCards},
        {QStringLiteral("explanations"), &Preferences::setPrintExplanations},
        {QStringLiteral("compact"), &Preferences::setPrintCompact},
    };
    bool deckGiven = false;
    for (int i = 3; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool takesValue = argument == QLatin1String("--data") ||
                                argument == QLatin1String("--deck") ||
                                argument == QLatin1String("--language");
        if (takesValue) {
            if (i + 1 >= arguments.size())
                return failure(QStringLiteral("%1 needs a value").arg(argument));
            const QString value = arguments[++i];
            if (argument == QLatin1String("--data")) {
                dataDir = value;
            } else if (argument == QLatin1String("--deck")) {
                preferences.setDeckName(value);
                deckGiven = true;
            } else {
                preferences.setLanguage(value);
            }
            continue;
        }
        if (!argument.startsWith(QLatin1String("--")))
            return usage();
        QString name = argument.mid(2);
        const bool on = !name.startsWith(QLatin1String("no-"));
        if (!on)
            name = name.mid(3);
        const auto found = switches.find(name);
        if (found == switches.end())
            return failure(QStringLiteral("unknown option %1").arg(argument));
        (preferences.*found->second)(on);
    }
    if (dataDir.isEmpty())
        return failure(QStringLiteral("--data DIR names the program folder; it is required"));
    if (!QFileInfo(dataDir).isDir())
        return failure(QStringLiteral("%1: no such folder").arg(dataDir));
    // An installed folder is read with the user's own files, as the program reads it.
    const DataRoots roots = DataRoots::forDataFolder(dataDir);
    if (deckGiven && !DataFolders::deckExists(roots, preferences.deckName()))
        return failure(QStringLiteral("%1: no deck of that name in %2/Pics")
                           .arg(preferences.deckName(), dataDir));
    if (!DataRoots::isPlainName(preferences.language()) ||
        roots.folders(QStringLiteral("Langs/") + preferences.language()).isEmpty())
        return failure(QStringLiteral("%1: no language of that name in %2/Langs")
                           .arg(preferences.language(), dataDir));

    roots.createFolders();
    ProgramData data(roots);
    data.scan(preferences);
    data.loadLanguage(preferences);
    ReportModel model;
    QString error;
    ReadingOpenPlan::Outcome outcome = ReadingOpenPlan::Outcome::Ready;
    if (!ReportModel::fromReadingFile(readingPath, data, preferences, model, &error, &outcome)) {
        // The program's own words point at its menu; here the deck is an option.
        if (outcome == ReadingOpenPlan::Outcome::NeedsDeck79)
            error = decksWithExtraCard(roots, preferences.deckName());
        return failure(QStringLiteral("%1: %2").arg(readingPath, error));
    }
    // A card picture that is there but refused leaves its place empty, as a
    // missing one does; say which, once each.
    QSet<QString> faults;
    for (const ReportModel::Position &position : std::as_const(model.positions)) {
        const QString fault = CardPicture::fault(model.roots, model.deckName, position.card);
        if (!fault.isEmpty() && !faults.contains(fault)) {
            faults.insert(fault);
            CommandOutput::warning(fault);
        }
    }
    if (!QDir().mkpath(outFolder))
        return failure(QStringLiteral("%1: the folder could not be made").arg(outFolder));
    QString document;
    if (ReportMaker::make(model, format, {outFolder, outFolder, QStringLiteral("report")},
                          &document, &error) != ReportMaker::Result::Written)
        return failure(ReportWriter::failureMessage(format, data.uiTexts()) + QLatin1Char(' ') +
                       error);
    return CommandOutput::print(QDir::toNativeSeparators(document).toLocal8Bit() + '\n');
}
