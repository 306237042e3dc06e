// Checks the journal as the user meets it: Ctrl+J asks once whether to keep
// every reading, lists the saved readings (a damaged one among them), narrows
// them as a word is typed, shows their statistics (Qt Charts loaded only
// then, as Qt Multimedia and Qt Print Support are not at all), and Enter on
// one lays it on the table.
#include "GeneratedReadings.h"
#include "LoadedLibraries.h"
#include "TableFixture.h"
#include "core/table/ReadingSession.h"
#include "ui/journal/JournalWindow.h"
#include "ui/table/TableWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

class TestJournalWindow : public QObject
{
    Q_OBJECT

private slots:
    void ctrlJListsSearchesAndOpensReadings();
};

void TestJournalWindow::ctrlJListsSearchesAndOpensReadings()
{
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    TableFixture fixture;
    QVERIFY(fixture.setUp());
    QVERIFY(GeneratedReadings::writeSpreads(fixture.appDir()));
    const QString saved = fixture.appDir() + QStringLiteral("/Saved");
    QVERIFY(QDir().mkpath(saved));
    for (int i = 1; i <= 6; ++i)
        QVERIFY(!GeneratedReadings::write(saved, i).isEmpty());
    QVERIFY(fixture.writeFile(QStringLiteral("Saved/notes.reading"), "not a reading"));
    fixture.interaction.answers.push_back(true);
    const auto table = fixture.startTable();
    QVERIFY(table);

    table->activateWindow();
    QTest::keyClick(table.get(), Qt::Key_J, Qt::ControlModifier);
    auto *journal = table->findChild<JournalWindow *>();
    QVERIFY(journal);
    QCOMPARE(fixture.interaction.questions.size(), 1);
    QVERIFY(table->preferences().keepEveryReading());
    auto *view = journal->findChild<QTableView *>(QStringLiteral("readingsTable"));
    QTRY_VERIFY(!journal->isIndexing());
    QTRY_COMPARE(view->model()->rowCount(), 7);

    for (const char *library : {"libQt6Charts", "libQt6Multimedia", "libQt6PrintSupport"})
        QVERIFY2(!libraryLoaded(library), library);
    QTest::mouseClick(journal->findChild<QPushButton *>(QStringLiteral("statisticsButton")),
                      Qt::LeftButton);
    auto *charts = journal->findChild<QWidget *>(QStringLiteral("journalChartsWindow"));
    QVERIFY(charts && charts->isVisible());
    QCOMPARE(charts->findChild<QTabWidget *>(QStringLiteral("chartTabs"))->count(), 4);
    QVERIFY(libraryLoaded("libQt6Charts"));
    charts->close();
    // Reading 5 is the one of these that mentions the harbour.
    QTest::keyClicks(journal->findChild<QLineEdit *>(QStringLiteral("searchEdit")), "harb");
    QCOMPARE(view->model()->rowCount(), 1);
    view->setCurrentIndex(view->model()->index(0, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(table->session().spreadName(), GeneratedReadings::spreadOf(5));
    QCOMPARE(table->session().phase(), ReadingSession::Phase::Complete);
    const QList<quint32> positions = GeneratedReadings::readingOf(5).positions;
    QCOMPARE(table->session().placements().at(0).card, int(positions.at(0)));

    // Asked once only.
    QTest::keyClick(table.get(), Qt::Key_J, Qt::ControlModifier);
    QCOMPARE(fixture.interaction.questions.size(), 1);
    QCOMPARE(fixture.interaction.problems(), QStringList());
}

QTEST_MAIN(TestJournalWindow)
#include "test_JournalWindow.moc"
