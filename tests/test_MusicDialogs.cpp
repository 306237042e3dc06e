// Drives the music settings and spread music dialogs, on their own and from
// the table's menu with a fake player: what they show, what OK hands back or
// writes, and what starts playing afterwards.
#include "FakeMusicPlayer.h"
#include "TableFixture.h"
#include "core/app/Preferences.h"
#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "core/music/MusicController.h"
#include "core/spreads/Spread.h"
#include "core/util/WholeFile.h"
#include "ui/music/MusicSettingsDialog.h"
#include "ui/music/SpreadMusicDialog.h"
#include "ui/spreads/SpreadChooser.h"
#include "ui/table/TableWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

class TestMusicDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void settingsDialogShowsThePreferences();
    void settingsDialogHandsBackTheChoice();
    void confirmingUnchangedSettingsStartsNothing();
    void newFolderStartsItsMusic();
    void associationsAreEditedAndPlayWithTheirSpread();
    void failedWriteIsSaidAndKeepsTheDialogOpen();

private:
    QString music(const QString &name) const
    {
        return m_fixture.appDir() + QStringLiteral("/Music/") + name;
    }
    std::unique_ptr<Preferences> preferences() const;
    // Starts the table with a fake player and music switched on; the player
    // is owned by the table. Null when the table or its spreads fail.
    std::unique_ptr<TableWindow> startTable(FakeMusicPlayer *&player);
    void expectFolderChoice(const QString &folder);
    void expectFileChoice(const QString &path);

    TableFixture m_fixture;
    UiTextTable m_texts;
};

void TestMusicDialogs::init()
{
    QVERIFY(m_fixture.setUp());
    for (const char *name : {"Music/a.mid", "Music/B.mid", "Music/c.m3u", "Music/sub/d.mid"})
        QVERIFY(m_fixture.writeFile(QLatin1String(name), "MThd"));
}

void TestMusicDialogs::cleanup()
{
    QVERIFY2(m_fixture.interaction.problems().isEmpty(),
             qPrintable(m_fixture.interaction.problems().join(QLatin1Char('\n'))));
}

std::unique_ptr<Preferences> TestMusicDialogs::preferences() const
{
    auto preferences = std::make_unique<Preferences>();
    preferences->setMusicDir(m_fixture.appDir() + QStringLiteral("/Music"));
    preferences->setMusicFile(music(QStringLiteral("B.mid")));
    preferences->setLastMusicFile(music(QStringLiteral("B.mid")));
    preferences->setPlayMode(PlayMode::InOrder);
    preferences->setIgnoreSpreadMusic(true);
    preferences->setMusicVolume(55);
    return preferences;
}

std::unique_ptr<TableWindow> TestMusicDialogs::startTable(FakeMusicPlayer *&player)
{
    if (!m_fixture.copySpreads())
        return nullptr;
    QSettings &settings = m_fixture.storedSettings();
    settings.setValue(QStringLiteral("curmusdir"), m_fixture.appDir() + QStringLiteral("/Music"));
    settings.setValue(QStringLiteral("curmusfile"), music(QStringLiteral("B.mid")));
    settings.setValue(QStringLiteral("playtype"), int(PlayMode::Random));
    settings.sync();
    auto table = m_fixture.startTable();
    if (!table)
        return table;
    auto fake = std::make_unique<FakeMusicPlayer>();
    player = fake.get();
    table->setMusicPlayer(std::move(fake));
    table->findChild<QAction *>(QStringLiteral("playMusicAction"))->trigger();
    return table;
}

void TestMusicDialogs::expectFolderChoice(const QString &folder)
{
    m_fixture.interaction.expectDialog<QFileDialog>([folder](QFileDialog &dialog) {
        dialog.setDirectory(folder);
        return int(QDialog::Accepted);
    });
}

void TestMusicDialogs::expectFileChoice(const QString &path)
{
    m_fixture.interaction.expectDialog<QFileDialog>([path](QFileDialog &dialog) {
        dialog.selectFile(path);
        return int(QDialog::Accepted);
    });
}

