// Checks the Print command on the real table: refused before the reading is complete, the
// settings stored on OK whatever happens next, the page kept in a folder of its own under
// Reports (where it outlives the program) and handed to the desktop, the Word, OpenDocument and
// PDF documents kept and opened the same way, and what the user is told when the folder fails
// or the desktop's opener (a stand-in xdg-open) cannot open the report; the printer choice
// prints the same document through the print dialog.
#include "TableFixture.h"
#include "TableSteps.h"
#include "core/lang/UiText.h"
#include "core/util/WholeFile.h"
#include "ui/reports/PrintSettingsDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace TableSteps;

class TestPrintCommand : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void incompleteReadingIsNotPrinted();
    void pageIsWrittenAndOpened();
    void documentsAreWrittenAndOpened();
    void printerPrintsTheDocument();
    void cancelChangesNothing();
    void failuresAreReported();

private:
    // Lays a whole reading; false when it does not end complete.
    [[nodiscard]] bool layReading(TableWindow &table);
    // Answers the print settings dialog: `choose` sets its controls, then OK.
    void expectSettings(std::function<void(PrintSettingsDialog &)> choose);
    // The reports kept under Reports whose names match `pattern`, sorted.
    QStringList kept(const QString &pattern = QStringLiteral("*.htm")) const;

    TableFixture m_fixture;
};

void TestPrintCommand::init()
{
    QVERIFY(m_fixture.setUp());
    QVERIFY(m_fixture.copySpreads());
    QVERIFY(m_fixture.linkDecks());
    m_fixture.storedSettings().setValue(QStringLiteral("cutdeck"), QStringLiteral("no"));
    m_fixture.storedSettings().setValue(QStringLiteral("printtype"), QStringLiteral("html"));
}

void TestPrintCommand::cleanup()
{
    QVERIFY2(m_fixture.interaction.problems().isEmpty(),
             qPrintable(m_fixture.interaction.problems().join(QLatin1Char('\n'))));
}

bool TestPrintCommand::layReading(TableWindow &table)
{
    startReading(table, m_fixture.interaction, QStringLiteral("Three Cards"));
    shuffleAndStop(table);
    while (table.session().phase() == ReadingSession::Phase::Drawing && topFanSlot(table) >= 0)
        drawTopCard(table);
    return table.session().phase() == ReadingSession::Phase::Complete;
}

void TestPrintCommand::expectSettings(std::function<void(PrintSettingsDialog &)> choose)
{
    m_fixture.interaction.expectDialog<PrintSettingsDialog>([choose](PrintSettingsDialog &dialog) {
        choose(dialog);
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        return dialog.result();
    });
}

QStringList TestPrintCommand::kept(const QString &pattern) const
{
    QStringList found;
    QDirIterator it(m_fixture.appDir() + QStringLiteral("/Reports"), {pattern}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(it.next());
    found.sort();
    return found;
}

void TestPrintCommand::incompleteReadingIsNotPrinted()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    QVERIFY(action(*table, "printAction")->isEnabled());
    QCOMPARE(action(*table, "printAction")->shortcut(), QKeySequence(QKeySequence::Print));
    action(*table, "printAction")->trigger();
    startReading(*table, m_fixture.interaction, QStringLiteral("Three Cards"));
    shuffleAndStop(*table);
    drawTopCard(*table);
    action(*table, "printAction")->trigger();
    // No dialog: the scripted interaction would report one nobody expected.
    QCOMPARE(m_fixture.interaction.messages,
             QStringList(2, table->programData().uiText(UiText::ReadingIncomplete)));
    QVERIFY(kept().isEmpty());
}

void TestPrintCommand::pageIsWrittenAndOpened()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    QVERIFY(layReading(*table));
    const QString today = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    QString shownComments;
    expectSettings([&](PrintSettingsDialog &dialog) {
        shownComments = dialog.commentsEdit->toPlainText();
        dialog.commentsEdit->setPlainText(QStringLiteral("<b>asked & answered</b>"));
        QTest::mouseClick(dialog.bigCardsCheck, Qt::LeftButton);
    });
    action(*table, "printAction")->trigger();
    // The comments start as today's date.
    QCOMPARE(shownComments, today);
    QVERIFY(m_fixture.interaction.messages.isEmpty());
    QCOMPARE(kept().size(), 1);
    const QString page = kept().first();
    QCOMPARE(m_fixture.interaction.openedDocuments, QStringList(page));
    // The user is told where it went: the page's name and its own folder.
    QCOMPARE(m_fixture.interaction.notices,
             QStringList(table->programData()
                             .uiText(UiText::ReportKept)
                             .arg(QFileInfo(page).fileName(), QFileInfo(page).absolutePath())));
    QVERIFY(QFileInfo(page).fileName().endsWith(QStringLiteral(" - Three Cards.htm")));
    QByteArray html;
    QVERIFY(WholeFile::read(page, html));
    QVERIFY(html.contains("<TITLE>Three Cards</TITLE>"));
    QVERIFY(html.contains("<PRE>&lt;b&gt;asked &amp; answered&lt;/b&gt;</PRE>"));
    QVERIFY(html.contains("<img src=2.png"));
    QVERIFY(QImage(QFileInfo(page).dir().filePath(QStringLiteral("2.png"))).width() > 0);
    const Spread &spread = table->session().spread();
    for (int i = 0; i < spread.positionCount(); ++i)
        QVERIFY(html.contains(
            table->programData().cardTitle(table->session().placements().at(i).card).toUtf8()));
    QCOMPARE(m_fixture.storedSettings().value(QStringLiteral("printbigcards")).toString(),
             QStringLiteral("yes"));

    // The dialog remembers the comments; a second page keeps the first.
    expectSettings(
        [&](PrintSettingsDialog &dialog) { shownComments = dialog.commentsEdit->toPlainText(); });
    action(*table, "printAction")->trigger();
    QCOMPARE(shownComments, QStringLiteral("<b>asked & answered</b>"));
    QCOMPARE(kept().size(), 2);
    QCOMPARE(m_fixture.interaction.openedDocuments.size(), 2);

    // Closing the program empties Temp, but the reports stay.
    const QStringList pages = kept();
    table.reset();
    QCOMPARE(kept(), pages);
    QVERIFY(QDir(m_fixture.appDir() + QStringLiteral("/Temp")).isEmpty());
}

