// Opens the help window from the real table: F1 shows the current language's
// guide (the English one when the language has none), the window follows a
// change of language while open, navigates within the guide, and keeps its
// place when closed and opened again.
#include "TableFixture.h"
#include "TableSteps.h"
#include "core/lang/UiText.h"
#include "ui/help/HelpWindow.h"
#include "ui/table/TableWindow.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

namespace {

const QString EnglishTitle = QStringLiteral("Quillmoor User's Guide");

// A guide with a title, a link to its second section and enough text between
// them that the section lies below the first screen.
QByteArray guide(const QByteArray &title)
{
    QByteArray html = "<html><head><meta charset=\"utf-8\"><title>" + title +
                      "</title></head><body><p><a href=\"#second\">Second</a></p>";
    for (int i = 0; i < 200; ++i)
        html += "<p>Line " + QByteArray::number(i) + "</p>";
    return html + "<h2><a name=\"second\">Second</a></h2><p>End</p></body></html>";
}

} // namespace

class TestHelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void f1ShowsTheGuideOfTheLanguage();
    void followsALanguageChangeWhileOpen();
    void navigatesAndKeepsItsPlace();
    void saysSoWhenNoGuideIsInstalled();

private:
    std::unique_ptr<TableWindow> startTable() { return m_fixture.startTable(); }
    [[nodiscard]] bool copyEnglishGuide();
    HelpWindow *pressF1(TableWindow &table);
    [[nodiscard]] bool switchLanguage(TableWindow &table, const QString &language);

    TableFixture m_fixture;
};

void TestHelpWindow::init()
{
    QVERIFY(m_fixture.setUp());
}

void TestHelpWindow::cleanup()
{
    QVERIFY2(m_fixture.interaction.problems().isEmpty(),
             qPrintable(m_fixture.interaction.problems().join(QLatin1Char('\n'))));
}

bool TestHelpWindow::copyEnglishGuide()
{
    QFile bundled(QStringLiteral(QUILLMOOR_BUNDLED_DATA_DIR "/Langs/English/Doded.htm"));
    return bundled.open(QIODevice::ReadOnly) &&
           m_fixture.writeFile(QStringLiteral("Langs/English/Doded.htm"), bundled.readAll());
}

HelpWindow *TestHelpWindow::pressF1(TableWindow &table)
{
    table.activateWindow();
    if (!QTest::qWaitForWindowActive(&table))
        return nullptr;
    QTest::keyClick(&table, Qt::Key_F1);
    auto *help = table.findChild<HelpWindow *>();
    if (help && !QTest::qWaitForWindowExposed(help))
        return nullptr;
    return help;
}

bool TestHelpWindow::switchLanguage(TableWindow &table, const QString &language)
{
    TableSteps::expectLanguageChosen(m_fixture.interaction, language);
    table.findChild<QAction *>(QStringLiteral("languageAction"))->trigger();
    return table.preferences().language() == language;
}

void TestHelpWindow::f1ShowsTheGuideOfTheLanguage()
{
    QVERIFY(copyEnglishGuide());
    auto table = startTable();
    QVERIFY(table);
    HelpWindow *help = pressF1(*table);
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->windowTitle(), EnglishTitle);
    QCOMPARE(help->backButton->text(), QStringLiteral("Back"));
    // The guide's own pictures are found beside it.
    QVERIFY(help->browser->toHtml().contains(QStringLiteral("help/")));
    QVERIFY(m_fixture.interaction.openedDocuments.isEmpty());
}

void TestHelpWindow::followsALanguageChangeWhileOpen()
{
    QVERIFY(copyEnglishGuide());
    QByteArray list;
    for (int i = 0; i < 185; ++i)
        list += "T" + QByteArray::number(i) + "\r\n";
    for (const char *language : {"Testish", "Plain"}) {
        QVERIFY(m_fixture.writeFile(
            QStringLiteral("Langs/%1/List.lng").arg(QLatin1String(language)), list));
        QVERIFY(m_fixture.writeFile(
            QStringLiteral("Langs/%1/Cards.lng").arg(QLatin1String(language)), "Fool\r\n"));
    }
    QVERIFY(m_fixture.writeFile(QStringLiteral("Langs/Testish/Doded.htm"), guide("Testish guide")));
    auto table = startTable();
    QVERIFY(table);
    HelpWindow *help = pressF1(*table);
    QVERIFY(help);

    QVERIFY(switchLanguage(*table, QStringLiteral("Testish")));
    QVERIFY(help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("Testish guide"));
    QCOMPARE(help->homeButton->text(), QStringLiteral("T183"));
    QVERIFY(help->browser->toPlainText().contains(QStringLiteral("Line 199")));
    QVERIFY(!help->backButton->isEnabled());

    // Plain has no guide of its own: the English one is shown again.
    QVERIFY(switchLanguage(*table, QStringLiteral("Plain")));
    QCOMPARE(help->windowTitle(), EnglishTitle);
    QCOMPARE(help->homeButton->text(), QStringLiteral("T183"));
    QVERIFY(!help->backButton->isEnabled());
}

void TestHelpWindow::navigatesAndKeepsItsPlace()
{
    QVERIFY(m_fixture.writeFile(QStringLiteral("Langs/English/Doded.htm"), guide("Guide")));
    auto table = startTable();
    QVERIFY(table);
    HelpWindow *help = pressF1(*table);
    QVERIFY(help);
    QScrollBar *scroll = help->browser->verticalScrollBar();
    QCOMPARE(scroll->value(), 0);

    help->browser->setSource(QUrl(QStringLiteral("#second")));
    QVERIFY(scroll->value() > 0);
    QVERIFY(help->backButton->isEnabled());
    QTest::mouseClick(help->backButton, Qt::LeftButton);
    QCOMPARE(scroll->value(), 0);
    QVERIFY(help->forwardButton->isEnabled());
    QTest::mouseClick(help->forwardButton, Qt::LeftButton);
    QVERIFY(scroll->value() > 0);
    QTest::mouseClick(help->homeButton, Qt::LeftButton);
    QCOMPARE(scroll->value(), 0);
    QCOMPARE(help->windowTitle(), QStringLiteral("Guide"));

    // Escape closes it; F1 brings back the same window where it was left.
    const QRect placed(help->x() + 40, help->y() + 30, 640, 500);
    help->setGeometry(placed);
    QTest::keyClick(help->browser, Qt::Key_Escape);
    QVERIFY(help->isHidden());
    help->setGeometry(0, 0, 300, 200); // what a window manager might do to a hidden window
    QCOMPARE(pressF1(*table), help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->geometry(), placed);
    QCOMPARE(table->findChildren<HelpWindow *>().size(), 1);

    table->close();
    QVERIFY(help->isHidden());
}

void TestHelpWindow::saysSoWhenNoGuideIsInstalled()
{
    auto table = startTable();
    QVERIFY(table);
    HelpWindow *help = pressF1(*table);
    QVERIFY(help);
    QCOMPARE(help->browser->toPlainText(), table->programData().uiText(UiText::HelpMissing));
    QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
}

QTEST_MAIN(TestHelpWindow)
#include "test_HelpWindow.moc"
