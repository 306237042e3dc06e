#include "core/app/SettingsStore.h"

#include "core/app/Preferences.h"

#include <QFileInfo>
#include <QSettings>
#include <QSize>

#include <iterator>

namespace {

const QString DefaultMusicFile = QStringLiteral("Stormsinafrica.mid");

// A yes/no flag. It keeps its default unless the stored word, in any letter
// case, is the other one; older versions wrote some flags in capitals.
struct FlagKey
{
    const char *key;
    bool Preferences::*field;
    bool defaultOn;
    bool writtenInCapitals;
};

constexpr FlagKey Flags[] = {
    {"ArdenvaleStyle", &Preferences::ardenvaleStyle, true, false},
    {"keepactual", &Preferences::keepActual, true, false},
    {"cutdeck", &Preferences::cutDeck, true, false},
    {"cut3piles", &Preferences::cutThreePiles, false, false},
    {"keepstraight", &Preferences::keepStraight, false, false},
    {"MajorOnly", &Preferences::majorOnly, false, true},
    {"resetmusic", &Preferences::resetMusic, true, false},
    {"ignspas", &Preferences::ignoreSpreadMusic, false, false},
    {"PlayMusic", &Preferences::playMusic, false, true},
    {"UseTips", &Preferences::useTips, true, false},
    {"drawauto", &Preferences::drawAuto, false, true},
    {"printview", &Preferences::printView, true, false},
    {"printschema", &Preferences::printSchema, false, false},
    {"printbigcards", &Preferences::printBigCards, false, false},
    {"printexpl", &Preferences::printExpl, true, false},
    {"UseReverse", &Preferences::useReverse, false, false},
};

// An integer. Integers are read in groups: the first missing or non-integer
// value of a group leaves it and every later value of the group at their
// defaults.
struct IntegerKey
{
    const char *key;
    int Preferences::*field;
    int group;
};

constexpr IntegerKey Integers[] = {
    {"playtype", &Preferences::playType, 1},       {"cdwidth", &Preferences::cardWidth, 2},
    {"cdheight", &Preferences::cardHeight, 2},     {"fmwidth", &Preferences::detailWidth, 2},
    {"fmheight", &Preferences::detailHeight, 2},   {"memowidth", &Preferences::memoWidth, 3},
    {"memoheight", &Preferences::memoHeight, 3},   {"curquer", &Preferences::querentCard, 4},
    {"musicvolume", &Preferences::musicVolume, 5},
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

// The print types as stored, by their number.
// Readers that know no "PDF" take it for the Word document, their default.
const QString PrintTypeWords[] = {QStringLiteral("RTF"), QStringLiteral("HTML"),
                                  QStringLiteral("OO"), QStringLiteral("PDF"),
                                  QStringLiteral("PRINTER")};
constexpr int PrintTypeCount = int(std::size(PrintTypeWords));

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
        preferences.*entry.field = value;
    }
}

void readMusicPlaces(const QSettings &settings, const DataRoots &roots, Preferences &preferences)
{
    preferences.musicDir = text(settings, MusicDirKey);
    if (!QFileInfo(preferences.musicDir).isDir())
        preferences.musicDir = roots.musicDir();
    preferences.musicFile = text(settings, MusicFileKey);
    if (!QFileInfo(preferences.musicFile).isFile()) {
        preferences.musicFile = roots.findMusic(DefaultMusicFile);
        preferences.musicDir = roots.musicDir();
    }
    preferences.lastMusicFile = preferences.musicFile;
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
    const int screenWidth = screen.width() > 0 ? screen.width() : defaults.detailWidth;
    const int screenHeight = screen.height() > 0 ? screen.height() : defaults.detailHeight;
    preferences.detailWidth =
        fitted(preferences.detailWidth, SmallestWindowSide, screenWidth, defaults.detailWidth);
    preferences.detailHeight =
        fitted(preferences.detailHeight, SmallestWindowSide, screenHeight, defaults.detailHeight);
    preferences.cardWidth =
        fitted(preferences.cardWidth, SmallestPictureSide, screenWidth, defaults.cardWidth);
    preferences.cardHeight =
        fitted(preferences.cardHeight, SmallestPictureSide, screenHeight, defaults.cardHeight);
    // The text field lies inside the detail window.
    preferences.memoWidth = fitted(preferences.memoWidth, SmallestPictureSide,
                                   preferences.detailWidth, defaults.memoWidth);
    preferences.memoHeight = fitted(preferences.memoHeight, SmallestPictureSide,
                                    preferences.detailHeight, defaults.memoHeight);
}

void checkRanges(Preferences &preferences)
{
    const Preferences defaults;
    if (preferences.playType < 0 || preferences.playType > 2)
        preferences.playType = defaults.playType;
    if (preferences.querentCard < -1 || preferences.querentCard > 78)
        preferences.querentCard = defaults.querentCard;
    if (preferences.musicVolume < 0 || preferences.musicVolume > 100)
        preferences.musicVolume = defaults.musicVolume;
}

} // namespace

void SettingsStore::read(QSettings &settings, const DataRoots &roots, const QSize &screen,
                         Preferences &preferences)
{
    preferences.deckName = text(settings, DeckNameKey);
    if (preferences.deckName.isEmpty())
        preferences.deckName = text(settings, OlderDeckNameKey);
    if (preferences.deckName.isEmpty())
        preferences.deckName = Preferences().deckName;
    preferences.language = text(settings, LanguageKey);
    if (preferences.language.isEmpty())
        preferences.language = Preferences().language;
    readMusicPlaces(settings, roots, preferences);

    for (const FlagKey &flag : Flags)
        preferences.*flag.field = readFlag(settings, flag);
    preferences.strengthEleven = text(settings, StrengthKey) != QLatin1String("8");
    const QString printType = text(settings, PrintTypeKey).toUpper();
    preferences.printType = 0;
    for (int type = 1; type < PrintTypeCount; ++type) {
        if (printType == PrintTypeWords[type])
            preferences.printType = type;
    }

    bool ok = false;
    const int backColor = text(settings, BackColorKey).toInt(&ok);
    if (ok)
        preferences.backColor = BgrColor(quint32(backColor));
    readIntegers(settings, preferences);
    fitToScreen(screen, preferences);
    checkRanges(preferences);
}

QVariantMap SettingsStore::values(const Preferences &preferences)
{
    QVariantMap values;
    const auto put = [&values](const char *key, const QVariant &value) {
        values.insert(QLatin1String(key), value);
    };
    put(DeckNameKey, preferences.deckName);
    put(LanguageKey, preferences.language);
    put(MusicDirKey, preferences.musicDir);
    put(MusicFileKey, preferences.lastMusicFile);
    for (const FlagKey &flag : Flags)
        put(flag.key, flagWord(flag, preferences.*flag.field));
    put(StrengthKey, preferences.strengthEleven ? QStringLiteral("11") : QStringLiteral("8"));
    const bool knownType = preferences.printType > 0 && preferences.printType < PrintTypeCount;
    put(PrintTypeKey, PrintTypeWords[knownType ? preferences.printType : 0]);
    put(BackColorKey, int(preferences.backColor.bgr()));
    for (const IntegerKey &entry : Integers)
        put(entry.key, preferences.*entry.field);
    return values;
}

bool SettingsStore::write(QSettings &settings, const Preferences &preferences)
{
    const QVariantMap all = values(preferences);
    for (auto it = all.cbegin(); it != all.cend(); ++it)
        settings.setValue(it.key(), it.value());
    settings.sync();
    return settings.status() == QSettings::NoError;
}
