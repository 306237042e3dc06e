// Starts and closes the real table window offscreen: layout, menu captions
// and checks from the language and the settings, the option commands, the
// language and about dialogs, and what shutdown writes and clears.
#include "TableFixture.h"
#include "ui/about/AboutBox.h"
#include "ui/lang/LanguageDialog.h"
#include "ui/readings/CommentsWindow.h"
#include "ui/table/CardImage.h"
#include "ui/table/TableCanvas.h"
#include "ui/table/TableWindow.h"

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

class TestTableFrm : public QObject
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
    void languageDialogCancelChangesNothing();
    void deckWithExtraCardUsesFixedTitles();
    void aboutBoxClosesOnClickOrEscape();
    void contentsOpensHelpDocument();

private:
    std::unique_ptr<TableWindow> startTable() { return m_fixture.startTable(); }
    void writeFile(const QString &relativePath, const QByteArray &bytes)
    {
        m_fixture.writeFile(relativePath, bytes);
    }
    QSettings storedSettings() const { return m_fixture.storedSettings(); }
    QString appDir() const { return m_fixture.appDir(); }

    TableFixture m_fixture;
    ScriptedInteraction &m_interaction = m_fixture.interaction;
};

void TestTableFrm::init()
{
    QVERIFY(m_fixture.setUp());
}

void TestTableFrm::cleanup()
{
    QVERIFY2(m_interaction.problems().isEmpty(),
             qPrintable(m_interaction.problems().join(QLatin1Char('\n'))));
}

void TestTableFrm::firstStartShowsTheTable()
{
    auto table = startTable();
    QVERIFY(table);
    QCOMPARE(table->windowTitle(), QStringLiteral("Quillmoor"));
    for (const char *folder : {"Music", "Saved", "Temp"})
        QVERIFY2(QFileInfo(appDir() + QLatin1Char('/') + QLatin1String(folder)).isDir(), folder);
    QCOMPARE(table->ReadingsDir, appDir() + QStringLiteral("/Saved/"));
    QCOMPARE(table->DeckSize, 78);
    QVERIFY(!table->Deck79);
    QCOMPARE(table->CardTitles[0], QByteArray("0. The Fool"));
    QCOMPARE(table->CardTitles[8], QByteArray("VIII. Justice"));
    QCOMPARE(table->CardTitles[32], QByteArray("Page of Wands"));
    QVERIFY(!table->ReportComments.isEmpty());

    // The spread area and the left panel wait hidden for the first spread.
    const QRect client = table->Canvas->rect();
    QCOMPARE(table->TableRect, QRect(150, 200, client.width() - 150, client.height() - 200));
    QCOMPARE(table->Label2->geometry(), QRect(10, 270, 118, client.height() - 270));
    for (QWidget *hidden : std::initializer_list<QWidget *>{
             table->ScrollBox1, table->Panel1, table->Panel2, table->Label1, table->Label2,
             table->SpeedButton1, table->SpeedButton2, table->SpeedButton3, table->ExtraCardImage})
        QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
    QVERIFY(table->Label4->isVisible());
    QCOMPARE(table->Label4->text(), QString());
    QCOMPARE(table->Label4->geometry(), QRect(table->width() - 240, 10, 220, 24));
    QCOMPARE(table->SpeedButton1->pos(), QPoint(table->width() / 2 - 91, table->height() - 120));
    QVERIFY(table->commentsWindow->isHidden());
    QVERIFY(table->commentsWindow->noCommentsButton->isHidden());
    QVERIFY(table->findChild<QWidget *>(QStringLiteral("ExtentMarker")));

    // The canvas shows the table's dark green.
    const QImage canvas = table->Canvas->grab().toImage();
    QCOMPARE(canvas.pixelColor(5, 5), QColor(0x11, 0x55, 0x11));
}

