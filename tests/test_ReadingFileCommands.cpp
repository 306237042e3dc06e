// Checks saving readings from the real table and opening them again after a restart: the comments
// asked and shown, the proposed file name, the deck the reading needs, and the files refused.
#include "ReadOnlyFolder.h"
#include "TableFixture.h"
#include "TableSteps.h"
#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "core/readings/ReadingFile.h"
#include "core/util/ScrambledText.h"
#include "core/util/WholeFile.h"
#include "ui/common/UnreadFileIcons.h"
#include "ui/readings/CommentsWindow.h"
#include "ui/readings/ExtraCardWarning.h"

#include <QFileDialog>
#include <QFileIconProvider>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>

using namespace TableSteps;

class TestReadingFileCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void savedReadingOpensAfterRestart();
    void incompleteReadingIsNotSaved();
    void failedSaveIsReported();
    void majorArcanaReadingSwitchesTheDeck();
    void refusedFiles();
    void fileGivenOnTheCommandLineOpens();
    void refusedSpreadFileSaysWhy_data();
    void refusedSpreadFileSaysWhy();
    void fileTypesComeFromNamesAlone();

private:
    // Lays `spread` and draws every position by clicking the fan; false when
    // the reading does not end complete.
    [[nodiscard]] bool layReading(TableWindow &table, const QString &spread);
    // Answers the comments dialog with `text`, or with No comments for a null text.
    void expectComments(const QString &text);
    // Answers the next reading file dialog, `name` naming it, with `path`;
    // records the file name it proposed in the folder of saved readings.
    void expectFile(const QString &name, const QString &path, QString *proposed = nullptr);
    QString savedPath(const QString &name) const;

    TableFixture m_fixture;
};

void TestReadingFileCommands::init()
{
    QVERIFY(m_fixture.setUp());
    QVERIFY(m_fixture.copySpreads());
    QVERIFY(m_fixture.linkDecks());
    QSettings &settings = m_fixture.storedSettings();
    settings.setValue(QStringLiteral("cutdeck"), QStringLiteral("no"));
    settings.setValue(QStringLiteral("UseReverse"), QStringLiteral("yes"));
}

void TestReadingFileCommands::cleanup()
{
    QVERIFY2(m_fixture.interaction.problems().isEmpty(),
             qPrintable(m_fixture.interaction.problems().join(QLatin1Char('\n'))));
}

QString TestReadingFileCommands::savedPath(const QString &name) const
{
    return m_fixture.appDir() + QStringLiteral("/Saved/") + name;
}

bool TestReadingFileCommands::layReading(TableWindow &table, const QString &spread)
{
    startReading(table, m_fixture.interaction, spread);
    shuffleAndStop(table);
    while (table.session().phase() == ReadingSession::Phase::Drawing && topFanSlot(table) >= 0)
        drawTopCard(table);
    return table.session().phase() == ReadingSession::Phase::Complete;
}

void TestReadingFileCommands::expectComments(const QString &text)
{
    m_fixture.interaction.expectDialog<CommentsWindow>([text](CommentsWindow &comments) {
        if (text.isNull()) {
            QTest::mouseClick(comments.noCommentsButton, Qt::LeftButton);
        } else {
            comments.commentsEdit->setPlainText(text);
            QTest::mouseClick(comments.okButton, Qt::LeftButton);
        }
        return comments.result();
    });
}

void TestReadingFileCommands::expectFile(const QString &name, const QString &path,
                                         QString *proposed)
{
    m_fixture.interaction.expectDialog<QFileDialog>([=](QFileDialog &files) {
        if (files.objectName() != name)
            return int(QDialog::Rejected);
        // The dialog starts in the folder of saved readings.
        if (proposed && !files.selectedFiles().isEmpty() &&
            QFileInfo(files.selectedFiles().first()).absolutePath() ==
                savedPath(QString()).chopped(1))
            *proposed = QFileInfo(files.selectedFiles().first()).fileName();
        files.selectFile(path);
        return int(QDialog::Accepted);
    });
}