void TestPrintCommand::documentsAreWrittenAndOpened()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    QVERIFY(layReading(*table));
    ScriptedInteraction &interaction = m_fixture.interaction;
    const struct
    {
        QRadioButton *PrintSettingsDialog::*button;
        const char *extension;
        const char *stored;
        const char *failure;
    } formats[] = {
        {&PrintSettingsDialog::wordButton, "docx", "RTF", "Could not create MS Word file.\n"},
        {&PrintSettingsDialog::openDocumentButton, "odt", "OO",
         "Could not create OpenOffice file.\n"},
        {&PrintSettingsDialog::pdfButton, "pdf", "PDF", "Could not create PDF file.\n"},
    };
    for (const auto &format : formats) {
        const QString pattern = QStringLiteral("*.") + QLatin1String(format.extension);
        interaction.openedDocuments.clear();
        expectSettings([&](PrintSettingsDialog &dialog) {
            QTest::mouseClick(dialog.*format.button, Qt::LeftButton);
        });
        action(*table, "printAction")->trigger();
        QVERIFY2(interaction.messages.isEmpty(), qPrintable(interaction.messages.join('\n')));
        const QStringList written = kept(pattern);
        QCOMPARE(written.size(), 1);
        QCOMPARE(interaction.openedDocuments, written);
        QVERIFY(QFileInfo(written.first()).size() > 1000);
        QCOMPARE(m_fixture.storedSettings().value(QStringLiteral("printtype")).toString(),
                 QLatin1String(format.stored));
    }
    // A document that cannot be written is named with its format's own words: here a
    // file stands where the Reports folder would be made.
    const QString reports = m_fixture.appDir() + QStringLiteral("/Reports");
    QVERIFY(QDir(reports).removeRecursively());
    QVERIFY(WholeFile::write(reports, QByteArray("in the way")));
    for (const auto &format : formats) {
        interaction.messages.clear();
        expectSettings([&](PrintSettingsDialog &dialog) {
            QTest::mouseClick(dialog.*format.button, Qt::LeftButton);
        });
        action(*table, "printAction")->trigger();
        QCOMPARE(interaction.messages.size(), 1);
        QVERIFY2(interaction.messages.first().startsWith(QLatin1String(format.failure)),
                 qPrintable(interaction.messages.first()));
    }
    QVERIFY(QFileInfo(reports).isFile());
}

void TestPrintCommand::printerPrintsTheDocument()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    QVERIFY(layReading(*table));
    ScriptedInteraction &interaction = m_fixture.interaction;
    QTemporaryDir printed;
    QVERIFY(printed.isValid());
    const QString output = printed.filePath(QStringLiteral("printed.pdf"));

    // Cancelling the print dialog prints nothing and says nothing; the choice is kept.
    expectSettings([](PrintSettingsDialog &dialog) {
        QTest::mouseClick(dialog.printerButton, Qt::LeftButton);
    });
    interaction.expectDialog<QPrintDialog>([](QPrintDialog &) { return int(QDialog::Rejected); });
    action(*table, "printAction")->trigger();
    QVERIFY(interaction.messages.isEmpty());
    QVERIFY(!QFileInfo::exists(output));
    QCOMPARE(m_fixture.storedSettings().value(QStringLiteral("printtype")).toString(),
             QStringLiteral("PRINTER"));

    // The printer chosen gets the pages; here it prints into a file.
    expectSettings([](PrintSettingsDialog &) {});
    interaction.expectDialog<QPrintDialog>([&](QPrintDialog &dialog) {
        dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog.printer()->setOutputFileName(output);
        return int(QDialog::Accepted);
    });
    action(*table, "printAction")->trigger();
    QVERIFY2(interaction.messages.isEmpty(), qPrintable(interaction.messages.join('\n')));
    QVERIFY(interaction.openedDocuments.isEmpty());
    QFile file(output);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("%PDF-"));
    QVERIFY(kept().isEmpty());

    // Without Temp the pictures cannot be made, and the user is told.
    QVERIFY(QDir(m_fixture.appDir() + QStringLiteral("/Temp")).removeRecursively());
    expectSettings([](PrintSettingsDialog &) {});
    interaction.expectDialog<QPrintDialog>([](QPrintDialog &) { return int(QDialog::Accepted); });
    action(*table, "printAction")->trigger();
    QCOMPARE(interaction.messages.size(), 1);
    QVERIFY(
        interaction.messages.first().startsWith(QStringLiteral("Could not print the reading.\n")));
}

