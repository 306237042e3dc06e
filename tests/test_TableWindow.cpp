// Starts and closes the real table window offscreen: layout, menu captions
// and checks from the language and the settings, the option commands, the
// language and about dialogs, and what shutdown writes and clears.
#include "TableFixture.h"
#include "TableSteps.h"
#include "core/app/TableColor.h"
#include "core/lang/UiText.h"
#include "ui/about/AboutBox.h"
#include "ui/lang/LanguageDialog.h"
#include "ui/readings/CommentsWindow.h"
#include "ui/table/CardImage.h"
#include "ui/table/DeckView.h"
#include "ui/table/SpreadView.h"
#include "ui/table/TableMenu.h"
#include "ui/table/TableWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

namespace {

// The table's part called `name`; the test fails when it is missing.
template <typename T> T *part(TableWindow &table, const char *name)
{
    T *found = table.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("The table has no %s", name);
    return found;
}

QAction *action(TableWindow &table, const char *name)
{
    return part<QAction>(table, name);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool hasLatinLetter(const QString &text)
{
    for (const QChar c : text) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
            (c >= QLatin1Char('A') && c <= QLatin1Char('Z')))
            return true;
    }
    return false;
}

bool hasCyrillicLetter(const QString &text)
{
    for (const QChar c : text) {
        if (c.script() == QChar::Script_Cyrillic)
            return true;
    }
    return false;
}

// The texts of `widget` and of its buttons and menu commands that still
// hold a Latin letter, each with what it belongs to.
QStringList latinCaptions(QWidget &widget)
{
    QStringList found;
    const auto check = [&found](const QString &owner, const QString &text) {
        if (hasLatinLetter(text) || !hasCyrillicLetter(text))
            found << owner + QStringLiteral(": ") + text;
    };
    if (!widget.windowTitle().isEmpty() && widget.windowTitle() != QLatin1String("Quillmoor"))
        check(widget.objectName(), widget.windowTitle());
    for (const QAbstractButton *button : widget.findChildren<QAbstractButton *>()) {
        if (!button->text().isEmpty())
            check(button->objectName(), button->text());
    }
    for (const QAction *action : widget.findChildren<QAction *>()) {
        if (!action->isSeparator() && !action->text().isEmpty())
            check(action->objectName(), action->text());
    }
    return found;
}

} // namespace

class TestTableWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstStartShowsTheTable();
    void menuCarriesCaptionsShortcutsAndChecks();
    void storedSettingsSetChecksAndNotice();
    void closingWritesSettingsAndEmptiesTemp();
    void optionCommandsToggle();
    void autoDrawMessageOnlyBeforeDrawing();
    void languageDialogSwitchesCaptions();
    void russianReplacesEveryCaptionAndStays();
    void languageDialogCancelChangesNothing();
    void incompleteLanguageAndMissingDeckAreSaidOnce();
    void deckWithExtraCardUsesFixedTitles();
    void aboutBoxClosesOnClickOrEscape();
    void everyCommandHasItsHandler();
    void optionChangesAreStoredAtOnce();
    void unwritableSettingsAreReportedOnce();
    void undecodableSpreadFilesAreReportedOnce();

private:
    std::unique_ptr<TableWindow> startTable() { return m_fixture.startTable(); }
    [[nodiscard]] bool writeFile(const QString &relativePath, const QByteArray &bytes)
    {
        return m_fixture.writeFile(relativePath, bytes);
    }
    QSettings &storedSettings() { return m_fixture.storedSettings(); }
    QString appDir() const { return m_fixture.appDir(); }

    TableFixture m_fixture;
    ScriptedInteraction &m_interaction = m_fixture.interaction;
};

void TestTableWindow::init()
{
    QVERIFY(m_fixture.setUp());
}

void TestTableWindow::cleanup()
{
    QVERIFY2(m_interaction.problems().isEmpty(),
             qPrintable(m_interaction.problems().join(QLatin1Char('\n'))));
}

