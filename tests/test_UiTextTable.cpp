// Checks that every interface text the language file does not reach falls
// back, line by line, to the built-in English text, that the table says when
// the language is incomplete, and how lines are decoded for the windows.
#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"

#include <QtTest>

class TestUiTextTable : public QObject
{
    Q_OBJECT

private slots:
    void missingLinesFallBackToBuiltinEnglish();
    void builtinEnglishIsTheBundledList();
    void linesAreDecodedForTheLanguage();
};

void TestUiTextTable::missingLinesFallBackToBuiltinEnglish()
{
    UiTextTable table;
    // Before any language is loaded the windows still get captions.
    QCOMPARE(table.text(UiText::Ok), QByteArray("OK"));
    QCOMPARE(table.string(UiText::MenuHelp), QStringLiteral("Help"));
    QVERIFY(!table.isComplete());

    // A short list: its own lines, then English from where it stops.
    table.replace({"Bien", "", "Lectures"});
    QCOMPARE(table.text(UiText::Ok), QByteArray("Bien"));
    // A blank line is the language's own empty text, not a missing one.
    QCOMPARE(table.text(UiText::Cancel), QByteArray());
    QCOMPARE(table.text(UiText::MenuReadings), QByteArray("Lectures"));
    QCOMPARE(table.text(UiText::MenuStart), QByteArray("Start..."));
    QCOMPARE(table.text(UiText::MenuLanguage), QByteArray("Language"));
    QVERIFY(!table.isComplete());
    // Past the end of both lists the text is empty, never out of range.
    QCOMPARE(table.text(100000), QByteArray());
    QCOMPARE(table.text(-1), QByteArray());

    table.replace(UiTextTable::builtinLines());
    QVERIFY(table.isComplete());
}

void TestUiTextTable::builtinEnglishIsTheBundledList()
{
    QFile bundled(QStringLiteral(QUILLMOOR_BUNDLED_DATA_DIR "/Langs/English/List.lng"));
    QVERIFY(bundled.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = bundled.readAll().split('\n');
    const QList<QByteArray> &builtin = UiTextTable::builtinLines();
    QCOMPARE(builtin.size(), lines.size() - 1);
    for (qsizetype i = 0; i < builtin.size(); ++i)
        QCOMPARE(builtin.at(i) + '\r', lines.at(i));
}

void TestUiTextTable::linesAreDecodedForTheLanguage()
{
    UiTextTable table;
    table.replace({"OK", "\xce\xf2\xec\xe5\xed\xe0",
                   "Schlie\xc3\x9f"
                   "en"});
    table.setLanguage(QStringLiteral("Russian"));
    QCOMPARE(table.string(1), QStringLiteral("\u041e\u0442\u043c\u0435\u043d\u0430"));
    QCOMPARE(table.string(2), QStringLiteral("Schlie\u00dfen"));
    table.setLanguage(QStringLiteral("Deutsch"));
    QCOMPARE(table.string(1), QStringLiteral("\u00ce\u00f2\u00ec\u00e5\u00ed\u00e0"));
    QCOMPARE(table.string(0), QStringLiteral("OK"));

    // A UTF-8 prompt line before a spread explanation in the code page: each
    // line keeps its own encoding.
    table.setLanguage(QStringLiteral("Russian"));
    const QByteArray prompt =
        QStringLiteral("Первая карта:").toUtf8() + "\r\n" + QByteArray("\xc2\xee\xef\xf0\xee\xf1");
    QCOMPARE(table.decodedLines(prompt), QStringLiteral("Первая карта:\nВопрос"));
}

QTEST_GUILESS_MAIN(TestUiTextTable)
#include "test_UiTextTable.moc"