void TestMusicDialogs::settingsDialogShowsThePreferences()
{
    const auto shown = preferences();
    MusicSettingsDialog dialog(*shown, m_fixture.appDir(), m_texts, m_fixture.interaction, [] {});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Music settings"));
    // Every file of the folder, none of its folders.
    QStringList names;
    for (int row = 0; row < dialog.fileList->count(); ++row)
        names << dialog.fileList->item(row)->text();
    QCOMPARE(names, QStringList({"a.mid", "B.mid", "c.m3u"}));
    QCOMPARE(dialog.fileList->currentItem()->text(), QStringLiteral("B.mid"));
    QVERIFY(dialog.inOrderRadio->isChecked());
    QVERIFY(dialog.ignoreCheck->isChecked());
    QCOMPARE(dialog.volumeSlider->value(), 55);
    QCOMPARE(dialog.volumeValue->text(), QStringLiteral("55 %"));
    QVERIFY(dialog.resetCheck->isHidden());
    QVERIFY(dialog.resetCheck->isEnabled());
    dialog.selectedFileRadio->setChecked(true);
    QVERIFY(!dialog.resetCheck->isEnabled());

    // A music folder that is gone gives way to the program's folder.
    const auto gone = preferences();
    gone->setMusicDir(m_fixture.appDir() + QStringLiteral("/gone"));
    MusicSettingsDialog fallback(*gone, m_fixture.appDir(), m_texts, m_fixture.interaction, [] {});
    QCOMPARE(fallback.folder(), m_fixture.appDir());
    QVERIFY(!fallback.fileList->currentItem());
}