void TestTableWindow::firstStartShowsTheTable()
{
    auto table = startTable();
    QVERIFY(table);
    QCOMPARE(table->windowTitle(), QStringLiteral("Quillmoor"));
    for (const char *folder : {"Music", "Saved", "Temp"})
        QVERIFY2(QFileInfo(appDir() + QLatin1Char('/') + QLatin1String(folder)).isDir(), folder);
    QCOMPARE(table->programData().readingsDir(), appDir() + QStringLiteral("/Saved/"));
    QVERIFY(!table->programData().deck79());
    QCOMPARE(table->programData().cardTitles()[0], QByteArray("0. The Fool"));
    QCOMPARE(table->programData().cardTitles()[8], QByteArray("VIII. Justice"));
    // By default the court cards run in the New Age sequence.
    QCOMPARE(table->programData().cardTitles()[32], QByteArray("Princess of Wands"));

    // The spread area and the left panel wait hidden for the first spread.
    const QRect client = part<DeckView>(*table, "deckView")->rect();
    QCOMPARE(part<SpreadView>(*table, "spreadView")->geometry(),
             QRect(150, 200, client.width() - 150, client.height() - 200));
    QCOMPARE(part<QLabel>(*table, "promptLabel")->geometry(),
             QRect(10, 270, 118, client.height() - 270));
    for (QWidget *hidden : std::initializer_list<QWidget *>{
             part<SpreadView>(*table, "spreadView"), part<QFrame>(*table, "horizontalRule"),
             part<QFrame>(*table, "verticalRule"), part<QLabel>(*table, "spreadNameLabel"),
             part<QPushButton>(*table, "shuffleButton"), part<QPushButton>(*table, "stopButton"),
             part<QPushButton>(*table, "cutButton"), part<CardImage>(*table, "extraCardImage")})
        QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
    // The left panel already says how to begin.
    QVERIFY(part<QLabel>(*table, "promptLabel")->isVisible());
    QCOMPARE(part<QLabel>(*table, "promptLabel")->text(),
             table->programData().uiText(UiText::PromptStartReading));
    QVERIFY(part<QLabel>(*table, "optionNotice")->isVisible());
    QCOMPARE(part<QLabel>(*table, "optionNotice")->text(), QString());
    QCOMPARE(part<QLabel>(*table, "optionNotice")->geometry(),
             QRect(table->width() - 240, 10, 220, 24));
    QCOMPARE(part<QPushButton>(*table, "shuffleButton")->pos(),
             QPoint(table->width() / 2 - 91, table->height() - 120));
    // The window for an opened reading's comments is made when a reading brings some.
    QVERIFY(!table->findChild<CommentsWindow *>(QStringLiteral("openedCommentsWindow")));

    // The canvas shows the table's dark green.
    const QImage canvas = part<DeckView>(*table, "deckView")->grab().toImage();
    QCOMPARE(canvas.pixelColor(5, 5), QColor(0x11, 0x55, 0x11));
    // Starting stores nothing: a write, with its lock file and syncs, would
    // come before the first paint.
    QCoreApplication::processEvents();
    QCOMPARE(storedSettings().allKeys(), QStringList());
    QVERIFY(!QFileInfo::exists(m_fixture.settingsFile()));
}

void TestTableWindow::menuCarriesCaptionsShortcutsAndChecks()
{
    auto table = startTable();
    QVERIFY(table);
    // Every entry of the menu table stands in the menu with its shortcut and,
    // the English texts being loaded, its default caption.
    const auto *menu = table->findChild<TableMenu *>();
    QVERIFY(menu && !TableMenu::entries().isEmpty());
    for (const TableMenu::Entry &entry : TableMenu::entries()) {
        if (entry.kind == TableMenu::Entry::Kind::Separator)
            continue;
        const QAction *item = menu->action(entry.name);
        if (entry.kind == TableMenu::Entry::Kind::Menu) {
            const auto *submenu = part<QMenu>(*table, entry.name);
            item = submenu ? submenu->menuAction() : nullptr;
        }
        QVERIFY2(item, entry.name);
        QCOMPARE(item->text(), QString::fromUtf8(entry.caption));
        QCOMPARE(item->shortcut(), entry.shortcut);
    }
    QCOMPARE(part<QPushButton>(*table, "shuffleButton")->text(), QStringLiteral("Shuffle"));
    QCOMPARE(part<QPushButton>(*table, "cutButton")->text(), QStringLiteral("Cut deck"));

    // Checks of a first start: cut deck and tips on, the rest off.
    QVERIFY(action(*table, "cutDeckAction")->isChecked());
    QVERIFY(action(*table, "threePilesAction")->isEnabled());
    QVERIFY(!action(*table, "threePilesAction")->isChecked());
    QVERIFY(action(*table, "spreadTipsAction")->isChecked());
    QVERIFY(!action(*table, "majorArcanaOnlyAction")->isChecked());
    QVERIFY(!action(*table, "reversedPositionsAction")->isChecked());
    QVERIFY(!action(*table, "automaticDrawAction")->isChecked());
    QVERIFY(!action(*table, "playMusicAction")->isChecked());
}

