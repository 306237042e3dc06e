// Saves readings from the real table and opens them again, after a restart
// too: comments, the proposed file name, deck switching, and the refusals.
#include "TableFixture.h"
#include "core/readings/ReadingFile.h"
#include "core/util/Misc.h"
#include "core/util/WholeFile.h"
#include "ui/readings/CommentsWindow.h"
#include "ui/readings/ExtraCardWarning.h"
#include "ui/spreads/SpreadChooser.h"
#include "ui/table/CardImage.h"
#include "ui/table/TableCanvas.h"
#include "ui/table/TableWindow.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

class TestTableReadings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void savedReadingOpensAfterRestart();
    void incompleteReadingIsNotSaved();
    void failedSaveIsReported();
    void majorArcanaReadingSwitchesTheDeck();
    void refusals();

private:
    // Lays `spread` and draws every position by clicking the fan.
    void layReading(TableWindow &table, const QString &spread);
    void expectComments(const QString &text);
    void expectFile(const QString &path, QString *proposed = nullptr);
    QString savedPath(const QString &name) const;

    TableFixture m_fixture;
};

void TestTableReadings::init()
{
    QVERIFY(m_fixture.setUp());
    m_fixture.copySpreads();
    m_fixture.linkDecks();
    QSettings settings = m_fixture.storedSettings();
    settings.setValue(QStringLiteral("cutdeck"), QStringLiteral("no"));
    settings.setValue(QStringLiteral("UseReverse"), QStringLiteral("yes"));
}

void TestTableReadings::cleanup()
{
    QVERIFY2(m_fixture.interaction.problems().isEmpty(),
             qPrintable(m_fixture.interaction.problems().join(QLatin1Char('\n'))));
}

QString TestTableReadings::savedPath(const QString &name) const
{
    return m_fixture.appDir() + QStringLiteral("/Saved/") + name;
}

void TestTableReadings::layReading(TableWindow &table, const QString &spread)
{
    m_fixture.interaction.expectDialog<SpreadChooser>([spread](SpreadChooser &chooser) {
        chooser.spreadList->setCurrentItem(
            chooser.spreadList->findItems(spread, Qt::MatchExactly)[0]);
        QTest::mouseClick(chooser.okButton, Qt::LeftButton);
        return chooser.result();
    });
    table.SelectlayoutF12->trigger();
    QTest::mouseClick(table.SpeedButton1, Qt::LeftButton);
    QTest::qWait(20);
    QTest::mouseClick(table.SpeedButton2, Qt::LeftButton);
    for (int slot = table.DeckSize - 1; table.DrawnCount < table.spread.PositionCount; --slot) {
        const Card &card = table.Cards[slot];
        if (card.isPainted())
            QTest::mouseClick(table.Canvas, Qt::LeftButton, {}, QPoint(card.X + 5, card.Y + 50));
    }
}

void TestTableReadings::expectComments(const QString &text)
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

void TestTableReadings::expectFile(const QString &path, QString *proposed)
{
    m_fixture.interaction.expectDialog<QFileDialog>([path, proposed](QFileDialog &files) {
        if (proposed && !files.selectedFiles().isEmpty())
            *proposed = QFileInfo(files.selectedFiles().first()).fileName();
        files.selectFile(path);
        return int(QDialog::Accepted);
    });
}

void TestTableReadings::savedReadingOpensAfterRestart()
{
    const QString path = savedPath(QStringLiteral("evening.reading"));
    const QString comments = QStringLiteral("3 cards tonight\nThe second line\nand a third");
    Deck::Slots deck;
    Spread laid;
    {
        auto table = m_fixture.startTable();
        QVERIFY(table);
        layReading(*table, QStringLiteral("Celtic Cross"));
        QCOMPARE(table->DrawnCount, 10);
        deck = table->Cards;
        laid = table->spread;
        expectComments(comments);
        QString proposed;
        expectFile(path, &proposed);
        table->Savecurrentreading1->trigger();
        QCOMPARE(proposed, ReadingFile::proposedFileName(QDate::currentDate(), QLocale::system(),
                                                         false, QStringLiteral("Celtic Cross")) +
                               QStringLiteral(".reading"));
        QVERIFY(proposed.contains(QStringLiteral(" - Celtic Cross")));
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(QString::fromLocal8Bit(table->ReportComments),
                 QString(comments).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
        table->close();
    }
    QByteArray bytes;
    QVERIFY(WholeFile::read(path, bytes));
    QVERIFY(bytes.startsWith("!updatedformat!"));

    auto table = m_fixture.startTable();
    QVERIFY(table);
    expectFile(path);
    table->Openreading1->trigger();
    QCOMPARE(table->SpreadName, QStringLiteral("Celtic Cross"));
    QCOMPARE(table->DrawnCount, 10);
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(table->spread.CardAt[i], laid.CardAt[i]);
        QCOMPARE(table->spread.PositionReversed[i], laid.PositionReversed[i]);
        QVERIFY(table->spread.Revealed[i]);
    }
    for (int slot = 0; slot < 78; ++slot) {
        QCOMPARE(table->Cards[slot].Number, deck[slot].Number);
        QCOMPARE(table->Cards[slot].Reversed, deck[slot].Reversed);
    }
    QVERIFY(table->DeckFanned);
    QVERIFY(table->TableReady);
    QVERIFY(!table->OpenedReading);
    QCOMPARE(table->Label2->text(), table->uiText(116));
    QVERIFY(table->commentsWindow->isVisible());
    QCOMPARE(table->commentsWindow->commentsEdit->toPlainText(), comments);
}