void TestReadingFileCommands::savedReadingOpensAfterRestart()
{
    const QString path = savedPath(QStringLiteral("evening.reading"));
    const QString comments = QStringLiteral("3 cards tonight\nThe second line\nand a third");
    Deck::Slots deck;
    Placements laid;
    {
        auto table = m_fixture.startTable();
        QVERIFY(table);
        QVERIFY(layReading(*table, QStringLiteral("Celtic Cross")));
        deck = table->session().cards();
        laid = table->session().placements();
        expectComments(comments);
        QString proposed;
        expectFile(QStringLiteral("saveReadingDialog"), path, &proposed);
        action(*table, "saveAction")->trigger();
        QCOMPARE(proposed, ReadingFile::proposedFileName(QDate::currentDate(), QLocale::system(),
                                                         false, QStringLiteral("Celtic Cross")) +
                               QStringLiteral(".reading"));
        QVERIFY(proposed.contains(QStringLiteral(" - Celtic Cross")));
        QVERIFY(m_fixture.interaction.messages.isEmpty());
        // The comments saved with the reading are what a report prints.
        QCOMPARE(table->preferences().reportComments(), comments);
        table->close();
    }
    QByteArray bytes;
    QVERIFY(WholeFile::read(path, bytes));
    QVERIFY(bytes.startsWith(ReadingFile::Header));

    auto table = m_fixture.startTable();
    QVERIFY(table);
    expectFile(QStringLiteral("openReadingDialog"), path);
    action(*table, "openAction")->trigger();
    const ReadingSession &session = table->session();
    QCOMPARE(session.spreadName(), QStringLiteral("Celtic Cross"));
    QCOMPARE(session.phase(), ReadingSession::Phase::Complete);
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(session.placements().at(i).card, laid.at(i).card);
        QCOMPARE(session.placements().at(i).reversed, laid.at(i).reversed);
        QVERIFY(session.placements().isRevealed(i));
    }
    for (int slot = 0; slot < 78; ++slot) {
        QCOMPARE(session.cards()[slot].number, deck[slot].number);
        QCOMPARE(session.cards()[slot].reversed, deck[slot].reversed);
    }
    QVERIFY(part<QWidget>(*table, QStringLiteral("spreadView"))->isVisible());
    QCOMPARE(part<QLabel>(*table, QStringLiteral("promptLabel"))->text(),
             table->programData().uiText(UiText::ReadingOpenedPrompt));
    auto *shown = part<CommentsWindow>(*table, QStringLiteral("openedCommentsWindow"));
    QVERIFY(shown && shown->isVisible());
    QCOMPARE(shown->commentsEdit->toPlainText(), comments);
    QCOMPARE(shown->windowTitle(), QStringLiteral("Comments"));
    QVERIFY(shown->noCommentsButton->isHidden());
    // A language chosen while the comments are shown renames the window too.
    QByteArray list;
    for (int i = 0; i < 139; ++i)
        list += "T" + QByteArray::number(i) + "\r";
    QVERIFY(m_fixture.writeFile(QStringLiteral("Langs/Testish/List.lng"), list));
    expectLanguageChosen(m_fixture.interaction, QStringLiteral("Testish"));
    action(*table, "languageAction")->trigger();
    QCOMPARE(shown->windowTitle(), QStringLiteral("T112"));
    QCOMPARE(shown->okButton->text(), QStringLiteral("T0"));

    // A new reading puts the comments away.
    startReading(*table, m_fixture.interaction, QStringLiteral("Three Cards"));
    QVERIFY(shown->isHidden());
}

void TestReadingFileCommands::incompleteReadingIsNotSaved()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    action(*table, "saveAction")->trigger();
    startReading(*table, m_fixture.interaction, QStringLiteral("Three Cards"));
    shuffleAndStop(*table);
    drawTopCard(*table);
    action(*table, "saveAction")->trigger();
    const QString incomplete = table->programData().uiText(UiText::ReadingIncomplete);
    QCOMPARE(m_fixture.interaction.messages, (QStringList{incomplete, incomplete}));
}