void TestPrintCommand::cancelChangesNothing()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    QVERIFY(layReading(*table));
    m_fixture.interaction.expectDialog<PrintSettingsDialog>([](PrintSettingsDialog &dialog) {
        QTest::mouseClick(dialog.wordButton, Qt::LeftButton);
        QTest::mouseClick(dialog.cancelButton, Qt::LeftButton);
        return dialog.result();
    });
    action(*table, "printAction")->trigger();
    QCOMPARE(table->preferences().reportFormat(), ReportFormat::Html);
    QVERIFY(kept().isEmpty());
    QVERIFY(m_fixture.interaction.openedDocuments.isEmpty());
}

void TestPrintCommand::failuresAreReported()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    QVERIFY(layReading(*table));
    ScriptedInteraction &interaction = m_fixture.interaction;
    const UiTextTable &texts = table->programData().uiTexts();
    const struct
    {
        QRadioButton *PrintSettingsDialog::*button;
        const char *pattern;
        UiText::Index application;
    } formats[] = {
        {&PrintSettingsDialog::htmlButton, "*.htm", UiText::ApplicationForHtml},
        {&PrintSettingsDialog::wordButton, "*.docx", UiText::ApplicationForWord},
        {&PrintSettingsDialog::pdfButton, "*.pdf", UiText::ApplicationForPdf},
    };
    // The desktop's opener fails (as xdg-open does without an application for the file):
    // the user learns which file, which folder and what kind of application it needs, and
    // may open the folder.
    QTemporaryDir bin;
    QVERIFY(bin.isValid());
    const QString opener = bin.filePath(QStringLiteral("xdg-open"));
    QVERIFY(WholeFile::write(opener, QByteArray("#!/bin/sh\necho \"$1\" >>\"$0.log\"\nexit 3\n")));
    QVERIFY(QFile::setPermissions(opener, QFile::ReadOwner | QFile::ExeOwner));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
    interaction.desktopOpener = true;
    for (const auto &format : formats) {
        interaction.messages.clear();
        interaction.actionChoices = {true};
        expectSettings([&](PrintSettingsDialog &dialog) {
            QTest::mouseClick(dialog.*format.button, Qt::LeftButton);
        });
        action(*table, "printAction")->trigger();
        // The opener fails for the report, and then for its folder too.
        QTRY_COMPARE(interaction.messages.size(), 2);
        const QFileInfo report(kept(QLatin1String(format.pattern)).last());
        const QString folder = QDir::toNativeSeparators(report.absolutePath());
        QCOMPARE(interaction.messages.first(),
                 texts.string(UiText::ReportNotOpened) + QLatin1Char('\n') +
                     texts.string(UiText::ReportNotOpenedDetail)
                         .arg(report.fileName(), texts.string(format.application), folder));
        QCOMPARE(interaction.actionsOffered.last(), texts.string(UiText::OpenFolder));
        QCOMPARE(interaction.messages.last(), texts.string(UiText::FolderNotOpened).arg(folder));
        QCOMPARE(interaction.openedDocuments.mid(interaction.openedDocuments.size() - 2),
                 QStringList({report.filePath(), report.absolutePath()}));
    }
    qputenv("PATH", path);
    interaction.desktopOpener = false;
    QByteArray log;
    QVERIFY(WholeFile::read(opener + QStringLiteral(".log"), log));
    QCOMPARE(log.count('\n'), 6);

    // Without a folder to keep it in nothing is written or opened; the settings are stored
    // even so.
    interaction.messages.clear();
    interaction.openedDocuments.clear();
    const QString reports = m_fixture.appDir() + QStringLiteral("/Reports");
    QVERIFY(QDir(reports).removeRecursively());
    QVERIFY(WholeFile::write(reports, QByteArray("in the way")));
    expectSettings([](PrintSettingsDialog &dialog) {
        QTest::mouseClick(dialog.htmlButton, Qt::LeftButton);
        QTest::mouseClick(dialog.spreadViewCheck, Qt::LeftButton);
    });
    action(*table, "printAction")->trigger();
    QCOMPARE(interaction.messages.size(), 1);
    QVERIFY(
        interaction.messages.first().startsWith(QStringLiteral("Could not create HTML file.\n")));
    QVERIFY(interaction.messages.first().contains(QStringLiteral("Reports")));
    QVERIFY(interaction.openedDocuments.isEmpty());
    QCOMPARE(m_fixture.storedSettings().value(QStringLiteral("printview")).toString(),
             QStringLiteral("no"));
}

QTEST_MAIN(TestPrintCommand)
#include "test_PrintCommand.moc"