void TestTableWindow::storedSettingsSetChecksAndNotice()
{
    {
        QSettings &settings = storedSettings();
        settings.setValue(QStringLiteral("cutdeck"), QStringLiteral("No"));
        settings.setValue(QStringLiteral("cut3piles"), QStringLiteral("yes"));
        settings.setValue(QStringLiteral("MajorOnly"), QStringLiteral("YES"));
        settings.setValue(QStringLiteral("PlayMusic"), QStringLiteral("yes"));
        settings.setValue(QStringLiteral("Strength11"), QStringLiteral("8"));
        settings.setValue(QStringLiteral("ArdenvaleStyle"), QStringLiteral("no"));
        settings.setValue(QStringLiteral("backcolor"), 0x804040); // blue above green and red
        settings.sync();
    }
    const QByteArray stored = fileBytes(m_fixture.settingsFile());
    auto table = startTable();
    QVERIFY(table);
    // Read as they are, not written back on the way to the first paint.
    QCoreApplication::processEvents();
    QCOMPARE(fileBytes(m_fixture.settingsFile()), stored);
    QVERIFY(!action(*table, "cutDeckAction")->isChecked());
    QVERIFY(!action(*table, "threePilesAction")->isEnabled());
    QVERIFY(action(*table, "threePilesAction")->isChecked());
    QVERIFY(action(*table, "majorArcanaOnlyAction")->isChecked());
    QVERIFY(action(*table, "playMusicAction")->isChecked());
    QCOMPARE(part<QLabel>(*table, "optionNotice")->text(), QStringLiteral("Major Arcana only"));
    // Grey, the bluish table's notice colour, would not stand out from this one.
    const QColor notice =
        part<QLabel>(*table, "optionNotice")->palette().color(QPalette::WindowText);
    QVERIFY(notice != QColor(0x77, 0x77, 0x77));
    QVERIFY(TableColor::contrastRatio(BgrColor::fromQColor(notice), BgrColor(0x804040)) >= 4.5);
    QCOMPARE(table->programData().cardTitles()[8], QByteArray("VIII. Strength"));
    QCOMPARE(table->programData().cardTitles()[32], QByteArray("Page of Wands"));
    QCOMPARE(part<DeckView>(*table, "deckView")->grab().toImage().pixelColor(5, 5),
             QColor(0x40, 0x40, 0x80));
}