void TestTableFrm::menuCarriesCaptionsShortcutsAndChecks()
{
    auto table = startTable();
    QVERIFY(table);
    const struct
    {
        const char *name;
        const char *caption;
        QKeySequence shortcut;
    } items[] = {
        {"SelectlayoutF12", "Start...", QKeySequence(Qt::Key_F9)},
        {"Openreading1", "Open...", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"Savecurrentreading1", "Save...", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"Input1", "Input...", QKeySequence(Qt::Key_F8)},
        {"Print1", "Print...", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"Exit1", "Exit", QKeySequence()},
        {"SelectlayoutF11", "Start reading...", QKeySequence()},
        {"Createnewspread1", "Create new...", QKeySequence(Qt::Key_F3)},
        {"Editspread1", "Edit...", QKeySequence(Qt::Key_F4)},
        {"RemoveDeck1", "Toggle spread view", QKeySequence(Qt::Key_Delete)},
        {"Backgroundcolor1", "Background color...", QKeySequence(Qt::CTRL | Qt::Key_B)},
        {"Defaultbackground1", "Default background", QKeySequence()},
        {"Showlayouttips1", "Show spread tips", QKeySequence(Qt::CTRL | Qt::Key_T)},
        {"Selectdesk1", "Select deck...", QKeySequence(Qt::CTRL | Qt::Key_D)},
        {"MajorArcanaonly1", "Major Arcana only", QKeySequence(Qt::CTRL | Qt::Key_A)},
        {"Usereversedpositions1", "Use reverse positions", QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"Drawcardsautomatically1", "Draw cards automatically",
         QKeySequence(Qt::CTRL | Qt::Key_F9)},
        {"CutDeck1", "Cut deck", QKeySequence()},
        {"Cutdeckin3piles1", "Cut deck in 3 piles", QKeySequence()},
        {"Resizeenlargedcard1", "Enlarged image settings...", QKeySequence(Qt::CTRL | Qt::Key_I)},
        {"Musicsettings1", "Music settings...", QKeySequence(Qt::CTRL | Qt::Key_M)},
        {"Playmusic1", "Play music", QKeySequence()},
        {"Language1", "Language", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"Contents1", "Contents", QKeySequence(Qt::Key_F1)},
        {"About1", "About...", QKeySequence()},
    };
    for (const auto &item : items) {
        const auto *action = table->findChild<QAction *>(QLatin1String(item.name));
        QVERIFY2(action, item.name);
        QCOMPARE(action->text(), QLatin1String(item.caption));
        QCOMPARE(action->shortcut(), item.shortcut);
    }
    const struct
    {
        QMenu *menu;
        const char *caption;
    } menus[] = {{table->Menu1, "Readings"},
                 {table->Spreads1, "Spreads"},
                 {table->View1, "View"},
                 {table->Menu2, "Options"},
                 {table->Help1, "Help"}};
    for (const auto &menu : menus)
        QCOMPARE(menu.menu->title(), QLatin1String(menu.caption));
    QCOMPARE(table->SpeedButton1->text(), QStringLiteral("Shuffle"));
    QCOMPARE(table->SpeedButton3->text(), QStringLiteral("Cut deck"));
    QCOMPARE(table->commentsWindow->windowTitle(), QStringLiteral("Comments"));

    // Checks of a first start: cut deck and tips on, the rest off.
    QVERIFY(table->CutDeck1->isChecked());
    QVERIFY(table->Cutdeckin3piles1->isEnabled());
    QVERIFY(!table->Cutdeckin3piles1->isChecked());
    QVERIFY(table->Showlayouttips1->isChecked());
    QVERIFY(!table->MajorArcanaonly1->isChecked());
    QVERIFY(!table->Usereversedpositions1->isChecked());
    QVERIFY(!table->Drawcardsautomatically1->isChecked());
    QVERIFY(!table->Playmusic1->isChecked());
}

void TestTableFrm::storedSettingsSetChecksAndNotice()
{
    {
        QSettings settings = storedSettings();
        settings.setValue(QStringLiteral("cutdeck"), QStringLiteral("No"));
        settings.setValue(QStringLiteral("cut3piles"), QStringLiteral("yes"));
        settings.setValue(QStringLiteral("MajorOnly"), QStringLiteral("YES"));
        settings.setValue(QStringLiteral("PlayMusic"), QStringLiteral("yes"));
        settings.setValue(QStringLiteral("Strength11"), QStringLiteral("8"));
        settings.setValue(QStringLiteral("ArdenvaleStyle"), QStringLiteral("no"));
        settings.setValue(QStringLiteral("backcolor"), 0x804040); // blue above green and red
    }
    auto table = startTable();
    QVERIFY(table);
    QVERIFY(!table->CutDeck1->isChecked());
    QVERIFY(!table->Cutdeckin3piles1->isEnabled());
    QVERIFY(table->Cutdeckin3piles1->isChecked());
    QVERIFY(table->MajorArcanaonly1->isChecked());
    QVERIFY(table->Playmusic1->isChecked());
    QCOMPARE(table->DeckSize, 22);
    QCOMPARE(table->Label4->text(), QStringLiteral("Major Arcana only"));
    QCOMPARE(table->Label4->palette().color(QPalette::WindowText), QColor(0x77, 0x77, 0x77));
    QCOMPARE(table->CardTitles[8], QByteArray("VIII. Strength"));
    QCOMPARE(table->CardTitles[32], QByteArray("Princess of Wands"));
    QCOMPARE(table->Canvas->grab().toImage().pixelColor(5, 5), QColor(0x40, 0x40, 0x80));
}

