#include "JournalCommand.h"

#include "CommandOutput.h"
#include "core/engine/Deck.h"
#include "core/journal/JournalIndex.h"
#include "core/journal/JournalReader.h"
#include "core/lang/CardTitles.h"

#include <QCoreApplication>
#include <QFileInfo>

const char JournalCommand::Usage[] =
    "       qmfile journal stats DIR... [--since YYYY-MM-DD] [--card N] [--csv]\n"
    "                                   [--data DIR]\n";

namespace {

using CommandOutput::failure;

struct Options
{
    QStringList folders;
    JournalFilter filter;
    bool csv = false;
    // The program folder whose spreads count the readings' positions.
    QString dataDir;
};

// Reads the options; an empty text when they are sound, else what is wrong.
QString parse(const QStringList &arguments, Options &options)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool takesValue = argument == QLatin1String("--since") ||
                                argument == QLatin1String("--card") ||
                                argument == QLatin1String("--data");
        if (takesValue && i + 1 >= arguments.size())
            return QStringLiteral("%1 needs a value").arg(argument);
        if (argument == QLatin1String("--since")) {
            options.filter.from = QDate::fromString(arguments.at(++i), Qt::ISODate);
            if (!options.filter.from.isValid())
                return QStringLiteral("--since takes a date as YYYY-MM-DD");
        } else if (argument == QLatin1String("--card")) {
            bool ok = false;
            options.filter.card = arguments.at(++i).toInt(&ok);
            if (!ok || options.filter.card < 0 || options.filter.card > Deck::ExtraCard)
                return QStringLiteral("--card takes a card number from 0 to %1")
                    .arg(Deck::ExtraCard);
        } else if (argument == QLatin1String("--data")) {
            options.dataDir = arguments.at(++i);
        } else if (argument == QLatin1String("--csv")) {
            options.csv = true;
        } else if (argument.startsWith(QLatin1String("--"))) {
            return QStringLiteral("unknown option %1").arg(argument);
        } else if (!QFileInfo(argument).isDir()) {
            return QStringLiteral("%1: no such folder").arg(argument);
        } else {
            options.folders << argument;
        }
    }
    return options.folders.isEmpty() ? QStringLiteral("name at least one folder") : QString();
}

QString englishGroup(const QString &key)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("major"), QStringLiteral("Major Arcana")},
        {QStringLiteral("suit1"), QStringLiteral("Wands")},
        {QStringLiteral("suit2"), QStringLiteral("Cups")},
        {QStringLiteral("suit3"), QStringLiteral("Swords")},
        {QStringLiteral("suit4"), QStringLiteral("Pentacles")},
        {QStringLiteral("upright"), QStringLiteral("Upright")},
        {QStringLiteral("reversed"), QStringLiteral("Reversed")},
    };
    return names.value(key, key);
}

QByteArray text(const JournalStats &stats, const CardTitles::Table &titles, int damaged)
{
    QByteArray out = "readings: " + QByteArray::number(stats.readings) +
                     "\ndamaged files: " + QByteArray::number(damaged) + "\n\ncards:\n";
    for (const auto &[number, count] : stats.top(Deck::SlotCount))
        out +=
            QByteArray::number(count).rightJustified(6) + "  " + titles.at(size_t(number)) + "\n";
    out += "\ngroups:\n";
    const auto suits = stats.suits();
    const QList<std::pair<QString, int>> groups = {{QStringLiteral("major"), stats.majorArcana()},
                                                   {QStringLiteral("suit1"), suits[0]},
                                                   {QStringLiteral("suit2"), suits[1]},
                                                   {QStringLiteral("suit3"), suits[2]},
                                                   {QStringLiteral("suit4"), suits[3]},
                                                   {QStringLiteral("upright"), stats.upright},
                                                   {QStringLiteral("reversed"), stats.reversed}};
    for (const auto &[key, count] : groups)
        out +=
            QByteArray::number(count).rightJustified(6) + "  " + englishGroup(key).toUtf8() + "\n";
    out += "\nreadings per month:\n";
    for (auto month = stats.perMonth.cbegin(); month != stats.perMonth.cend(); ++month)
        out += QByteArray::number(month.value()).rightJustified(6) + "  " + month.key().toUtf8() +
               "\n";
    return out;
}

} // namespace

int JournalCommand::run(const QStringList &arguments)
{
    if (arguments.value(0) != QLatin1String("stats"))
        return failure(QString::fromLatin1(Usage).trimmed());
    Options options;
    const QString problem = parse(arguments.mid(1), options);
    if (!problem.isEmpty())
        return failure(problem);
    // Installed beside the program, qmfile finds its spreads as the program does.
    const DataRoots roots = DataRoots::forDataFolder(
        options.dataDir.isEmpty() ? DataRoots::dataFolderOf(QCoreApplication::applicationDirPath())
                                  : options.dataDir);
    CardTitles::Table titles;
    CardTitles::load(titles, roots, QStringLiteral("English"), false, {});

    // The index lives only as long as the command.
    JournalIndex index(QStringLiteral(":memory:"));
    QString error;
    if (!index.open(&error))
        return failure(error);
    index.setTitles(QStringLiteral("English"), titles, titles);
    JournalReader reader(roots, QStringLiteral("English"));
    const JournalIndex::UpdateCounts counts = index.update(options.folders, reader);
    for (const JournalIndex::Row &row : index.find({})) {
        if (!row.damage.isEmpty())
            CommandOutput::warning(QStringLiteral("%1: %2").arg(row.path, row.damage));
    }
    const JournalStats stats = index.stats(options.filter);
    if (options.csv)
        return CommandOutput::print(stats.toCsv(
            [&titles](int number) { return QString::fromUtf8(titles.at(size_t(number))); },
            englishGroup));
    return CommandOutput::print(text(stats, titles, counts.damaged));
}
