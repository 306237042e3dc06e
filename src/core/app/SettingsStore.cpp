#include "core/app/SettingsStore.h"

#include "core/app/TableState.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <initializer_list>
#include <utility>

namespace {

const QString DefaultMusicFile = QStringLiteral("Stormsinafrica.mid");

QString text(const QSettings &settings, const char *key)
{
    return settings.value(QLatin1String(key)).toString();
}

// A flag that is on unless the stored word is "no" (in any letter case).
bool onUnlessNo(const QSettings &settings, const char *key)
{
    return text(settings, key).toUpper() != QLatin1String("NO");
}

// A flag that is off unless the stored word is "yes" (in any letter case).
bool offUnlessYes(const QSettings &settings, const char *key)
{
    return text(settings, key).toUpper() == QLatin1String("YES");
}

QString lowerWord(bool flag)
{
    return flag ? QStringLiteral("yes") : QStringLiteral("no");
}

QString upperWord(bool flag)
{
    return flag ? QStringLiteral("YES") : QStringLiteral("NO");
}

// Integers are read in groups: the first missing or non-integer value of a
// group leaves it and every later value of the group at their defaults.
void readIntegerGroup(const QSettings &settings,
                      std::initializer_list<std::pair<const char *, int *>> group)
{
    for (const auto &[key, field] : group) {
        if (!settings.contains(QLatin1String(key)))
            return;
        bool ok = false;
        const int value = text(settings, key).toInt(&ok);
        if (!ok)
            return;
        *field = value;
    }
}

QString defaultMusicDir(const QString &appDir)
{
    const QString music = appDir + QStringLiteral("/Music");
    return QFileInfo(music).isDir() ? music : appDir;
}

int printTypeFrom(const QString &stored)
{
    const QString upper = stored.toUpper();
    if (upper == QLatin1String("HTML"))
        return 1;
    if (upper == QLatin1String("OO"))
        return 2;
    return 0;
}

QString printTypeWord(int printType)
{
    switch (printType) {
    case 1:
        return QStringLiteral("HTML");
    case 2:
        return QStringLiteral("OO");
    default:
        return QStringLiteral("RTF");
    }
}

} // namespace

void SettingsStore::read(QSettings &settings, TableState &state)
{
    state.DeckName = text(settings, "DeckName");
    if (state.DeckName.isEmpty())
        state.DeckName = text(settings, "DeskName"); // the name older versions stored
    if (state.DeckName.isEmpty())
        state.DeckName = QStringLiteral("Ardenvale");

    state.Language = text(settings, "language");
    if (state.Language.isEmpty())
        state.Language = QStringLiteral("English");

    state.MusicDir = text(settings, "curmusdir");
    if (!QFileInfo(state.MusicDir).isDir())
        state.MusicDir = defaultMusicDir(state.AppDir);
    state.MusicFile = text(settings, "curmusfile");
    if (!QFileInfo(state.MusicFile).isFile()) {
        state.MusicFile = state.AppDir + QStringLiteral("/Music/") + DefaultMusicFile;
        state.MusicDir = defaultMusicDir(state.AppDir);
    }
    state.LastMusicFile = state.MusicFile;

    state.ArdenvaleStyle = onUnlessNo(settings, "ArdenvaleStyle");
    state.KeepActual = onUnlessNo(settings, "keepactual");
    state.CutDeck = onUnlessNo(settings, "cutdeck");
    state.CutThreePiles = offUnlessYes(settings, "cut3piles");
    state.KeepStraight = offUnlessYes(settings, "keepstraight");
    state.MajorOnly = offUnlessYes(settings, "MajorOnly");
    state.ResetMusic = onUnlessNo(settings, "resetmusic");
    state.IgnoreSpreadMusic = offUnlessYes(settings, "ignspas");
    state.PlayMusic = offUnlessYes(settings, "PlayMusic");
    state.UseTips = onUnlessNo(settings, "UseTips");
    state.StrengthEleven = text(settings, "Strength11") != QLatin1String("8");
    state.PrintType = printTypeFrom(text(settings, "printtype"));
    state.DrawAuto = offUnlessYes(settings, "drawauto");
    state.PrintView = onUnlessNo(settings, "printview");
    state.PrintSchema = offUnlessYes(settings, "printschema");
    state.PrintBigCards = offUnlessYes(settings, "printbigcards");
    state.PrintExpl = onUnlessNo(settings, "printexpl");
    state.UseReverse = offUnlessYes(settings, "UseReverse");

    int backColor = int(state.BackColor);
    readIntegerGroup(settings, {{"backcolor", &backColor}});
    state.BackColor = TColor(backColor);
    readIntegerGroup(settings, {{"playtype", &state.PlayType}});
    readIntegerGroup(settings, {{"cdwidth", &state.CardWidth},
                                {"cdheight", &state.CardHeight},
                                {"fmwidth", &state.DetailWidth},
                                {"fmheight", &state.DetailHeight}});
    readIntegerGroup(settings,
                     {{"memowidth", &state.MemoWidth}, {"memoheight", &state.MemoHeight}});
    readIntegerGroup(settings, {{"curquer", &state.QuerentCard}});
}

