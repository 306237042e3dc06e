// Checks the card detail window: its layout, title, picture and meaning
// text, the rule that an edit counts until saved, the close question, and
// where Save writes, including a write that fails.
#include "ScriptedInteraction.h"
#include "TestFiles.h"
#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/cards/CardFaceCache.h"
#include "core/cards/CardPicture.h"
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

class TestCardDetailWindow : public QObject
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
    void codePageMeaningIsShownAndSavedInItsCodePage();

private:
    std::unique_ptr<CardDetailWindow> openWindow(int number, bool reversed);
    [[nodiscard]] bool writeFile(const QString &relativePath, const QByteArray &bytes);
    QString path(const QString &relativePath) const { return m_appDir->filePath(relativePath); }
    void expectSaveChoice(bool withDeck, bool asDefault);

    std::unique_ptr<QTemporaryDir> m_appDir;
    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<ProgramData> m_data;
    std::unique_ptr<CardFaceCache> m_faces;
    ScriptedInteraction m_interaction;
};

void TestCardDetailWindow::init()
{
    m_appDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_appDir->isValid());
    QVERIFY(QDir(m_appDir->path()).mkpath(QStringLiteral("Pics/Deck")));
    m_interaction = ScriptedInteraction();
    m_preferences = std::make_unique<Preferences>();
    m_preferences->setDeckName(QStringLiteral("Deck"));
    m_preferences->setLanguage(QStringLiteral("Testish"));
    QByteArray texts;
    for (int i = 0; i < 139; ++i)
        texts += "T" + QByteArray::number(i) + "\r\n";
    QVERIFY(writeFile(QStringLiteral("Langs/Testish/List.lng"), texts));
    // The card list has two lines each for cards 8 and 11, so card 12 is on line 14.
    QByteArray titles;
    for (int line = 0; line < 90; ++line)
        titles +=
            (line == 14 ? QByteArray("Card twelve") : "C" + QByteArray::number(line)) + "\r\n";
    QVERIFY(writeFile(QStringLiteral("Langs/Testish/Cards.lng"), titles));
    m_data = std::make_unique<ProgramData>(m_appDir->path());
    m_data->loadLanguage(*m_preferences);
    m_faces = std::make_unique<CardFaceCache>(m_appDir->path());
    QVERIFY(writeFile(QStringLiteral("Langs/English/Texts/12.txt"), "line one\r\nline two"));
    QVERIFY(
        writeFile(QStringLiteral("Langs/English/Texts/12r.txt"), "reversed one\r\nreversed two"));
}

void TestCardDetailWindow::cleanup()
{
    QVERIFY2(m_interaction.problems().isEmpty(),
             qPrintable(m_interaction.problems().join(QLatin1Char('\n'))));
}

bool TestCardDetailWindow::writeFile(const QString &relativePath, const QByteArray &bytes)
{
    return writeTestFile(path(relativePath), bytes);
}

std::unique_ptr<CardDetailWindow> TestCardDetailWindow::openWindow(int number, bool reversed)
{
    auto window = std::make_unique<CardDetailWindow>(
        DialogContext{*m_data, *m_preferences, *m_faces, m_interaction}, number, reversed,
        QByteArray("The outcome"));
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    return window;
}

void TestCardDetailWindow::expectSaveChoice(bool withDeck, bool asDefault)
{
    m_interaction.expectDialog<MeaningSaveDialog>([withDeck, asDefault](MeaningSaveDialog &choice) {
        choice.load({withDeck, asDefault});
        QTest::mouseClick(choice.okButton, Qt::LeftButton);
        return choice.result();
    });
}

