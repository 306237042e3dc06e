// Checks the card detail window: its layout, title, picture and meaning
// text, the rule that an edit counts until saved, the close question, and
// where Save writes, including a write that fails.
#include "ScriptedInteraction.h"
#include "core/app/TableState.h"
#include "ui/cards/CardDetailWindow.h"
#include "ui/cards/MeaningSaveDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestShowForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensWithLayoutTitlePictureAndText();
    void undoneEditStillCountsAndAsksOnClose();
    void escapeClosesAnUneditedWindow();
    void saveWithNothingCheckedWritesNothing();
    void defaultMeaningWithoutLanguageFileGoesToEnglish();
    void failedWriteKeepsTextUnsaved();

private:
    std::unique_ptr<CardDetailWindow> openWindow(int number, bool reversed);
    void writeFile(const QString &relativePath, const QByteArray &bytes);
    QString path(const QString &relativePath) const { return m_appDir->filePath(relativePath); }
    void expectSaveChoice(bool withDeck, bool asDefault);

    std::unique_ptr<QTemporaryDir> m_appDir;
    TableState m_state;
    ScriptedInteraction m_interaction;
};

void TestShowForm::init()
{
    m_appDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_appDir->isValid());
    QVERIFY(QDir(m_appDir->path()).mkpath(QStringLiteral("Pics/Deck")));
    m_interaction = ScriptedInteraction();
    m_state = TableState();
    m_state.AppDir = m_appDir->path();
    m_state.DeckName = QStringLiteral("Deck");
    m_state.Language = QStringLiteral("Testish");
    QList<QByteArray> texts;
    for (int i = 0; i < 139; ++i)
        texts << "T" + QByteArray::number(i);
    m_state.UiTexts.replace(texts);
    m_state.CardTitles[12] = "Card twelve";
    writeFile(QStringLiteral("Langs/English/Texts/12.txt"), "line one\r\nline two");
    writeFile(QStringLiteral("Langs/English/Texts/12r.txt"), "reversed one\r\nreversed two");
}

void TestShowForm::cleanup()
{
    QVERIFY2(m_interaction.unexpectedDialogs.isEmpty(),
             qPrintable(m_interaction.unexpectedDialogs.join(QLatin1Char(','))));
}

void TestShowForm::writeFile(const QString &relativePath, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path(relativePath)).path()));
    QFile file(path(relativePath));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

std::unique_ptr<CardDetailWindow> TestShowForm::openWindow(int number, bool reversed)
{
    auto window = std::make_unique<CardDetailWindow>(m_state, m_interaction, number, reversed,
                                                     QByteArray("The outcome"));
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    return window;
}

void TestShowForm::expectSaveChoice(bool withDeck, bool asDefault)
{
    m_interaction.expectDialog([withDeck, asDefault](QDialog &dialog) {
        auto &choice = dynamic_cast<MeaningSaveDialog &>(dialog);
        choice.load({withDeck, asDefault});
        QTest::mouseClick(choice.BitBtn1, Qt::LeftButton);
        return choice.result();
    });
}

void TestShowForm::opensWithLayoutTitlePictureAndText()
{
    QImage picture(400, 600, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).fillRect(0, 0, 100, 100, Qt::black);
    QVERIFY(picture.save(path(QStringLiteral("Pics/Deck/12.jpg")), "JPG", 95));
    m_state.DetailWidth = 600;
    m_state.DetailHeight = 500;
    m_state.KeepActual = false;
    m_state.KeepStraight = true;

    QString title;
    m_interaction.expectDialog([&](QDialog &dialog) {
        title = dialog.windowTitle();
        return int(QDialog::Rejected);
    });
    CardDetailWindow::ShowCardDetail(m_state, m_interaction, nullptr, 12, true, "The outcome");
    QCOMPARE(title, QStringLiteral("Card twelve (T78)"));

    auto window = openWindow(12, true);
    QVERIFY(window);
    QCOMPARE(window->size(), QSize(600, 500));
    QCOMPARE(window->Label1->text(), QStringLiteral("Card twelve (T78)"));
    QCOMPARE(window->Label2->text(), QStringLiteral("The outcome"));
    QCOMPARE(window->Memo1->geometry(), QRect(600 - 229 - 29, 80, 229, 248));
    QCOMPARE(window->Label2->x(), 600 - 254);
    QCOMPARE(window->BitBtn1->pos(), QPoint(600 - 222, 430));
    QCOMPARE(window->BitBtn2->pos(), QPoint(600 - 126, 430));
    QCOMPARE(window->BitBtn1->text(), QStringLiteral("T71"));
    QCOMPARE(window->BitBtn2->text(), QStringLiteral("T5"));
    QVERIFY(!window->BitBtn2->isEnabled());
    QCOMPARE(window->Image1->geometry(), QRect(24, 80, 193, 290));
    // Kept straight: the dark corner of the file stays at the top left.
    const QImage shown = window->Image1->pixmap().toImage();
    QVERIFY(shown.pixelColor(10, 10).lightness() < 60);
    QVERIFY(shown.pixelColor(390, 590).lightness() > 200);
    QCOMPARE(window->Memo1->toPlainText(), QStringLiteral("reversed one\nreversed two"));
    QVERIFY(window->Label1->font().bold());
    QVERIFY(window->Label1->wordWrap());
    QCOMPARE(window->Label1->palette().color(QPalette::WindowText), QColor(Qt::blue));
}