void TestTableWindow::closingWritesSettingsAndEmptiesTemp()
{
    auto table = startTable();
    QVERIFY(table);
    QVERIFY(writeFile(QStringLiteral("Temp/report1.htm"), "<html/>"));
    QVERIFY(writeFile(QStringLiteral("Temp/1.bmp"), "BM"));
    QVERIFY(QDir(appDir()).mkpath(QStringLiteral("Temp/inner")));
    QVERIFY(writeFile(QStringLiteral("Temp/inner/kept.txt"), "kept"));

    action(*table, "reversedPositionsAction")->trigger();
    action(*table, "exitAction")->trigger();
    QVERIFY(!table->isVisible());

    QSettings &settings = storedSettings();
    QCOMPARE(settings.value(QStringLiteral("UseReverse")).toString(), QStringLiteral("yes"));
    QCOMPARE(settings.value(QStringLiteral("MajorOnly")).toString(), QStringLiteral("NO"));
    QCOMPARE(settings.value(QStringLiteral("DeckName")).toString(), QStringLiteral("Ardenvale"));
    QCOMPARE(settings.value(QStringLiteral("language")).toString(), QStringLiteral("English"));
    QCOMPARE(settings.value(QStringLiteral("backcolor")).toInt(), 1135889);
    QCOMPARE(settings.value(QStringLiteral("Strength11")).toString(), QStringLiteral("11"));
    QCOMPARE(settings.value(QStringLiteral("curquer")).toInt(), -1);
    QCOMPARE(settings.value(QStringLiteral("fmwidth")).toInt(), 532);

    const QDir temp(appDir() + QStringLiteral("/Temp"));
    QCOMPARE(temp.entryList(QDir::Files), QStringList());
    QVERIFY(QFileInfo::exists(temp.filePath(QStringLiteral("inner/kept.txt"))));
}

void TestTableWindow::optionCommandsToggle()
{
    auto table = startTable();
    QVERIFY(table);
    action(*table, "majorArcanaOnlyAction")->trigger();
    QVERIFY(table->preferences().majorOnly());
    QVERIFY(action(*table, "majorArcanaOnlyAction")->isChecked());
    QCOMPARE(part<QLabel>(*table, "optionNotice")->text(), QStringLiteral("Major Arcana only"));
    action(*table, "majorArcanaOnlyAction")->trigger();
    QCOMPARE(part<QLabel>(*table, "optionNotice")->text(), QString());

    action(*table, "cutDeckAction")->trigger();
    QVERIFY(!table->preferences().cutDeck());
    QVERIFY(!action(*table, "threePilesAction")->isEnabled());
    action(*table, "cutDeckAction")->trigger();
    QVERIFY(action(*table, "threePilesAction")->isEnabled());
    action(*table, "threePilesAction")->trigger();
    QVERIFY(table->preferences().cutThreePiles());
    QVERIFY(action(*table, "threePilesAction")->isChecked());

    action(*table, "spreadTipsAction")->trigger();
    QVERIFY(!table->preferences().useTips());
    QVERIFY(!action(*table, "spreadTipsAction")->isChecked());
}

void TestTableWindow::autoDrawMessageOnlyBeforeDrawing()
{
    auto table = startTable();
    QVERIFY(table);
    action(*table, "automaticDrawAction")->trigger();
    QVERIFY(table->preferences().drawAuto());
    QVERIFY(m_interaction.messages.isEmpty());

    // A reading waits for its shuffle: it keeps the mode it started with.
    QVERIFY(m_fixture.copySpreads());
    QVERIFY(table->session().startReading(QStringLiteral("Three Cards")));
    QVERIFY(table->session().isAutomaticDrawPending());
    action(*table, "automaticDrawAction")->trigger();
    QVERIFY(!table->preferences().drawAuto());
    action(*table, "automaticDrawAction")->trigger();
    QCOMPARE(m_interaction.messages.size(), 2);
    QCOMPARE(m_interaction.messages.at(0), table->programData().uiText(44));
    QCOMPARE(m_interaction.messages.at(1), table->programData().uiText(45));
    QVERIFY(table->session().isAutomaticDrawPending());
}

