// Checks the print settings dialog: what it shows of the stored settings, which controls the
// choices grey out, the notice on formats that cannot be written yet, the folder chosen with
// "Save in...", and what OK stores.
#include "core/app/Preferences.h"
#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "ui/reports/PrintSettingsDialog.h"

#include "ScriptedInteraction.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

class TestPrintSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void showsTheSettings_data();
    void showsTheSettings();
    void enableRulesFollowTheChoices();
    void okStoresWhatIsShown();

private:
    UiTextTable m_texts;
    ScriptedInteraction m_interaction;
    const QString m_reports = QStringLiteral("/data/Reports");
};

void TestPrintSettingsDialog::showsTheSettings_data()
{
    QTest::addColumn<int>("printType");
    QTest::addColumn<bool>("flags");
    QTest::newRow("Word, all off") << 0 << false;
    QTest::newRow("HTML, all on") << 1 << true;
    QTest::newRow("OpenDocument, all on") << 2 << true;
    QTest::newRow("PDF, all off") << 3 << false;
    QTest::newRow("printer, all on") << 4 << true;
}

void TestPrintSettingsDialog::showsTheSettings()
{
    QFETCH(int, printType);
    QFETCH(bool, flags);
    Preferences preferences;
    preferences.setReportFormat(ReportFormat(printType));
    preferences.setPrintView(flags);
    preferences.setPrintSchema(flags);
    preferences.setPrintBigCards(flags);
    preferences.setPrintExplanations(flags);
    preferences.setPrintCompact(flags);
    preferences.setReportComments(QStringLiteral("before the move"));
    const PrintSettingsDialog dialog(preferences, m_reports, m_texts, m_interaction);

    QCOMPARE(dialog.wordButton->isChecked(), printType == 0);
    QCOMPARE(dialog.htmlButton->isChecked(), printType == 1);
    QCOMPARE(dialog.openDocumentButton->isChecked(), printType == 2);
    QCOMPARE(dialog.pdfButton->isChecked(), printType == 3);
    QCOMPARE(dialog.printerButton->isChecked(), printType == 4);
    QCOMPARE(dialog.spreadViewCheck->isChecked(), flags);
    QCOMPARE(dialog.schematicButton->isChecked(), flags);
    QCOMPARE(dialog.miniaturesButton->isChecked(), !flags);
    QCOMPARE(dialog.bigCardsCheck->isChecked(), flags);
    QCOMPARE(dialog.explanationsCheck->isChecked(), flags);
    QCOMPARE(dialog.commentsEdit->toPlainText(), QStringLiteral("before the move"));
    QCOMPARE(dialog.commentsEdit->isEnabled(), printType == 1);
    QCOMPARE(dialog.commentsLabel->isEnabled(), printType == 1);
    QCOMPARE(dialog.compactCheck->isChecked(), flags);
    // Only the printer keeps no file, so it has no folder.
    QCOMPARE(dialog.saveInButton->isEnabled(), printType != 4);
    QCOMPARE(dialog.folderLabel->text(), m_texts.string(UiText::ReportFolder).arg(m_reports));
    QCOMPARE(dialog.spreadViewGroup->isEnabled(), flags);
    // Every format offered can be written.
    QVERIFY(dialog.formatNotice->isHidden());
    QCOMPARE(dialog.windowTitle(), m_texts.string(UiText::PrintSettingsCaption));
    QCOMPARE(dialog.openDocumentButton->text(), m_texts.string(UiText::PrintOpenOffice));
    QCOMPARE(dialog.pdfButton->text(), QStringLiteral("In PDF format"));
    QCOMPARE(dialog.printerButton->text(), QStringLiteral("On a printer"));
}

