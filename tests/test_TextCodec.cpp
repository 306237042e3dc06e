// Checks how text file bytes are decoded: valid UTF-8 stays UTF-8, anything
// else is read in the code page of the language, and text written back
// unchanged keeps the bytes it came from.
#include "core/util/TextCodec.h"

#include <QtTest>

class TestTextCodec : public QObject
{
    Q_OBJECT

private slots:
    void decodesByLanguage_data();
    void decodesByLanguage();
    void writesBackInTheEncodingItCameIn_data();
    void writesBackInTheEncodingItCameIn();
};

void TestTextCodec::decodesByLanguage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTF-8 Russian") << QByteArray("\xd0\x9c\xd0\xb0\xd0\xb3") << "Russian"
                                   << QStringLiteral("\u041c\u0430\u0433");
    QTest::newRow("UTF-8 under a Western language")
        << QByteArray("Schlie\xc3\x9f"
                      "en")
        << "Deutsch" << QStringLiteral("Schlie\u00dfen");
    // "Маг" in Windows-1251.
    QTest::newRow("1251 Russian") << QByteArray("\xcc\xe0\xe3") << "Russian"
                                  << QStringLiteral("\u041c\u0430\u0433");
    QTest::newRow("1251 language name in any case")
        << QByteArray("\xcc\xe0\xe3") << "russian" << QStringLiteral("\u041c\u0430\u0433");
    // The same bytes under a Western language are Windows-1252.
    QTest::newRow("1252 German") << QByteArray("\xcc\xe0\xe3") << "Deutsch"
                                 << QStringLiteral("\u00cc\u00e0\u00e3");
    // 0x80 and 0x93 lie where Latin-1 has control characters.
    QTest::newRow("1252 euro and quotes")
        << QByteArray("\x80 \x93ja\x94") << "English" << QStringLiteral("\u20ac \u201cja\u201d");
    // Editors that save UTF-8 often put a byte order mark first.
    QTest::newRow("UTF-8 with a byte order mark")
        << QByteArray("\xef\xbb\xbfOK") << "Russian" << QStringLiteral("OK");
    QTest::newRow("plain ASCII") << QByteArray("Cancel") << "Russian" << QStringLiteral("Cancel");
    QTest::newRow("cut UTF-8 sequence is a code page")
        << QByteArray("\xd0") << "Russian" << QStringLiteral("\u0420");
}

void TestTextCodec::decodesByLanguage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, language);
    QFETCH(QString, text);
    QCOMPARE(TextCodec::decode(bytes, language), text);
}

void TestTextCodec::writesBackInTheEncodingItCameIn_data()
{
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("unchanged 1251")
        << QByteArray("\xcc\xe0\xe3") << "Russian" << QStringLiteral("\u041c\u0430\u0433")
        << QByteArray("\xcc\xe0\xe3");
    QTest::newRow("edited 1251 stays 1251")
        << QByteArray("\xcc\xe0\xe3") << "Russian" << QStringLiteral("\u041c\u0430\u0433\u0438")
        << QByteArray("\xcc\xe0\xe3\xe8");
    QTest::newRow("edited 1252 stays 1252")
        << QByteArray("Caf\xe9") << "English" << QStringLiteral("Caf\u00e9s")
        << QByteArray("Caf\xe9s");
    QTest::newRow("a character the code page lacks makes UTF-8")
        << QByteArray("Caf\xe9") << "English" << QStringLiteral("Caf\u00e9 \u041c")
        << QByteArray("Caf\xc3\xa9 \xd0\x9c");
    QTest::newRow("UTF-8 stays UTF-8")
        << QByteArray("Caf\xc3\xa9") << "English" << QStringLiteral("Caf\u00e9!")
        << QByteArray("Caf\xc3\xa9!");
    QTest::newRow("edited UTF-8 keeps its byte order mark")
        << QByteArray("\xef\xbb\xbf\xd0\x9c") << "Russian" << QStringLiteral("\u041c!")
        << QByteArray("\xef\xbb\xbf\xd0\x9c!");
    QTest::newRow("new text is UTF-8")
        << QByteArray() << "Russian" << QStringLiteral("\u041c") << QByteArray("\xd0\x9c");
}

void TestTextCodec::writesBackInTheEncodingItCameIn()
{
    QFETCH(QByteArray, original);
    QFETCH(QString, language);
    QFETCH(QString, edited);
    QFETCH(QByteArray, written);
    QCOMPARE(TextCodec::encodeLike(edited, original, language), written);
    QCOMPARE(TextCodec::decode(written, language), edited);
}

QTEST_GUILESS_MAIN(TestTextCodec)
#include "test_TextCodec.moc"