void TestTableWindow::languageDialogSwitchesCaptions()
{
    QByteArray list;
    for (int i = 0; i < 139; ++i)
        list += "T" + QByteArray::number(i) + "\r";
    QVERIFY(writeFile(QStringLiteral("Langs/Testish/List.lng"), list));
    auto table = startTable();
    QVERIFY(table);

    QStringList listed;
    m_interaction.expectDialog<LanguageDialog>([&](LanguageDialog &languages) {
        for (int row = 0; row < languages.languageList->count(); ++row)
            listed << languages.languageList->item(row)->text();
        // The current language is selected, so OK is ready at once.
        if (languages.languageList->currentItem()->text() != QLatin1String("English") ||
            !languages.okButton->isEnabled())
            return int(QDialog::Rejected);
        languages.languageList->setCurrentItem(
            languages.languageList->findItems(QStringLiteral("Testish"), Qt::MatchExactly)[0]);
        QTest::mouseClick(languages.okButton, Qt::LeftButton);
        return languages.result();
    });
    action(*table, "languageAction")->trigger();
    listed.sort();
    QCOMPARE(listed, (QStringList{QStringLiteral("English"), QStringLiteral("Testish")}));
    QCOMPARE(table->preferences().language(), QStringLiteral("Testish"));
    QCOMPARE(part<QMenu>(*table, "readingsMenu")->title(), QStringLiteral("T2"));
    QCOMPARE(action(*table, "languageAction")->text(), QStringLiteral("T130"));
    QCOMPARE(action(*table, "cutDeckAction")->text(), QStringLiteral("T137"));
    QCOMPARE(part<QPushButton>(*table, "stopButton")->text(), QStringLiteral("T63"));
    // Testish has no card list: titles come from the English one.
    QCOMPARE(table->programData().cardTitles()[0], QByteArray("0. The Fool"));

    table->close();
    QCOMPARE(storedSettings().value(QStringLiteral("language")).toString(),
             QStringLiteral("Testish"));
}

void TestTableWindow::russianReplacesEveryCaptionAndStays()
{
    QVERIFY(m_fixture.copyLanguage(QStringLiteral("Russian")));
    QVERIFY(m_fixture.copySpreads());
    auto table = startTable();
    QVERIFY(table);
    QVERIFY(latinCaptions(*table).size() > 20);
    QVERIFY(table->session().startReading(QStringLiteral("Three Cards")));

    TableSteps::expectLanguageChosen(m_interaction, QStringLiteral("Russian"));
    action(*table, "languageAction")->trigger();
    QCOMPARE(table->preferences().language(), QStringLiteral("Russian"));
    // Every menu, command and button of the table and of the Comments window
    // changed at once.
    QCOMPARE(latinCaptions(*table), QStringList());
    QCOMPARE(part<QMenu>(*table, "readingsMenu")->title(), QStringLiteral("Гадание"));
    QCOMPARE(part<QPushButton>(*table, "shuffleButton")->text(), QStringLiteral("Тасовать"));
    // The reading in progress asks for its next step in Russian too.
    const QString prompt = part<QLabel>(*table, "promptLabel")->text();
    QCOMPARE(prompt, table->programData().uiText(UiText::PromptShuffle));
    QVERIFY2(hasCyrillicLetter(prompt), qPrintable(prompt));
    for (int number = 0; number < 78; ++number) {
        const QString title = table->programData().cardTitle(number);
        QVERIFY2(hasCyrillicLetter(title), qPrintable(title));
    }
    QCOMPARE(table->programData().cardTitle(0), QStringLiteral("0. Шут"));
    QCOMPARE(table->programData().cardTitle(64), QStringLiteral("Туз Пентаклей"));

    // Dialogs opened from now on speak Russian too, titles included.
    QStringList dialogLatin;
    m_interaction.expectDialog<LanguageDialog>([&](LanguageDialog &languages) {
        dialogLatin << latinCaptions(languages);
        return int(QDialog::Rejected);
    });
    action(*table, "languageAction")->trigger();
    m_interaction.expectDialog<AboutBox>([&](AboutBox &about) {
        dialogLatin << latinCaptions(about);
        const auto labels = about.findChildren<QLabel *>(QStringLiteral("versionLabel"));
        if (labels.size() != 1 || !labels.first()->text().startsWith(QStringLiteral("Версия ")))
            dialogLatin << QStringLiteral("version line");
        return int(QDialog::Accepted);
    });
    action(*table, "aboutAction")->trigger();
    QCOMPARE(dialogLatin, QStringList());

    // The choice outlives the program.
    table->close();
    table.reset();
    table = startTable();
    QVERIFY(table);
    QCOMPARE(table->preferences().language(), QStringLiteral("Russian"));
    QCOMPARE(latinCaptions(*table), QStringList());
    QCOMPARE(table->programData().cardTitle(0), QStringLiteral("0. Шут"));
}

