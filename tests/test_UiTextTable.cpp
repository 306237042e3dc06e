// Checks that looking up an interface text the language does not reach gives
// an empty text rather than running past the table, and how texts are decoded
// for the windows.
#include "core/lang/UiTextTable.h"

#include <QtTest>

class TestUiTextTable : public QObject
{
    Q_OBJECT

private slots:
    void tableLookupNeverRunsPastItsEnd();
};

void TestUiTextTable::tableLookupNeverRunsPastItsEnd()
{
    UiTextTable table;
    QCOMPARE(table.count(), 126);
    QCOMPARE(table.text(125), QByteArray());
    table.replace({"OK", "Cancel"});
    QCOMPARE(table.text(1), QByteArray("Cancel"));
    QCOMPARE(table.text(2), QByteArray());
    QCOMPARE(table.text(138), QByteArray());
    QCOMPARE(table.text(-1), QByteArray());
    QCOMPARE(table.string(2), QString());

    // Windows get the lines decoded from the system's 8-bit encoding.
    table.replace({"OK", "Schlie\xc3\x9f"
                         "en"});
    QCOMPARE(table.string(1), QStringLiteral("Schlie\u00dfen"));
    QCOMPARE(table.string(0), QStringLiteral("OK"));
}

QTEST_GUILESS_MAIN(TestUiTextTable)
#include "test_UiTextTable.moc"