void TestReadingFileCommands::failedSaveIsReported()
{
    // A failed save names the file and the reason, and the comments typed for
    // it come back in the next attempt until one succeeds.
    auto table = m_fixture.startTable();
    QVERIFY(table);
    QVERIFY(layReading(*table, QStringLiteral("Three Cards")));
    const QString typed = QStringLiteral("Words worth keeping\nover two lines");
    const QString badPath = m_fixture.appDir() + QStringLiteral("/NoSuchFolder/x.reading");
    expectComments(typed);
    expectFile(QStringLiteral("saveReadingDialog"), badPath);
    action(*table, "saveAction")->trigger();
    QCOMPARE(m_fixture.interaction.messages.size(), 1);
    const QString message = m_fixture.interaction.messages.first();
    QVERIFY2(message.startsWith(UiTextTable().string(UiText::ReadingNotWritten)),
             qPrintable(message));
    QVERIFY2(message.contains(QDir::toNativeSeparators(badPath) + QStringLiteral(": ")),
             qPrintable(message));
    QVERIFY2(!message.endsWith(QStringLiteral(": ")), qPrintable(message));

    // Cancelling the file dialog keeps them too.
    QString offered;
    const auto takeOffered = [&offered](CommentsWindow &comments) {
        offered = comments.commentsEdit->toPlainText();
        QTest::mouseClick(comments.okButton, Qt::LeftButton);
        return comments.result();
    };
    m_fixture.interaction.expectDialog<CommentsWindow>(takeOffered);
    m_fixture.interaction.expectDialog<QFileDialog>([](QFileDialog &) { return 0; });
    action(*table, "saveAction")->trigger();
    QCOMPARE(offered, typed);

    const QString goodPath = savedPath(QStringLiteral("second try.reading"));
    m_fixture.interaction.expectDialog<CommentsWindow>(takeOffered);
    expectFile(QStringLiteral("saveReadingDialog"), goodPath);
    action(*table, "saveAction")->trigger();
    QCOMPARE(offered, typed);
    QCOMPARE(m_fixture.interaction.messages.size(), 1);
    QByteArray bytes;
    QVERIFY(WholeFile::read(goodPath, bytes));
    QVERIFY(bytes.endsWith(ScrambledText::scramble(ReadingFile::commentsFromMemo(typed))));

    // Once saved, the next save starts with an empty box.
    m_fixture.interaction.expectDialog<CommentsWindow>(takeOffered);
    expectFile(QStringLiteral("saveReadingDialog"), goodPath);
    action(*table, "saveAction")->trigger();
    QCOMPARE(offered, QString());

    // Comments kept from a failed save do not follow into a new reading.
    expectComments(typed);
    expectFile(QStringLiteral("saveReadingDialog"), badPath);
    action(*table, "saveAction")->trigger();
    QCOMPARE(m_fixture.interaction.messages.size(), 2);
    QVERIFY(layReading(*table, QStringLiteral("Three Cards")));
    m_fixture.interaction.expectDialog<CommentsWindow>(takeOffered);
    m_fixture.interaction.expectDialog<QFileDialog>([](QFileDialog &) { return 0; });
    action(*table, "saveAction")->trigger();
    QCOMPARE(offered, QString());
}

void TestReadingFileCommands::majorArcanaReadingSwitchesTheDeck()
{
    const QString path = savedPath(QStringLiteral("major.reading"));
    m_fixture.storedSettings().setValue(QStringLiteral("MajorOnly"), QStringLiteral("YES"));
    {
        auto table = m_fixture.startTable();
        QVERIFY(table);
        QVERIFY(layReading(*table, QStringLiteral("Three Cards")));
        QCOMPARE(table->session().deckSize(), 22);
        expectComments(QString());
        expectFile(QStringLiteral("saveReadingDialog"), path);
        action(*table, "saveAction")->trigger();
        action(*table, "majorArcanaOnlyAction")->trigger(); // the full deck for the next start
        table->close();
    }
    auto table = m_fixture.startTable();
    QVERIFY(table);
    QAction *majorOnly = action(*table, "majorArcanaOnlyAction");
    QVERIFY(!majorOnly->isChecked());
    QVERIFY(part<QLabel>(*table, QStringLiteral("optionNotice"))->text().isEmpty());
    expectFile(QStringLiteral("openReadingDialog"), path);
    action(*table, "openAction")->trigger();
    QCOMPARE(table->session().deckSize(), 22);
    QVERIFY(table->preferences().majorOnly());
    QVERIFY(majorOnly->isChecked());
    QCOMPARE(part<QLabel>(*table, QStringLiteral("optionNotice"))->text(),
             table->programData().uiText(UiText::MajorArcanaOnlyNotice));
    // Saved without comments: none are shown.
    const auto *opened = part<CommentsWindow>(*table, QStringLiteral("openedCommentsWindow"));
    QVERIFY(!opened || opened->isHidden());
}