void TestTableWindow::incompleteLanguageAndMissingDeckAreSaidOnce()
{
    // A list that stops after three lines, written by an editor using LF.
    QVERIFY(writeFile(QStringLiteral("Langs/English/List.lng"), "Fine\nCancel\nReadings\n"));
    QVERIFY(m_fixture.linkDecks());
    storedSettings().setValue(QStringLiteral("DeckName"), QStringLiteral("Gone"));
    auto table = startTable();
    QVERIFY(table);
    QTRY_COMPARE(m_interaction.messages.size(), 1);
    const QString message = m_interaction.messages.first();
    QVERIFY2(message.contains(QStringLiteral("\"Gone\"")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("\"Ardenvale\"")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("incomplete")), qPrintable(message));
    QCOMPARE(table->preferences().deckName(), QStringLiteral("Ardenvale"));

    // The lines the list has are its own; the others are English, so Help
    // and Language stay reachable.
    QCOMPARE(part<QMenu>(*table, "readingsMenu")->title(), QStringLiteral("Readings"));
    QCOMPARE(action(*table, "languageAction")->text(), QStringLiteral("Language"));
    QCOMPARE(part<QMenu>(*table, "helpMenu")->title(), QStringLiteral("Help"));
    QCOMPARE(part<QPushButton>(*table, "shuffleButton")->text(), QStringLiteral("Shuffle"));

    // Said once: nothing more while the table runs.
    QTest::qWait(50);
    QCOMPARE(m_interaction.messages.size(), 1);
    table->close();
    QCOMPARE(storedSettings().value(QStringLiteral("DeckName")).toString(),
             QStringLiteral("Ardenvale"));
}

void TestTableWindow::languageDialogCancelChangesNothing()
{
    QVERIFY(writeFile(QStringLiteral("Langs/Testish/List.lng"), "T0\rT1\rT2\r"));
    auto table = startTable();
    QVERIFY(table);
    m_interaction.expectDialog([](QDialog &dialog) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return dialog.result();
    });
    action(*table, "languageAction")->trigger();
    QCOMPARE(table->preferences().language(), QStringLiteral("English"));
    QCOMPARE(part<QMenu>(*table, "readingsMenu")->title(), QStringLiteral("Readings"));
}

void TestTableWindow::deckWithExtraCardUsesFixedTitles()
{
    QVERIFY(writeFile(QStringLiteral("Pics/Veldmere/78.jpg"), "not really a picture"));
    {
        QSettings &settings = storedSettings();
        settings.setValue(QStringLiteral("DeskName"), QStringLiteral("Veldmere"));
    }
    auto table = startTable();
    QVERIFY(table);
    QVERIFY(table->programData().deck79());
    QCOMPARE(table->preferences().deckName(), QStringLiteral("Veldmere"));
    QVERIFY(m_fixture.copySpreads());
    QVERIFY(table->session().startReading(QStringLiteral("Three Cards")));
    QCOMPARE(table->session().deckSize(), 79);
    QCOMPARE(table->programData().cardTitles()[1], QByteArray("I. Existence"));
    QCOMPARE(table->programData().cardTitles()[78], QByteArray("The Master"));
}

void TestTableWindow::aboutBoxClosesOnClickOrEscape()
{
    auto table = startTable();
    QVERIFY(table);
    bool frameless = false;
    QString name;
    m_interaction.expectDialog<AboutBox>([&](AboutBox &about) {
        frameless = about.windowFlags().testFlag(Qt::FramelessWindowHint);
        name = about.nameLabel->text();
        about.show();
        QTest::mouseClick(about.emblemLabel, Qt::LeftButton);
        return about.isVisible() ? int(QDialog::Rejected) : about.result();
    });
    action(*table, "aboutAction")->trigger();
    QVERIFY(frameless);
    QCOMPARE(name, QStringLiteral("Quillmoor"));

    bool closedByEscape = false;
    m_interaction.expectDialog([&](QDialog &dialog) {
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        closedByEscape = !dialog.isVisible();
        return dialog.result();
    });
    action(*table, "aboutAction")->trigger();
    QVERIFY(closedByEscape);
}