void TestMusicDialogs::settingsDialogHandsBackTheChoice()
{
    MusicSettingsDialog dialog(*preferences(), m_fixture.appDir(), m_texts, m_fixture.interaction,
                               [] {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.randomRadio->setChecked(true);
    dialog.ignoreCheck->setChecked(false);
    dialog.volumeSlider->setValue(20);
    QTest::mouseClick(dialog.fileList->viewport(), Qt::LeftButton, {},
                      dialog.fileList->visualItemRect(dialog.fileList->item(0)).center());
    MusicSettingsChoice choice = dialog.choice();
    QCOMPARE(choice.playMode, PlayMode::Random);
    QVERIFY(!choice.ignoreSpreadMusic);
    QCOMPARE(choice.volume, 20);
    QCOMPARE(choice.folder, m_fixture.appDir() + QStringLiteral("/Music"));
    QCOMPARE(choice.selectedFile, music(QStringLiteral("a.mid")));

    // The folder chooser shows another folder, with no file selected.
    expectFolderChoice(music(QStringLiteral("sub")));
    QTest::mouseClick(dialog.chooseFolderButton, Qt::LeftButton);
    QCOMPARE(dialog.fileList->count(), 1);
    choice = dialog.choice();
    QCOMPARE(choice.folder, music(QStringLiteral("sub")));
    QVERIFY(choice.selectedFile.isEmpty());

    // Enter on a file confirms the dialog.
    dialog.fileList->setCurrentRow(0);
    QTest::keyClick(dialog.fileList, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestMusicDialogs::confirmingUnchangedSettingsStartsNothing()
{
    FakeMusicPlayer *player = nullptr;
    auto table = startTable(player);
    QVERIFY(table);
    QCOMPARE(player->plays, QStringList{music(QStringLiteral("a.mid"))});
    m_fixture.interaction.expectDialog<MusicSettingsDialog>([](MusicSettingsDialog &dialog) {
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        return dialog.result();
    });
    QTest::keyClick(table.get(), Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(player->plays.size(), 1);
    // The piece playing is named where the user sees it.
    QVERIFY(table->windowTitle().endsWith(QStringLiteral("Now playing: a")));
    QAction *playMusic = table->findChild<QAction *>(QStringLiteral("playMusicAction"));
    QCOMPARE(playMusic->statusTip(), QStringLiteral("Now playing: a"));
    QCOMPARE(playMusic->toolTip(), QStringLiteral("Now playing: a"));
    // "Next piece" moves on at once while a piece plays.
    QAction *nextPiece = table->findChild<QAction *>(QStringLiteral("nextPieceAction"));
    QVERIFY(nextPiece->isEnabled());
    nextPiece->trigger();
    QCOMPARE(player->plays,
             QStringList({music(QStringLiteral("a.mid")), music(QStringLiteral("B.mid"))}));
    // Switched off, the title no longer names a piece and there is no next one.
    table->findChild<QAction *>(QStringLiteral("playMusicAction"))->trigger();
    QCOMPARE(table->windowTitle(), QStringLiteral("Quillmoor"));
    QVERIFY(!table->preferences().playMusic());
    QVERIFY(!nextPiece->isEnabled());

    // Nothing can sound: said once, in the interface's language, and the tick stays.
    player->answer = [](const QString &) { return FakeMusicPlayer::Answer::FailDevice; };
    playMusic->trigger();
    table->music().nextPiece();
    QCOMPARE(m_fixture.interaction.messages,
             QStringList{table->programData().uiText(UiText::NoSoundOutput)});
    QVERIFY(playMusic->isChecked());
}

void TestMusicDialogs::newFolderStartsItsMusic()
{
    FakeMusicPlayer *player = nullptr;
    auto table = startTable(player);
    QVERIFY(table);
    // The music follows the slider while it moves.
    int heard = 0;
    m_fixture.interaction.expectDialog<MusicSettingsDialog>([&](MusicSettingsDialog &dialog) {
        expectFolderChoice(music(QStringLiteral("sub")));
        QTest::mouseClick(dialog.chooseFolderButton, Qt::LeftButton);
        dialog.volumeSlider->setValue(30);
        heard = player->volume;
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        return dialog.result();
    });
    QTest::keyClick(table.get(), Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(player->plays.last(), music(QStringLiteral("sub/d.mid")));
    QCOMPARE(heard, 30);
    QCOMPARE(player->volume, 30);
    QCOMPARE(table->preferences().musicDir(), music(QStringLiteral("sub")));
    // Cancel changes nothing: the music goes back to the loudness kept.
    m_fixture.interaction.expectDialog<MusicSettingsDialog>([&](MusicSettingsDialog &dialog) {
        dialog.volumeSlider->setValue(90);
        heard = player->volume;
        QTest::mouseClick(dialog.cancelButton, Qt::LeftButton);
        return dialog.result();
    });
    QTest::keyClick(table.get(), Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(heard, 90);
    QCOMPARE(table->preferences().musicVolume(), 30);
    QCOMPARE(player->volume, 30);
}

void TestMusicDialogs::associationsAreEditedAndPlayWithTheirSpread()
{
    QVERIFY(m_fixture.writeFile(QStringLiteral("Associat.txt"),
                                "Celtic Cross \"a.mid\"\r\nGone Spread "
                                "\"B.mid\"\r\nThree Cards \"gone.mid\"\r\n"));
    FakeMusicPlayer *player = nullptr;
    auto table = startTable(player);
    QVERIFY(table);
    const QStringList spreads = table->programData().spreadNames();
    const int celtic = int(spreads.indexOf(QStringLiteral("Celtic Cross")));
    const int simple = int(spreads.indexOf(QStringLiteral("Simple Cross")));
    const int three = int(spreads.indexOf(QStringLiteral("Three Cards")));
    QVERIFY(celtic >= 0 && simple >= 0 && three >= 0);

    m_fixture.interaction.expectDialog<MusicSettingsDialog>([&](MusicSettingsDialog &settings) {
        m_fixture.interaction.expectDialog<SpreadMusicDialog>([&](SpreadMusicDialog &dialog) {
            [&] {
                QCOMPARE(dialog.rowCount(), spreads.size());
                QCOMPARE(dialog.spreadLabel(simple)->text(), QStringLiteral("Simple Cross"));
                QCOMPARE(dialog.fileLabel(celtic)->text(), QStringLiteral("a.mid"));
                QVERIFY(dialog.fileLabel(simple)->text().isEmpty());
                // A file that is gone is marked so, and the dialog says what clicks do.
                QCOMPARE(dialog.fileLabel(three)->text(), QStringLiteral("gone.mid (missing)"));
                QCOMPARE(dialog.hintLabel->text(),
                         table->programData().uiText(UiText::SpreadMusicHint));
                QTest::mouseClick(dialog.fileLabel(three), Qt::LeftButton);
                QVERIFY(dialog.fileLabel(three)->text().isEmpty());
                // A click on the spread chooses a file; one in a sub-folder of
                // the music folder is kept relative to it.
                expectFileChoice(music(QStringLiteral("sub/d.mid")));
                QTest::mouseClick(dialog.spreadLabel(simple), Qt::LeftButton);
                QCOMPARE(dialog.fileLabel(simple)->text(), QStringLiteral("sub/d.mid"));
                // Enter on a file, reached by keys, takes it away as a click does.
                QCOMPARE(dialog.fileLabel(celtic)->focusPolicy(), Qt::StrongFocus);
                QTest::keyClick(dialog.fileLabel(celtic), Qt::Key_Return);
                QVERIFY(dialog.fileLabel(celtic)->text().isEmpty());
            }();
            QTest::mouseClick(dialog.okButton, Qt::LeftButton);
            return dialog.result();
        });
        QTest::mouseClick(settings.associateButton, Qt::LeftButton);
        // The associations are written whatever this dialog's outcome.
        QTest::mouseClick(settings.cancelButton, Qt::LeftButton);
        return settings.result();
    });
    QTest::keyClick(table.get(), Qt::Key_M, Qt::ControlModifier);
    // A check inside the dialog stops only the dialog's answer.
    if (QTest::currentTestFailed())
        return;
    QByteArray written;
    QVERIFY(WholeFile::read(m_fixture.appDir() + QStringLiteral("/Associat.txt"), written));
    // Only listed spreads are written, each with its music.
    QCOMPARE(written, QByteArray("Simple Cross \"sub/d.mid\"\r\n"));

    // Laying the spread plays its music.
    m_fixture.interaction.expectDialog<SpreadChooser>([](SpreadChooser &chooser) {
        chooser.spreadList->setCurrentItem(
            chooser.spreadList->findItems(QStringLiteral("Simple Cross"), Qt::MatchExactly)[0]);
        QTest::mouseClick(chooser.okButton, Qt::LeftButton);
        return chooser.result();
    });
    table->findChild<QAction *>(QStringLiteral("startAction"))->trigger();
    QCOMPARE(table->session().spreadName(), QStringLiteral("Simple Cross"));
    QCOMPARE(player->plays.last(), music(QStringLiteral("sub/d.mid")));
    QVERIFY(table->windowTitle().endsWith(QStringLiteral("Now playing: d")));

    // So does a spread file given to the program to open.
    const DataRoots &roots = table->programData().roots();
    table->openFile(Spread::filePath(roots, QStringLiteral("Three Cards")));
    QVERIFY(player->plays.last() != music(QStringLiteral("sub/d.mid")));
    table->openFile(Spread::filePath(roots, QStringLiteral("Simple Cross")));
    QCOMPARE(player->plays.last(), music(QStringLiteral("sub/d.mid")));
}

void TestMusicDialogs::failedWriteIsSaidAndKeepsTheDialogOpen()
{
    // The file's place is taken by a folder, so it cannot be written.
    const QString blocked = m_fixture.appDir() + QStringLiteral("/Associat.txt");
    QVERIFY(QDir().mkpath(blocked));
    SpreadMusicDialog dialog({QStringLiteral("Cross")},
                             {blocked, blocked, m_fixture.appDir() + QStringLiteral("/Music"),
                              QStringLiteral("English")},
                             m_texts, m_fixture.interaction);
    dialog.setMusicFile(0, music(QStringLiteral("a.mid")));
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QTest::mouseClick(dialog.okButton, Qt::LeftButton);
    QVERIFY(accepted.isEmpty());
    QCOMPARE(m_fixture.interaction.messages.size(), 1);
    QVERIFY(m_fixture.interaction.messages.first().startsWith(
        m_texts.string(UiText::SpreadMusicNotSaved)));
    // What was chosen is still there to try again.
    QCOMPARE(dialog.musicName(0), QStringLiteral("a.mid"));
}

QTEST_MAIN(TestMusicDialogs)
#include "test_MusicDialogs.moc"