void SettingsStore::write(QSettings &settings, const TableState &state)
{
    settings.setValue(QStringLiteral("DeckName"), state.DeckName);
    settings.setValue(QStringLiteral("language"), state.Language);
    settings.setValue(QStringLiteral("curmusdir"), state.MusicDir);
    settings.setValue(QStringLiteral("curmusfile"), state.LastMusicFile);
    settings.setValue(QStringLiteral("ArdenvaleStyle"), lowerWord(state.ArdenvaleStyle));
    settings.setValue(QStringLiteral("keepactual"), lowerWord(state.KeepActual));
    settings.setValue(QStringLiteral("cutdeck"), lowerWord(state.CutDeck));
    settings.setValue(QStringLiteral("cut3piles"), lowerWord(state.CutThreePiles));
    settings.setValue(QStringLiteral("keepstraight"), lowerWord(state.KeepStraight));
    settings.setValue(QStringLiteral("MajorOnly"), upperWord(state.MajorOnly));
    settings.setValue(QStringLiteral("resetmusic"), lowerWord(state.ResetMusic));
    settings.setValue(QStringLiteral("ignspas"), lowerWord(state.IgnoreSpreadMusic));
    settings.setValue(QStringLiteral("PlayMusic"), upperWord(state.PlayMusic));
    settings.setValue(QStringLiteral("UseTips"), lowerWord(state.UseTips));
    settings.setValue(QStringLiteral("Strength11"),
                      state.StrengthEleven ? QStringLiteral("11") : QStringLiteral("8"));
    settings.setValue(QStringLiteral("printtype"), printTypeWord(state.PrintType));
    settings.setValue(QStringLiteral("drawauto"), upperWord(state.DrawAuto));
    settings.setValue(QStringLiteral("printview"), lowerWord(state.PrintView));
    settings.setValue(QStringLiteral("printschema"), lowerWord(state.PrintSchema));
    settings.setValue(QStringLiteral("printbigcards"), lowerWord(state.PrintBigCards));
    settings.setValue(QStringLiteral("printexpl"), lowerWord(state.PrintExpl));
    settings.setValue(QStringLiteral("UseReverse"), lowerWord(state.UseReverse));
    settings.setValue(QStringLiteral("backcolor"), int(state.BackColor));
    settings.setValue(QStringLiteral("playtype"), state.PlayType);
    settings.setValue(QStringLiteral("cdwidth"), state.CardWidth);
    settings.setValue(QStringLiteral("cdheight"), state.CardHeight);
    settings.setValue(QStringLiteral("fmwidth"), state.DetailWidth);
    settings.setValue(QStringLiteral("fmheight"), state.DetailHeight);
    settings.setValue(QStringLiteral("memowidth"), state.MemoWidth);
    settings.setValue(QStringLiteral("memoheight"), state.MemoHeight);
    settings.setValue(QStringLiteral("curquer"), state.QuerentCard);
    settings.sync();
}