void TestTableWindow::everyCommandHasItsHandler()
{
    // Every command of the menu works in this build: none is greyed out for
    // lack of its window (the three piles follow the cut option instead, and
    // "Next piece" waits for a piece to play).
    auto table = startTable();
    QVERIFY(table);
    QStringList greyed;
    for (QAction *command : table->findChildren<QAction *>()) {
        if (!command->isEnabled() && !command->isSeparator() && !command->text().isEmpty() &&
            command->objectName() != QLatin1String("nextPieceAction"))
            greyed << command->objectName();
    }
    QVERIFY2(greyed.isEmpty(), qPrintable(greyed.join(QLatin1Char(' '))));
    QVERIFY(!table->findChildren<QAction *>().isEmpty());
}

void TestTableWindow::optionChangesAreStoredAtOnce()
{
    // A program ended from outside keeps what the user chose before.
    auto table = startTable();
    QVERIFY(table);
    action(*table, "reversedPositionsAction")->trigger();
    action(*table, "majorArcanaOnlyAction")->trigger();
    {
        const QSettings onDisk(m_fixture.settingsFile(), QSettings::IniFormat);
        QCOMPARE(onDisk.value(QStringLiteral("UseReverse")).toString(), QStringLiteral("yes"));
        QCOMPARE(onDisk.value(QStringLiteral("MajorOnly")).toString(), QStringLiteral("YES"));
    }
    action(*table, "majorArcanaOnlyAction")->trigger();
    const QSettings onDisk(m_fixture.settingsFile(), QSettings::IniFormat);
    QCOMPARE(onDisk.value(QStringLiteral("MajorOnly")).toString(), QStringLiteral("NO"));
    QVERIFY(m_interaction.messages.isEmpty());
}

void TestTableWindow::unwritableSettingsAreReportedOnce()
{
    // A plain file where the settings' folder should be: no one can write there, not even root.
    QVERIFY(writeFile(QStringLiteral("blocker"), "x"));
    const QString path = appDir() + QStringLiteral("/blocker/Doded.conf");
    m_fixture.useSettingsFile(path);
    auto table = startTable();
    QVERIFY(table);
    action(*table, "reversedPositionsAction")->trigger();
    QCOMPARE(m_interaction.messages.size(), 1);
    const QString message = m_interaction.messages.first();
    QVERIFY2(message.startsWith(table->programData().uiText(UiText::SettingsNotWritten)),
             qPrintable(message));
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
    action(*table, "reversedPositionsAction")->trigger();
    action(*table, "exitAction")->trigger();
    QCOMPARE(m_interaction.messages.size(), 1);
}

void TestTableWindow::undecodableSpreadFilesAreReportedOnce()
{
    // Such a file cannot be offered, but it must not vanish without a word.
    QVERIFY(QDir(appDir()).mkpath(QStringLiteral("Spreads")));
    const QByteArray undecodable =
        QFile::encodeName(appDir() + QStringLiteral("/Spreads/")).append("Caf\xe9.spread");
    std::FILE *file = std::fopen(undecodable, "w");
    QVERIFY(file);
    std::fclose(file);
    // The temporary folder cannot remove a name it cannot decode.
    const auto removeFile = qScopeGuard([&] { std::remove(undecodable); });
    auto table = startTable();
    QVERIFY(table);
    for (int attempt = 0; attempt < 2; ++attempt) {
        m_interaction.expectDialog([](QDialog &) { return int(QDialog::Rejected); });
        action(*table, "startAction")->trigger();
    }
    QCOMPARE(m_interaction.messages.size(), 1);
    QVERIFY2(m_interaction.messages.first().startsWith(
                 table->programData().uiText(UiText::SpreadFileNamesUnusable)),
             qPrintable(m_interaction.messages.first()));
    QVERIFY2(m_interaction.messages.first().contains(QStringLiteral("Caf\\xE9.spread")),
             qPrintable(m_interaction.messages.first()));
}

QTEST_MAIN(TestTableWindow)
#include "test_TableWindow.moc"