void TestReadingFileCommands::refusedFiles()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    const QString open = QStringLiteral("openReadingDialog");
    // The path of the reading written; empty, which no dialog answer opens, when
    // it could not be written.
    const auto writeReading = [&](const QString &name, const QByteArray &body) {
        return m_fixture.writeFile(QStringLiteral("Saved/") + name,
                                   ReadingFile::Header + ScrambledText::scramble(body))
                   ? savedPath(name)
                   : QString();
    };
    QByteArray deck79 = "79\r\nThree Cards\r\n";
    for (int n = 0; n < 79; ++n)
        deck79 += QByteArray::number(n) + "\r\n";
    deck79 += "0\r\n1\r\n2\r\n";

    // A reading with the extra card on a deck without it.
    bool warned = false;
    expectFile(open, writeReading(QStringLiteral("big.reading"), deck79));
    m_fixture.interaction.expectDialog<ExtraCardWarning>([&](ExtraCardWarning &warning) {
        warned = warning.messageLabel->text().startsWith(
            table->programData().uiText(UiText::Deck79WarningStart));
        return int(QDialog::Accepted);
    });
    action(*table, "openAction")->trigger();
    QVERIFY(warned);
    QVERIFY(table->session().spreadName().isEmpty());

    expectFile(open,
               writeReading(QStringLiteral("gone.reading"),
                            QByteArray(deck79).replace("79\r\nThree Cards", "78\r\nGone Away")));
    action(*table, "openAction")->trigger();
    QCOMPARE(m_fixture.interaction.messages.last(),
             table->programData().uiText(UiText::SpreadMissingForReading) +
                 QStringLiteral(" 'Gone Away'."));

    expectFile(open,
               writeReading(QStringLiteral("broken.reading"), "78\r\nThree Cards\r\n12\r\n99\r\n"));
    action(*table, "openAction")->trigger();
    QCOMPARE(m_fixture.interaction.messages.last(), QStringLiteral("Could not read from file."));

    // An empty file is passed over in silence.
    const int before = int(m_fixture.interaction.messages.size());
    QVERIFY(m_fixture.writeFile(QStringLiteral("Saved/empty.reading"), QByteArray()));
    expectFile(open, savedPath(QStringLiteral("empty.reading")));
    action(*table, "openAction")->trigger();
    QCOMPARE(m_fixture.interaction.messages.size(), before);
    QVERIFY(table->session().spreadName().isEmpty());
    QCOMPARE(table->session().phase(), ReadingSession::Phase::NoSpread);
    QVERIFY(!positionImage(*table, 0));

    // A picture is named as what it is not, and leaves the table alone.
    QVERIFY(m_fixture.writeFile(QStringLiteral("Saved/cat.reading"),
                                QByteArray("\xff\xd8\xff\xe0\0\x10JFIF\0\x01\x01\r\n\x7f", 17)));
    expectFile(open, savedPath(QStringLiteral("cat.reading")));
    action(*table, "openAction")->trigger();
    QCOMPARE(m_fixture.interaction.messages.last(),
             table->programData().uiText(UiText::NotAReadingFile) +
                 QStringLiteral(" 'cat.reading'."));
    QCOMPARE(table->session().phase(), ReadingSession::Phase::NoSpread);

    // A spread file deleted since the start refuses the reading before the
    // reading on the table is replaced.
    startReading(*table, m_fixture.interaction, QStringLiteral("Celtic Cross"));
    QVERIFY(QFile::remove(m_fixture.appDir() + QStringLiteral("/Spreads/Three Cards.spread")));
    expectFile(open, writeReading(QStringLiteral("three.reading"),
                                  QByteArray(deck79).replace("79\r\nThree", "78\r\nThree")));
    action(*table, "openAction")->trigger();
    QCOMPARE(m_fixture.interaction.messages.last(),
             table->programData().uiText(UiText::SpreadMissingForReading) +
                 QStringLiteral(" 'Three Cards'."));
    QCOMPARE(table->session().spreadName(), QStringLiteral("Celtic Cross"));
    QVERIFY(table->session().phase() != ReadingSession::Phase::Complete);
}

