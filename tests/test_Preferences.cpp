// Checks that a preference says when it changes, and that the saver writes
// just the key of the preference that changed.
#include "core/app/PreferenceSaver.h"
#include "core/app/Preferences.h"

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void settersSayOnlyRealChanges();
    void saverWritesTheChangedKeyAlone();
    void saverReportsAFailedWriteOnce();
};

void TestPreferences::settersSayOnlyRealChanges()
{
    using Setting = Preferences::Setting;
    Preferences preferences;
    QSignalSpy changed(&preferences, &Preferences::changed);
    // Each value set to what it holds already, then to something new twice.
    preferences.setMajorOnly(false);
    preferences.setLanguage(QStringLiteral("English"));
    preferences.setPlayMode(PlayMode::Random);
    QVERIFY(changed.isEmpty());
    for (int twice = 0; twice < 2; ++twice) {
        preferences.setMajorOnly(true);
        preferences.setLanguage(QStringLiteral("Deutsch"));
        preferences.setPlayMode(PlayMode::InOrder);
    }
    QCOMPARE(changed.size(), 3);
    const QList<Setting> said = {changed[0][0].value<Setting>(), changed[1][0].value<Setting>(),
                                 changed[2][0].value<Setting>()};
    QCOMPARE(said, QList<Setting>({Setting::MajorOnly, Setting::Language, Setting::PlayMode}));
    QVERIFY(preferences.majorOnly());
    QCOMPARE(preferences.playMode(), PlayMode::InOrder);
}

void TestPreferences::saverWritesTheChangedKeyAlone()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Doded.conf"));
    // Two running copies share the file; neither undoes the other's change.
    QSettings firstFile(path, QSettings::IniFormat);
    QSettings secondFile(path, QSettings::IniFormat);
    Preferences first;
    Preferences second;
    PreferenceSaver firstSaver(firstFile, first);
    PreferenceSaver secondSaver(secondFile, second);
    first.setCutDeck(false);
    second.setUseReverse(true);
    // Kept only while the program runs: nothing to write.
    second.setReportComments(QStringLiteral("not stored"));

    const QSettings stored(path, QSettings::IniFormat);
    QCOMPARE(stored.allKeys(), QStringList({"UseReverse", "cutdeck"}));
    QCOMPARE(stored.value(QStringLiteral("cutdeck")).toString(), QStringLiteral("no"));
    QCOMPARE(stored.value(QStringLiteral("UseReverse")).toString(), QStringLiteral("yes"));
}

void TestPreferences::saverReportsAFailedWriteOnce()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // The file's place is taken by a folder, so it cannot be written.
    const QString path = dir.filePath(QStringLiteral("Doded.conf"));
    QVERIFY(QDir().mkpath(path));
    QSettings file(path, QSettings::IniFormat);
    Preferences preferences;
    PreferenceSaver saver(file, preferences);
    QSignalSpy failed(&saver, &PreferenceSaver::writeFailed);
    preferences.setCutDeck(false);
    preferences.setMajorOnly(true);
    QVERIFY(!saver.saveAll());
    QCOMPARE(failed.size(), 1);
}

QTEST_GUILESS_MAIN(TestPreferences)
#include "test_Preferences.moc"