void TestCardDetailWindow::opensWithLayoutTitlePictureAndText()
{
    QImage picture(400, 600, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).fillRect(0, 0, 100, 100, Qt::black);
    QVERIFY(picture.save(path(QStringLiteral("Pics/Deck/12.jpg")), "JPG", 95));
    m_preferences->setDetailWidth(600);
    m_preferences->setDetailHeight(500);
    m_preferences->setKeepActual(false);
    m_preferences->setKeepStraight(true);

    auto window = openWindow(12, true);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Card twelve (T78)"));
    QCOMPARE(window->size(), QSize(600, 500));
    QCOMPARE(window->titleLabel->text(), QStringLiteral("Card twelve (T78)"));
    QCOMPARE(window->subtitleLabel->text(), QStringLiteral("The outcome"));
    QCOMPARE(window->meaningEdit->geometry(), QRect(600 - 229 - 29, 80, 229, 248));
    QCOMPARE(window->subtitleLabel->x(), 600 - 254);
    QCOMPARE(window->closeButton->pos(), QPoint(600 - 222, 430));
    QCOMPARE(window->saveButton->pos(), QPoint(600 - 126, 430));
    QCOMPARE(window->closeButton->text(), QStringLiteral("T71"));
    QCOMPARE(window->saveButton->text(), QStringLiteral("T5"));
    QVERIFY(!window->saveButton->isEnabled());
    QCOMPARE(window->pictureLabel->geometry(), QRect(24, 80, 193, 290));
    // Decoded at the box's size, and kept straight: the dark corner of the
    // file stays at the top left.
    const QImage shown = window->pictureLabel->pixmap().toImage();
    QCOMPARE(shown.size(), QSize(193, 290));
    QVERIFY(shown.pixelColor(5, 5).lightness() < 60);
    QVERIFY(shown.pixelColor(185, 280).lightness() > 200);
    QCOMPARE(window->meaningEdit->toPlainText(), QStringLiteral("reversed one\nreversed two"));
    QVERIFY(window->titleLabel->font().bold());
    QVERIFY(window->titleLabel->wordWrap());
    QCOMPARE(window->titleLabel->palette().color(QPalette::WindowText), QColor(Qt::blue));
}

void TestCardDetailWindow::undoneEditStillCountsAndAsksOnClose()
{
    auto window = openWindow(12, false);
    QVERIFY(window);
    QTest::keyClick(window->meaningEdit, Qt::Key_End);
    QVERIFY(!window->isModified());
    QTest::keyClick(window->meaningEdit, Qt::Key_X);
    QTest::keyClick(window->meaningEdit, Qt::Key_Backspace);
    QCOMPARE(window->meaningEdit->toPlainText(), window->savedText());
    QVERIFY(window->isModified());
    QVERIFY(window->saveButton->isEnabled());

    m_interaction.answers.push_back(false);
    QTest::mouseClick(window->closeButton, Qt::LeftButton);
    QCOMPARE(m_interaction.questions, QStringList{QStringLiteral("T126")});
    QVERIFY(!window->isVisible());
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("Pics/Deck/12.txt"))));
}