void TestTableFrm::closingWritesSettingsAndEmptiesTemp()
{
    auto table = startTable();
    QVERIFY(table);
    writeFile(QStringLiteral("Temp/report1.htm"), "<html/>");
    writeFile(QStringLiteral("Temp/1.bmp"), "BM");
    QVERIFY(QDir(appDir()).mkpath(QStringLiteral("Temp/inner")));
    writeFile(QStringLiteral("Temp/inner/kept.txt"), "kept");

    table->Usereversedpositions1->trigger();
    table->Exit1->trigger();
    QVERIFY(!table->isVisible());

    QSettings settings = storedSettings();
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

void TestTableFrm::optionCommandsToggle()
{
    auto table = startTable();
    QVERIFY(table);
    table->MajorArcanaonly1->trigger();
    QVERIFY(table->MajorOnly);
    QVERIFY(table->MajorArcanaonly1->isChecked());
    QCOMPARE(table->Label4->text(), QStringLiteral("Major Arcana only"));
    QCOMPARE(table->DeckSize, 78); // takes effect with the next reading
    table->MajorArcanaonly1->trigger();
    QCOMPARE(table->Label4->text(), QString());

    table->CutDeck1->trigger();
    QVERIFY(!table->CutDeck);
    QVERIFY(!table->Cutdeckin3piles1->isEnabled());
    table->CutDeck1->trigger();
    QVERIFY(table->Cutdeckin3piles1->isEnabled());
    table->Cutdeckin3piles1->trigger();
    QVERIFY(table->CutThreePiles);
    QVERIFY(table->Cutdeckin3piles1->isChecked());

    table->Showlayouttips1->trigger();
    QVERIFY(!table->UseTips);
    QVERIFY(!table->Showlayouttips1->isChecked());
}

void TestTableFrm::autoDrawMessageOnlyBeforeDrawing()
{
    auto table = startTable();
    QVERIFY(table);
    table->Drawcardsautomatically1->trigger();
    QVERIFY(table->DrawAuto);
    QVERIFY(m_interaction.messages.isEmpty());

    table->SpeedButton1->show(); // a spread waits for its shuffle
    table->Drawcardsautomatically1->trigger();
    QVERIFY(!table->DrawAuto);
    table->Drawcardsautomatically1->trigger();
    QCOMPARE(m_interaction.messages.size(), 2);
    QCOMPARE(m_interaction.messages.at(0), table->uiText(44));
    QCOMPARE(m_interaction.messages.at(1), table->uiText(45));
    QVERIFY(!table->AutoDrawPending);
}

void TestTableFrm::languageDialogSwitchesCaptions()
{
    QByteArray list;
    for (int i = 0; i < 139; ++i)
        list += "T" + QByteArray::number(i) + "\r";
    writeFile(QStringLiteral("Langs/Testish/List.lng"), list);
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
    table->Language1->trigger();
    listed.sort();
    QCOMPARE(listed, (QStringList{QStringLiteral("English"), QStringLiteral("Testish")}));
    QCOMPARE(table->Language, QStringLiteral("Testish"));
    QCOMPARE(table->Menu1->title(), QStringLiteral("T2"));
    QCOMPARE(table->Language1->text(), QStringLiteral("T130"));
    QCOMPARE(table->CutDeck1->text(), QStringLiteral("T137"));
    QCOMPARE(table->SpeedButton2->text(), QStringLiteral("T63"));
    QCOMPARE(table->commentsWindow->noCommentsButton->text(), QStringLiteral("T113"));
    // Testish has no card list: titles come from the English one.
    QCOMPARE(table->CardTitles[0], QByteArray("0. The Fool"));

    table->close();
    QCOMPARE(storedSettings().value(QStringLiteral("language")).toString(),
             QStringLiteral("Testish"));
}

void TestTableFrm::languageDialogCancelChangesNothing()
{
    writeFile(QStringLiteral("Langs/Testish/List.lng"), "T0\rT1\rT2\r");
    auto table = startTable();
    QVERIFY(table);
    m_interaction.expectDialog([](QDialog &dialog) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return dialog.result();
    });
    table->Language1->trigger();
    QCOMPARE(table->Language, QStringLiteral("English"));
    QCOMPARE(table->Menu1->title(), QStringLiteral("Readings"));
}

void TestTableFrm::deckWithExtraCardUsesFixedTitles()
{
    writeFile(QStringLiteral("Pics/Veldmere/78.jpg"), "not really a picture");
    {
        QSettings settings = storedSettings();
        settings.setValue(QStringLiteral("DeskName"), QStringLiteral("Veldmere"));
    }
    auto table = startTable();
    QVERIFY(table);
    QVERIFY(table->Deck79);
    QCOMPARE(table->DeckName, QStringLiteral("Veldmere"));
    QCOMPARE(table->DeckSize, 79);
    QCOMPARE(table->CardTitles[1], QByteArray("I. Existence"));
    QCOMPARE(table->CardTitles[78], QByteArray("The Master"));
}

void TestTableFrm::aboutBoxClosesOnClickOrEscape()
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
    table->About1->trigger();
    QVERIFY(frameless);
    QCOMPARE(name, QStringLiteral("Quillmoor"));

    bool closedByEscape = false;
    m_interaction.expectDialog([&](QDialog &dialog) {
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        closedByEscape = !dialog.isVisible();
        return dialog.result();
    });
    table->About1->trigger();
    QVERIFY(closedByEscape);
}

void TestTableFrm::contentsOpensHelpDocument()
{
    auto table = startTable();
    QVERIFY(table);
    table->Contents1->trigger();
    QCOMPARE(m_interaction.openedDocuments,
             QStringList{appDir() + QStringLiteral("/Langs/English/Doded.htm")});
}

QTEST_MAIN(TestTableFrm)
#include "test_TableWindow.moc"
