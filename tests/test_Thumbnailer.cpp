// Runs quillmoor-thumbnailer as a file manager would and looks at the PNGs
// it makes: a saved reading drawn with its cards' faces, a spread as its
// outlines, and damaged or foreign input refused without an output file.
#include "TestFiles.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestThumbnailer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void drawsReadingsAndSpreads_data();
    void drawsReadingsAndSpreads();
    void refusesWhatItCannotDraw_data();
    void refusesWhatItCannotDraw();

private:
    int run(const QStringList &arguments, QByteArray *errors = nullptr);

    QTemporaryDir m_home;
};

void TestThumbnailer::initTestCase()
{
    QVERIFY(m_home.isValid());
}

int TestThumbnailer::run(const QStringList &arguments, QByteArray *errors)
{
    QProcess thumbnailer;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       m_home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
    thumbnailer.setProcessEnvironment(environment);
    thumbnailer.start(QStringLiteral(THUMBNAILER_PATH), arguments);
    if (!thumbnailer.waitForFinished(30000))
        return -1;
    if (errors)
        *errors = thumbnailer.readAllStandardError();
    return thumbnailer.exitStatus() == QProcess::NormalExit ? thumbnailer.exitCode() : -1;
}

void TestThumbnailer::drawsReadingsAndSpreads_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("chosenDeck");
    QTest::addColumn<int>("size");
    // Share of the picture that is not white: card faces fill much of a
    // reading's, a spread's outlines little of its own.
    QTest::addColumn<double>("leastInk");
    QTest::addColumn<double>("mostInk");
    // The sample reading was laid with the Veldmere deck, which has the 79th card.
    const QString celticCross = QFINDTESTDATA("data/celtic-cross.reading");
    QTest::newRow("reading") << celticCross << QByteArray("Veldmere") << 256 << 0.15 << 1.0;
    QTest::newRow("reading, chosen deck lacks its 79th card")
        << celticCross << QByteArray("Ardenvale") << 256 << 0.15 << 1.0;
    QTest::newRow("reading as a URI") << QUrl::fromLocalFile(celticCross).toString()
                                      << QByteArray("Veldmere") << 128 << 0.15 << 1.0;
    QTest::newRow("older reading") << QFINDTESTDATA("data/three-cards-older.reading")
                                   << QByteArray("Veldmere") << 256 << 0.05 << 1.0;
    QTest::newRow("spread") << QFINDTESTDATA("data/celtic-cross.spread") << QByteArray("Veldmere")
                            << 256 << 0.005 << 0.15;
}

void TestThumbnailer::drawsReadingsAndSpreads()
{
    QFETCH(QString, input);
    QFETCH(QByteArray, chosenDeck);
    QFETCH(int, size);
    QFETCH(double, leastInk);
    QFETCH(double, mostInk);
    QVERIFY(writeTestFile(m_home.filePath(QStringLiteral("config/Orvandel/Doded.conf")),
                          "[General]\nDeckName=" + chosenDeck + "\n"));
    const QString output = m_home.filePath(QStringLiteral("out.png"));
    QFile::remove(output);
    QByteArray errors;
    QCOMPARE(run({QStringLiteral("-s"), QString::number(size), input, output}, &errors), 0);

    QImage picture(output, "png");
    QVERIFY2(!picture.isNull(), errors.constData());
    QCOMPARE(std::max(picture.width(), picture.height()), size);
    picture = picture.convertToFormat(QImage::Format_RGB32);
    int ink = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ink += qGray(picture.pixel(x, y)) < 200;
    const double share = double(ink) / (picture.width() * picture.height());
    QVERIFY2(share >= leastInk && share <= mostInk, qPrintable(QString::number(share)));
}

void TestThumbnailer::refusesWhatItCannotDraw_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("name");
    QTest::newRow("damaged reading") << QByteArray("!updatedformat!\x01\x02") << "bad.reading";
    QTest::newRow("damaged spread") << QByteArray("not a spread") << "bad.spread";
    QTest::newRow("empty reading") << QByteArray() << "empty.reading";
}

void TestThumbnailer::refusesWhatItCannotDraw()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, name);
    const QString input = m_home.filePath(name);
    QVERIFY(writeTestFile(input, contents));
    const QString output = m_home.filePath(QStringLiteral("refused.png"));
    QByteArray errors;
    QCOMPARE(run({QStringLiteral("-s"), QStringLiteral("256"), input, output}, &errors), 1);
    QVERIFY2(errors.contains(name.toUtf8()), errors.constData());
    QVERIFY(!QFileInfo::exists(output));
    // A wrong command line is told as such.
    QCOMPARE(run({input, output}), 2);
}

QTEST_GUILESS_MAIN(TestThumbnailer)
#include "test_Thumbnailer.moc"