void TestCardDetailWindow::escapeClosesAnUneditedWindow()
{
    auto window = openWindow(12, false);
    QVERIFY(window);
    QTest::keyClick(window->meaningEdit, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    QVERIFY(m_interaction.questions.isEmpty());
}

void TestCardDetailWindow::saveWithNothingCheckedWritesNothing()
{
    auto window = openWindow(12, false);
    QVERIFY(window);
    QTest::keyClicks(window->meaningEdit, QStringLiteral("more"));
    bool offeredDeck = false;
    m_interaction.expectDialog<MeaningSaveDialog>([&](MeaningSaveDialog &choice) {
        offeredDeck = choice.withDeckCheck->isChecked() && !choice.asDefaultCheck->isChecked();
        choice.withDeckCheck->setChecked(false);
        QTest::mouseClick(choice.okButton, Qt::LeftButton);
        return choice.result();
    });
    QTest::mouseClick(window->saveButton, Qt::LeftButton);

    QVERIFY(offeredDeck);
    QVERIFY(!m_preferences->saveWithDeck());
    QVERIFY(!m_preferences->saveAsDefault());
    QVERIFY(!window->isModified());
    QVERIFY(!window->saveButton->isEnabled());
    QCOMPARE(window->savedText(), window->meaningEdit->toPlainText());
    QCOMPARE(QDir(path(QStringLiteral("Pics/Deck"))).entryList(QDir::Files), QStringList());
    QFile english(path(QStringLiteral("Langs/English/Texts/12.txt")));
    QVERIFY(english.open(QIODevice::ReadOnly));
    QCOMPARE(english.readAll(), QByteArray("line one\r\nline two"));

    // Saved, so closing asks nothing.
    window->close();
    QVERIFY(m_interaction.questions.isEmpty());
}

void TestCardDetailWindow::defaultMeaningWithoutLanguageFileGoesToEnglish()
{
    m_preferences->setSaveWithDeck(false);
    m_preferences->setSaveAsDefault(true);
    auto window = openWindow(12, true);
    QVERIFY(window);
    QTest::keyClick(window->meaningEdit, Qt::Key_Home);
    QTest::keyClicks(window->meaningEdit, QStringLiteral("new "));

    // OK on the close question saves first; the save dialog, closed
    // without OK, leaves the previous choices in force.
    m_interaction.expectDialog<MeaningSaveDialog>([](MeaningSaveDialog &choice) {
        choice.load({true, false});
        choice.reject();
        return choice.result();
    });
    window->close();
    QVERIFY(!window->isVisible());
    QCOMPARE(m_interaction.questions.size(), 1);
    QVERIFY(!m_preferences->saveWithDeck());
    QFile english(path(QStringLiteral("Langs/English/Texts/12r.txt")));
    QVERIFY(english.open(QIODevice::ReadOnly));
    QCOMPARE(english.readAll(), QByteArray("new reversed one\r\nreversed two"));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("Langs/Testish/Texts/12r.txt"))));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("Pics/Deck/12r.txt"))));
}

void TestCardDetailWindow::failedWriteKeepsTextUnsaved()
{
    // The deck has no folder, so neither its picture nor its text can be found
    // or written; a drawn face stands in for the picture.
    m_preferences->setDeckName(QStringLiteral("Gone"));
    auto window = openWindow(12, false);
    QVERIFY(window);
    QCOMPARE(window->pictureLabel->pixmap().size(), CardPicture::PlaceholderSize);
    QTest::keyClicks(window->meaningEdit, QStringLiteral("edited "));
    expectSaveChoice(true, false);
    QTest::mouseClick(window->saveButton, Qt::LeftButton);

    QCOMPARE(m_interaction.messages.size(), 1);
    const QString deckFile = QDir::toNativeSeparators(path(QStringLiteral("Pics/Gone/12.txt")));
    QVERIFY2(m_interaction.messages.at(0).contains(deckFile),
             qPrintable(m_interaction.messages.at(0)));
    QVERIFY(window->isModified());
    QVERIFY(window->saveButton->isEnabled());
    QVERIFY(window->savedText() != window->meaningEdit->toPlainText());

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

void TestCardDetailWindow::codePageMeaningIsShownAndSavedInItsCodePage()
{
    // A meaning written on an older Western system, in Windows-1252.
    QVERIFY(
        writeFile(QStringLiteral("Langs/English/Texts/12.txt"), "Caf\xe9 cr\xe8me\r\nline two"));
    auto window = openWindow(12, false);
    QVERIFY(window);
    QCOMPARE(window->meaningEdit->toPlainText(), QStringLiteral("Caf\u00e9 cr\u00e8me\nline two"));
    QTest::keyClicks(window->meaningEdit, QStringLiteral("new "));
    expectSaveChoice(false, true);
    QTest::mouseClick(window->saveButton, Qt::LeftButton);
    QFile english(path(QStringLiteral("Langs/English/Texts/12.txt")));
    QVERIFY(english.open(QIODevice::ReadOnly));
    QCOMPARE(english.readAll(), QByteArray("new Caf\xe9 cr\xe8me\r\nline two"));
}

QTEST_MAIN(TestCardDetailWindow)
#include "test_CardDetailWindow.moc"