void TestTableReadings::incompleteReadingIsNotSaved()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    table->Savecurrentreading1->trigger();
    QCOMPARE(m_fixture.interaction.messages, QStringList{table->uiText(92)});
}

void TestTableReadings::failedSaveIsReported()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    layReading(*table, QStringLiteral("Three Cards"));
    expectComments(QString());
    expectFile(m_fixture.appDir() + QStringLiteral("/NoSuchFolder/x.reading"));
    table->Savecurrentreading1->trigger();
    QCOMPARE(m_fixture.interaction.messages,
             QStringList{QStringLiteral("Could not write in a file.")});
    QVERIFY(table->ReportComments.isEmpty());
}

void TestTableReadings::majorArcanaReadingSwitchesTheDeck()
{
    const QString path = savedPath(QStringLiteral("major.reading"));
    {
        QSettings settings = m_fixture.storedSettings();
        settings.setValue(QStringLiteral("MajorOnly"), QStringLiteral("YES"));
    }
    {
        auto table = m_fixture.startTable();
        QVERIFY(table);
        layReading(*table, QStringLiteral("Three Cards"));
        QCOMPARE(table->DeckSize, 22);
        expectComments(QString());
        expectFile(path);
        table->Savecurrentreading1->trigger();
        table->MajorArcanaonly1->trigger(); // back to the full deck for the next start
        table->close();
    }
    auto table = m_fixture.startTable();
    QVERIFY(table);
    QVERIFY(!table->MajorOnly);
    expectFile(path);
    table->Openreading1->trigger();
    QCOMPARE(table->DeckSize, 22);
    QVERIFY(table->MajorOnly);
    QVERIFY(table->MajorArcanaonly1->isChecked());
    QCOMPARE(table->Label4->text(), table->uiText(115));
    QVERIFY(table->commentsWindow->isHidden());
}

void TestTableReadings::refusals()
{
    auto table = m_fixture.startTable();
    QVERIFY(table);
    const auto writeReading = [&](const QString &name, const QByteArray &body) {
        m_fixture.writeFile(QStringLiteral("Saved/") + name,
                            "!updatedformat!" + Misc::ScrambleText(body));
        return savedPath(name);
    };
    QByteArray deck79 = "79\r\nThree Cards\r\n";
    for (int n = 0; n < 79; ++n)
        deck79 += QByteArray::number(n) + "\r\n";
    deck79 += "0\r\n1\r\n2\r\n";
    bool warned = false;
    expectFile(writeReading(QStringLiteral("big.reading"), deck79));
    m_fixture.interaction.expectDialog<ExtraCardWarning>([&](ExtraCardWarning &warning) {
        warned = warning.messageLabel->text().startsWith(table->uiText(106));
        return int(QDialog::Accepted);
    });
    table->Openreading1->trigger();
    QVERIFY(warned);
    QVERIFY(table->SpreadName.isEmpty());

    expectFile(writeReading(QStringLiteral("gone.reading"),
                            QByteArray(deck79).replace("79\r\nThree Cards", "78\r\nGone Away")));
    table->Openreading1->trigger();
    QCOMPARE(m_fixture.interaction.messages.last(),
             table->uiText(108) + QStringLiteral(" 'Gone Away'."));

    expectFile(writeReading(QStringLiteral("broken.reading"), "78\r\nThree Cards\r\n12\r\n99\r\n"));
    table->Openreading1->trigger();
    QCOMPARE(m_fixture.interaction.messages.last(), QStringLiteral("Could not read from file."));

    const int before = int(m_fixture.interaction.messages.size());
    m_fixture.writeFile(QStringLiteral("Saved/empty.reading"), QByteArray());
    expectFile(savedPath(QStringLiteral("empty.reading")));
    table->Openreading1->trigger();
    QCOMPARE(m_fixture.interaction.messages.size(), before);
    QVERIFY(table->SpreadName.isEmpty());
    QCOMPARE(table->spread.PositionCount, 0);
}

QTEST_MAIN(TestTableReadings)
#include "test_TableReadings.moc"