void TestShowForm::undoneEditStillCountsAndAsksOnClose()
{
    auto window = openWindow(12, false);
    QVERIFY(window);
    QTest::keyClick(window->Memo1, Qt::Key_End);
    QVERIFY(!window->Modified);
    QTest::keyClick(window->Memo1, Qt::Key_X);
    QTest::keyClick(window->Memo1, Qt::Key_Backspace);
    QCOMPARE(window->Memo1->toPlainText(), window->LoadedText);
    QVERIFY(window->Modified);
    QVERIFY(window->BitBtn2->isEnabled());

    m_interaction.answers.push_back(false);
    QTest::mouseClick(window->BitBtn1, Qt::LeftButton);
    QCOMPARE(m_interaction.questions, QStringList{QStringLiteral("T126")});
    QVERIFY(!window->isVisible());
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("Pics/Deck/12.txt"))));
}

void TestShowForm::escapeClosesAnUneditedWindow()
{
    auto window = openWindow(12, false);
    QVERIFY(window);
    QTest::keyClick(window->Memo1, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    QVERIFY(m_interaction.questions.isEmpty());
}

void TestShowForm::saveWithNothingCheckedWritesNothing()
{
    auto window = openWindow(12, false);
    QVERIFY(window);
    QTest::keyClicks(window->Memo1, QStringLiteral("more"));
    bool offeredDeck = false;
    m_interaction.expectDialog([&](QDialog &dialog) {
        auto &choice = dynamic_cast<MeaningSaveDialog &>(dialog);
        offeredDeck = choice.CheckBox1->isChecked() && !choice.CheckBox2->isChecked();
        choice.CheckBox1->setChecked(false);
        QTest::mouseClick(choice.BitBtn1, Qt::LeftButton);
        return choice.result();
    });
    QTest::mouseClick(window->BitBtn2, Qt::LeftButton);

    QVERIFY(offeredDeck);
    QVERIFY(!m_state.SaveWithDeck);
    QVERIFY(!m_state.SaveAsDefault);
    QVERIFY(!window->Modified);
    QVERIFY(!window->BitBtn2->isEnabled());
    QCOMPARE(window->LoadedText, window->Memo1->toPlainText());
    QCOMPARE(QDir(path(QStringLiteral("Pics/Deck"))).entryList(QDir::Files), QStringList());
    QFile english(path(QStringLiteral("Langs/English/Texts/12.txt")));
    QVERIFY(english.open(QIODevice::ReadOnly));
    QCOMPARE(english.readAll(), QByteArray("line one\r\nline two"));

    // Saved, so closing asks nothing.
    window->close();
    QVERIFY(m_interaction.questions.isEmpty());
}

void TestShowForm::defaultMeaningWithoutLanguageFileGoesToEnglish()
{
    m_state.SaveWithDeck = false;
    m_state.SaveAsDefault = true;
    auto window = openWindow(12, true);
    QVERIFY(window);
    QTest::keyClick(window->Memo1, Qt::Key_Home);
    QTest::keyClicks(window->Memo1, QStringLiteral("new "));

    // OK on the close question saves first; the save dialog, closed
    // without OK, leaves the previous choices in force.
    m_interaction.expectDialog([](QDialog &dialog) {
        auto &choice = dynamic_cast<MeaningSaveDialog &>(dialog);
        choice.load({true, false});
        choice.reject();
        return choice.result();
    });
    window->close();
    QVERIFY(!window->isVisible());
    QCOMPARE(m_interaction.questions.size(), 1);
    QVERIFY(!m_state.SaveWithDeck);
    QFile english(path(QStringLiteral("Langs/English/Texts/12r.txt")));
    QVERIFY(english.open(QIODevice::ReadOnly));
    QCOMPARE(english.readAll(), QByteArray("new reversed one\r\nreversed two"));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("Langs/Testish/Texts/12r.txt"))));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("Pics/Deck/12r.txt"))));
}

void TestShowForm::failedWriteKeepsTextUnsaved()
{
    // The deck has no folder, so neither its picture nor its text can be found
    // or written.
    m_state.DeckName = QStringLiteral("Gone");
    auto window = openWindow(12, false);
    QVERIFY(window);
    QVERIFY(window->Image1->pixmap().isNull());
    QTest::keyClicks(window->Memo1, QStringLiteral("edited "));
    expectSaveChoice(true, false);
    QTest::mouseClick(window->BitBtn2, Qt::LeftButton);

    QCOMPARE(m_interaction.messages.size(), 1);
    const QString deckFile = QDir::toNativeSeparators(path(QStringLiteral("Pics/Gone/12.txt")));
    QVERIFY2(m_interaction.messages.at(0).contains(deckFile),
             qPrintable(m_interaction.messages.at(0)));
    QVERIFY(window->Modified);
    QVERIFY(window->BitBtn2->isEnabled());
    QVERIFY(window->LoadedText != window->Memo1->toPlainText());

    // Saving on close fails again: the window stays open rather than lose the text.
    expectSaveChoice(true, false);
    window->close();
    QVERIFY(window->isVisible());
    QCOMPARE(m_interaction.messages.size(), 2);

    // Declining to save then closes it.
    m_interaction.answers.push_back(false);
    window->close();
    QVERIFY(!window->isVisible());
    QCOMPARE(m_interaction.questions.size(), 2);
}

QTEST_MAIN(TestShowForm)
#include "test_CardDetailWindow.moc"
