#include "core/app/SettingsStore.h"

#include "core/app/Preferences.h"

#include <QFileInfo>
#include <QSettings>
#include <QSize>

#include <iterator>
#include <limits>
#include <utility>

namespace {

const QString DefaultMusicFile = QStringLiteral("Stormsinafrica.mid");

using Setting = Preferences::Setting;

// A yes/no flag. It keeps its default unless the stored word, in any letter
// case, is the other one; older versions wrote some flags in capitals.
struct FlagKey
{
    const char *key;
    Setting setting;
    bool (Preferences::*get)() const;
    void (Preferences::*set)(bool);
    bool defaultOn;
    bool writtenInCapitals;
};

constexpr FlagKey Flags[] = {
    {"ArdenvaleStyle", Setting::ArdenvaleStyle, &Preferences::ardenvaleStyle,
     &Preferences::setArdenvaleStyle, true, false},
    {"keepactual", Setting::KeepActual, &Preferences::keepActual, &Preferences::setKeepActual, true,
     false},
    {"cutdeck", Setting::CutDeck, &Preferences::cutDeck, &Preferences::setCutDeck, true, false},
    {"cut3piles", Setting::CutThreePiles, &Preferences::cutThreePiles,
     &Preferences::setCutThreePiles, false, false},
    {"keepstraight", Setting::KeepStraight, &Preferences::keepStraight,
     &Preferences::setKeepStraight, false, false},
    {"MajorOnly", Setting::MajorOnly, &Preferences::majorOnly, &Preferences::setMajorOnly, false,
     true},
    {"resetmusic", Setting::ResetMusic, &Preferences::resetMusic, &Preferences::setResetMusic, true,
     false},
    {"ignspas", Setting::IgnoreSpreadMusic, &Preferences::ignoreSpreadMusic,
     &Preferences::setIgnoreSpreadMusic, false, false},
    {"PlayMusic", Setting::PlayMusic, &Preferences::playMusic, &Preferences::setPlayMusic, false,
     true},
    {"UseTips", Setting::UseTips, &Preferences::useTips, &Preferences::setUseTips, true, false},
    {"drawauto", Setting::DrawAuto, &Preferences::drawAuto, &Preferences::setDrawAuto, false, true},
    {"printview", Setting::PrintView, &Preferences::printView, &Preferences::setPrintView, true,
     false},
    {"printschema", Setting::PrintSchema, &Preferences::printSchema, &Preferences::setPrintSchema,
     false, false},
    {"printbigcards", Setting::PrintBigCards, &Preferences::printBigCards,
     &Preferences::setPrintBigCards, false, false},
    {"printexpl", Setting::PrintExplanations, &Preferences::printExplanations,
     &Preferences::setPrintExplanations, true, false},
    {"printcompact", Setting::PrintCompact, &Preferences::printCompact,
     &Preferences::setPrintCompact, false, false},
    {"UseReverse", Setting::UseReverse, &Preferences::useReverse, &Preferences::setUseReverse,
     false, false},
    {"keepreadings", Setting::KeepEveryReading, &Preferences::keepEveryReading,
     &Preferences::setKeepEveryReading, false, false},
    {"journalasked", Setting::JournalAsked, &Preferences::journalAsked,
     &Preferences::setJournalAsked, false, false},
};

// An integer. Integers are read in groups: the first missing or non-integer
// value of a group leaves it and every later value of the group at their
// defaults. A value outside [lowest, highest] gives the default too.
struct IntegerKey
{
    const char *key;
    Setting setting;
    int (Preferences::*get)() const;
    void (Preferences::*set)(int);
    int group;
    int lowest = std::numeric_limits<int>::min();
    int highest = std::numeric_limits<int>::max();
};

constexpr IntegerKey Integers[] = {
    {"cdwidth", Setting::CardWidth, &Preferences::cardWidth, &Preferences::setCardWidth, 2},
    {"cdheight", Setting::CardHeight, &Preferences::cardHeight, &Preferences::setCardHeight, 2},
    {"fmwidth", Setting::DetailWidth, &Preferences::detailWidth, &Preferences::setDetailWidth, 2},
    {"fmheight", Setting::DetailHeight, &Preferences::detailHeight, &Preferences::setDetailHeight,
     2},
    {"memowidth", Setting::MeaningPanelWidth, &Preferences::meaningPanelWidth,
     &Preferences::setMeaningPanelWidth, 3},
    {"memoheight", Setting::MeaningPanelHeight, &Preferences::meaningPanelHeight,
     &Preferences::setMeaningPanelHeight, 3},
    {"curquer", Setting::QuerentCard, &Preferences::querentCard, &Preferences::setQuerentCard, 4,
     -1, 78},
    {"musicvolume", Setting::MusicVolume, &Preferences::musicVolume, &Preferences::setMusicVolume,
     5, 0, 100},
};

constexpr char DeckNameKey[] = "DeckName";
// The key older versions stored the deck name under.
constexpr char OlderDeckNameKey[] = "DeskName";
constexpr char LanguageKey[] = "language";
constexpr char MusicDirKey[] = "curmusdir";
constexpr char MusicFileKey[] = "curmusfile";
constexpr char BackColorKey[] = "backcolor";
constexpr char StrengthKey[] = "Strength11";
constexpr char PrintTypeKey[] = "printtype";
constexpr char ReportFolderKey[] = "reportfolder";
constexpr char JournalFoldersKey[] = "journalfolders";
// Read on its own, before the integer groups.
constexpr char PlayTypeKey[] = "playtype";

// The report formats as stored, by their number.
// Readers that know no "PDF" take it for the Word document, their default.
const QString PrintTypeWords[] = {QStringLiteral("RTF"), QStringLiteral("HTML"),
                                  QStringLiteral("OO"), QStringLiteral("PDF"),
                                  QStringLiteral("PRINTER")};
constexpr int PrintTypeCount = int(std::size(PrintTypeWords));

// The keys of the settings stored outside the two tables.
const std::pair<Setting, const char *> OtherKeys[] = {
    {Setting::DeckName, DeckNameKey},         {Setting::Language, LanguageKey},
    {Setting::MusicDir, MusicDirKey},         {Setting::LastMusicFile, MusicFileKey},
    {Setting::BackColor, BackColorKey},       {Setting::StrengthEleven, StrengthKey},
    {Setting::ReportFormat, PrintTypeKey},    {Setting::PlayMode, PlayTypeKey},
    {Setting::ReportFolder, ReportFolderKey}, {Setting::JournalFolders, JournalFoldersKey},
};

QString text(const QSettings &settings, const char *key)
{
    return settings.value(QLatin1String(key)).toString();
}

bool readFlag(const QSettings &settings, const FlagKey &flag)
{
    const QString word = text(settings, flag.key).toUpper();
    return flag.defaultOn ? word != QLatin1String("NO") : word == QLatin1String("YES");
}

QString flagWord(const FlagKey &flag, bool on)
{
    if (flag.writtenInCapitals)
        return on ? QStringLiteral("YES") : QStringLiteral("NO");
    return on ? QStringLiteral("yes") : QStringLiteral("no");
}

void readIntegers(const QSettings &settings, Preferences &preferences)
{
    int failedGroup = -1;
    for (const IntegerKey &entry : Integers) {
        if (entry.group == failedGroup)
            continue;
        bool ok = false;
        const int value = text(settings, entry.key).toInt(&ok);
        if (!settings.contains(QLatin1String(entry.key)) || !ok) {
            failedGroup = entry.group;
            continue;
        }
        if (value >= entry.lowest && value <= entry.highest)
            (preferences.*entry.set)(value);
    }
}

void readPlayMode(const QSettings &settings, Preferences &preferences)
{
    bool ok = false;
    const int mode = text(settings, PlayTypeKey).toInt(&ok);
    if (ok && mode >= int(PlayMode::SelectedFile) && mode <= int(PlayMode::Random))
        preferences.setPlayMode(PlayMode(mode));
}

void readReportFormat(const QSettings &settings, Preferences &preferences)
{
    const QString word = text(settings, PrintTypeKey).toUpper();
    for (int format = 1; format < PrintTypeCount; ++format) {
        if (word == PrintTypeWords[format])
            preferences.setReportFormat(ReportFormat(format));
    }
}

void readMusicPlaces(const QSettings &settings, const DataRoots &roots, Preferences &preferences)
{
    QString musicDir = text(settings, MusicDirKey);
    if (!QFileInfo(musicDir).isDir())
        musicDir = roots.musicDir();
    QString musicFile = text(settings, MusicFileKey);
    if (!QFileInfo(musicFile).isFile()) {
        musicFile = roots.findMusic(DefaultMusicFile);
        musicDir = roots.musicDir();
    }
    preferences.setMusicDir(musicDir);
    preferences.setMusicFile(musicFile);
    preferences.setLastMusicFile(musicFile);
}

// Below this many pixels a window or picture side shows nothing useful.
constexpr int SmallestWindowSide = 100;
constexpr int SmallestPictureSide = 16;

// `value` when it is at least `smallest`, else `fallback`; either way no more
// than `largest`.
int fitted(int value, int smallest, int largest, int fallback)
{
    const int sound = value >= smallest ? value : fallback;
    return qMax(1, qMin(sound, largest));
}

void fitToScreen(const QSize &screen, Preferences &preferences)
{
    const Preferences defaults;
    const int screenWidth = screen.width() > 0 ? screen.width() : defaults.detailWidth();
    const int screenHeight = screen.height() > 0 ? screen.height() : defaults.detailHeight();
    preferences.setDetailWidth(
        fitted(preferences.detailWidth(), SmallestWindowSide, screenWidth, defaults.detailWidth()));
    preferences.setDetailHeight(fitted(preferences.detailHeight(), SmallestWindowSide, screenHeight,
                                       defaults.detailHeight()));
    preferences.setCardWidth(
        fitted(preferences.cardWidth(), SmallestPictureSide, screenWidth, defaults.cardWidth()));
    preferences.setCardHeight(
        fitted(preferences.cardHeight(), SmallestPictureSide, screenHeight, defaults.cardHeight()));
    // The meaning panel lies inside the detail window.
    preferences.setMeaningPanelWidth(fitted(preferences.meaningPanelWidth(), SmallestPictureSide,
                                            preferences.detailWidth(),
                                            defaults.meaningPanelWidth()));
    preferences.setMeaningPanelHeight(fitted(preferences.meaningPanelHeight(), SmallestPictureSide,
                                             preferences.detailHeight(),
                                             defaults.meaningPanelHeight()));
}

bool synced(QSettings &settings)
{
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace

void SettingsStore::read(QSettings &settings, const DataRoots &roots, const QSize &screen,
                         Preferences &preferences)
{
    QString deckName = text(settings, DeckNameKey);
    if (deckName.isEmpty())
        deckName = text(settings, OlderDeckNameKey);
    if (!deckName.isEmpty())
        preferences.setDeckName(deckName);
    const QString language = text(settings, LanguageKey);
    if (!language.isEmpty())
        preferences.setLanguage(language);
    readMusicPlaces(settings, roots, preferences);

    for (const FlagKey &flag : Flags)
        (preferences.*flag.set)(readFlag(settings, flag));
    preferences.setStrengthEleven(text(settings, StrengthKey) != QLatin1String("8"));
    readReportFormat(settings, preferences);
    preferences.setReportFolder(text(settings, ReportFolderKey));

    bool ok = false;
    const int backColor = text(settings, BackColorKey).toInt(&ok);
    if (ok)
        preferences.setBackColor(BgrColor(quint32(backColor)));
    readPlayMode(settings, preferences);
    readIntegers(settings, preferences);
    fitToScreen(screen, preferences);
    preferences.setJournalFolders(settings.value(QLatin1String(JournalFoldersKey)).toStringList());
}

QVariantMap SettingsStore::values(const Preferences &preferences)
{
    QVariantMap values;
    const auto put = [&values](const char *key, const QVariant &value) {
        values.insert(QLatin1String(key), value);
    };
    put(DeckNameKey, preferences.deckName());
    put(LanguageKey, preferences.language());
    put(MusicDirKey, preferences.musicDir());
    put(MusicFileKey, preferences.lastMusicFile());
    for (const FlagKey &flag : Flags)
        put(flag.key, flagWord(flag, (preferences.*flag.get)()));
    put(StrengthKey, preferences.strengthEleven() ? QStringLiteral("11") : QStringLiteral("8"));
    const int format = int(preferences.reportFormat());
    put(PrintTypeKey, PrintTypeWords[format > 0 && format < PrintTypeCount ? format : 0]);
    put(ReportFolderKey, preferences.reportFolder());
    put(BackColorKey, int(preferences.backColor().bgr()));
    put(PlayTypeKey, int(preferences.playMode()));
    put(JournalFoldersKey, preferences.journalFolders());
    for (const IntegerKey &entry : Integers)
        put(entry.key, (preferences.*entry.get)());
    return values;
}

QString SettingsStore::key(Preferences::Setting setting)
{
    for (const FlagKey &flag : Flags) {
        if (flag.setting == setting)
            return QLatin1String(flag.key);
    }
    for (const IntegerKey &entry : Integers) {
        if (entry.setting == setting)
            return QLatin1String(entry.key);
    }
    for (const auto &[other, key] : OtherKeys) {
        if (other == setting)
            return QLatin1String(key);
    }
    return QString();
}

bool SettingsStore::write(QSettings &settings, const Preferences &preferences)
{
    const QVariantMap all = values(preferences);
    for (auto it = all.cbegin(); it != all.cend(); ++it)
        settings.setValue(it.key(), it.value());
    return synced(settings);
}

bool SettingsStore::write(QSettings &settings, const Preferences &preferences,
                          Preferences::Setting setting)
{
    const QString name = key(setting);
    if (name.isEmpty())
        return true;
    settings.setValue(name, values(preferences).value(name));
    return synced(settings);
}