void TestReadingFileCommands::fileGivenOnTheCommandLineOpens()
{
    const QString path = savedPath(QStringLiteral("given.reading"));
    {
        auto table = m_fixture.startTable();
        QVERIFY(table);
        QVERIFY(layReading(*table, QStringLiteral("Three Cards")));
        expectComments(QString());
        expectFile(QStringLiteral("saveReadingDialog"), path);
        action(*table, "saveAction")->trigger();
        table->close();
    }
    auto table = m_fixture.startTable();
    QVERIFY(table);
    table->openFile(path);
    QCOMPARE(table->session().spreadName(), QStringLiteral("Three Cards"));
    QCOMPARE(table->session().phase(), ReadingSession::Phase::Complete);
    QVERIFY(m_fixture.interaction.messages.isEmpty());

    // A damaged file gets the message Readings > Open gives for it.
    const QString damaged = savedPath(QStringLiteral("damaged.reading"));
    QVERIFY(WholeFile::write(damaged, QByteArray(ReadingFile::Header) + "\x01\x02"));
    table->openFile(damaged);
    expectFile(QStringLiteral("openReadingDialog"), damaged);
    action(*table, "openAction")->trigger();
    QCOMPARE(m_fixture.interaction.messages.size(), 2);
    QCOMPARE(m_fixture.interaction.messages.at(0), m_fixture.interaction.messages.at(1));
    QCOMPARE(table->session().spreadName(), QStringLiteral("Three Cards"));

    // A spread file from elsewhere starts a reading and joins the spreads.
    QTemporaryDir elsewhere;
    const QString spread = elsewhere.filePath(QStringLiteral("Borrowed.spread"));
    QVERIFY(
        QFile::copy(m_fixture.appDir() + QStringLiteral("/Spreads/Three Cards.spread"), spread));
    table->openFile(spread);
    QCOMPARE(table->session().spreadName(), QStringLiteral("Borrowed"));
    QCOMPARE(table->session().phase(), ReadingSession::Phase::ReadyToShuffle);
    QVERIFY(table->programData().spreadNames().contains(QStringLiteral("Borrowed")));
    QVERIFY(QFileInfo::exists(m_fixture.appDir() + QStringLiteral("/Spreads/Borrowed.spread")));
    QCOMPARE(m_fixture.interaction.messages.size(), 2);
}

void TestReadingFileCommands::refusedSpreadFileSaysWhy_data()
{
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<bool>("spreadsReadOnly");
    QTest::addColumn<int>("headline");
    QTest::newRow("no spread") << true << false << int(UiText::SpreadUnreadable);
    QTest::newRow("spreads folder read-only") << false << true << int(UiText::SpreadNotSaved);
}

void TestReadingFileCommands::refusedSpreadFileSaysWhy()
{
    // A spread file from elsewhere that cannot be laid, or cannot be copied
    // among the user's spreads, is refused under a headline that says which.
    QFETCH(bool, damaged);
    QFETCH(bool, spreadsReadOnly);
    QFETCH(int, headline);
    QTemporaryDir elsewhere;
    const QString spread = elsewhere.filePath(QStringLiteral("Lent.spread"));
    const QString bundled = m_fixture.appDir() + QStringLiteral("/Spreads/Three Cards.spread");
    QVERIFY(damaged ? WholeFile::write(spread, "not a spread") : QFile::copy(bundled, spread));
    auto table = m_fixture.startTable();
    QVERIFY(table);
    std::unique_ptr<ReadOnlyFolder> readOnly;
    if (spreadsReadOnly) {
        readOnly = std::make_unique<ReadOnlyFolder>(QFileInfo(bundled).path());
        if (!readOnly->isReadOnly())
            QSKIP("The spreads folder cannot be made read-only here");
    }
    table->openFile(spread);
    QCOMPARE(m_fixture.interaction.messages.size(), 1);
    const QString message = m_fixture.interaction.messages.first();
    QVERIFY2(message.startsWith(table->programData().uiText(headline) + QStringLiteral("\n\n")),
             qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("Lent.spread")), qPrintable(message));
    QVERIFY(!table->programData().spreadNames().contains(QStringLiteral("Lent")));
}

// The Open dialog names a file's type by its ending and never reads it: the
// desktop's lookup would call this file a picture, by its first bytes.
void TestReadingFileCommands::fileTypesComeFromNamesAlone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("evening.reading"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QImage(4, 4, QImage::Format_RGB32).save(&file, "PNG");
    file.close();
    const QString sniffed = QFileIconProvider().type(QFileInfo(path));
    const QString named = UnreadFileIcons().type(QFileInfo(path));
    QVERIFY2(sniffed.contains(QStringLiteral("PNG")), qPrintable(sniffed));
    QVERIFY2(named.contains(QStringLiteral("reading")), qPrintable(named));
    QCOMPARE(UnreadFileIcons().type(QFileInfo(dir.path())),
             QFileIconProvider().type(QFileInfo(dir.path())));
}

QTEST_MAIN(TestReadingFileCommands)
#include "test_ReadingFileCommands.moc"