void TestPrintSettingsDialog::enableRulesFollowTheChoices()
{
    Preferences preferences;
    preferences.setReportFormat(ReportFormat::Html);
    PrintSettingsDialog dialog(preferences, m_reports, m_texts, m_interaction);
    dialog.show();
    QVERIFY(dialog.commentsEdit->isEnabled());
    QVERIFY(dialog.formatNotice->isHidden());

    // Only the web page shows the comments; the documents are written all the same.
    for (QRadioButton *document :
         {dialog.wordButton, dialog.openDocumentButton, dialog.pdfButton, dialog.printerButton}) {
        QTest::mouseClick(document, Qt::LeftButton);
        QVERIFY(!dialog.commentsEdit->isEnabled());
        QVERIFY(!dialog.commentsLabel->isEnabled());
        QVERIFY(dialog.formatNotice->isHidden());
    }
    QTest::mouseClick(dialog.htmlButton, Qt::LeftButton);
    QVERIFY(dialog.commentsEdit->isEnabled());
    QVERIFY(dialog.formatNotice->isHidden());

    // Without the spread picture, its two kinds are greyed out.
    QVERIFY(dialog.spreadViewGroup->isEnabled());
    QTest::mouseClick(dialog.spreadViewCheck, Qt::LeftButton);
    QVERIFY(!dialog.spreadViewGroup->isEnabled());
    QVERIFY(!dialog.schematicButton->isEnabled());
    QTest::mouseClick(dialog.spreadViewCheck, Qt::LeftButton);
    QVERIFY(dialog.schematicButton->isEnabled());
}

void TestPrintSettingsDialog::okStoresWhatIsShown()
{
    Preferences preferences;
    preferences.setReportFormat(ReportFormat::Html);
    preferences.setReportComments(QStringLiteral("kept as typed"));
    PrintSettingsDialog dialog(preferences, m_reports, m_texts, m_interaction);
    dialog.show();
    QTest::mouseClick(dialog.schematicButton, Qt::LeftButton);
    QTest::mouseClick(dialog.spreadViewCheck, Qt::LeftButton);
    QTest::mouseClick(dialog.bigCardsCheck, Qt::LeftButton);
    QTest::mouseClick(dialog.explanationsCheck, Qt::LeftButton);
    QTest::mouseClick(dialog.compactCheck, Qt::LeftButton);
    QTest::mouseClick(dialog.wordButton, Qt::LeftButton);
    // "Save in..." offers the folders; a cancelled choice keeps the one shown.
    QTemporaryDir chosen;
    QVERIFY(chosen.isValid());
    m_interaction.expectDialog<QFileDialog>([](QFileDialog &) { return int(QDialog::Rejected); });
    m_interaction.expectDialog<QFileDialog>([&](QFileDialog &files) {
        files.selectFile(chosen.path());
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(dialog.saveInButton, Qt::LeftButton);
    QCOMPARE(dialog.folder(), m_reports);
    QTest::mouseClick(dialog.saveInButton, Qt::LeftButton);
    QCOMPARE(dialog.folder(), chosen.path());
    QVERIFY(dialog.folderLabel->text().endsWith(chosen.path()));
    QTest::mouseClick(dialog.okButton, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    Preferences stored;
    stored.setReportComments(QStringLiteral("to be replaced"));
    dialog.store(stored);
    QCOMPARE(stored.reportFormat(), ReportFormat::Word);
    QCOMPARE(stored.printView(), false);
    // The greyed-out choice still counts.
    QCOMPARE(stored.printSchema(), true);
    QCOMPARE(stored.printBigCards(), true);
    QCOMPARE(stored.printExplanations(), false);
    QCOMPARE(stored.printCompact(), true);
    QCOMPARE(stored.reportFolder(), chosen.path());
    // The comments are kept even while their field is greyed out.
    QCOMPARE(stored.reportComments(), QStringLiteral("kept as typed"));

    PrintSettingsDialog escaped(preferences, m_reports, m_texts, m_interaction);
    escaped.show();
    QTest::keyClick(escaped.bigCardsCheck, Qt::Key_Escape);
    QCOMPARE(escaped.result(), int(QDialog::Rejected));
    // The default folder is stored as none, so that it moves with the user's data.
    escaped.store(stored);
    QCOMPARE(stored.reportFolder(), QString());
    QVERIFY2(m_interaction.problems().isEmpty(), qPrintable(m_interaction.problems().join('\n')));
}

QTEST_MAIN(TestPrintSettingsDialog)
#include "test_PrintSettingsDialog.moc"
