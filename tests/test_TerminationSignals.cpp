// Checks that the signals that end a program from outside arrive as a Qt
// signal instead of killing the process, and get their earlier handling back
// afterwards; one ignored before stays ignored.
#include "core/app/TerminationSignals.h"

#include <QSignalSpy>
#include <QtTest>

#include <csignal>

class TestTerminationSignals : public QObject
{
    Q_OBJECT

private slots:
    void signalArrivesThroughTheEventLoop_data();
    void signalArrivesThroughTheEventLoop();
    void onlyOneAtATime();
    void ignoredSignalStaysIgnored();
};

void TestTerminationSignals::signalArrivesThroughTheEventLoop_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void TestTerminationSignals::signalArrivesThroughTheEventLoop()
{
    QFETCH(int, signalNumber);
    // The test library has handlers of its own for these signals.
    struct sigaction before = {};
    QCOMPARE(::sigaction(signalNumber, nullptr, &before), 0);
    {
        TerminationSignals watcher;
        QVERIFY(watcher.isActive());
        QSignalSpy received(&watcher, &TerminationSignals::received);
        QCOMPARE(std::raise(signalNumber), 0);
        // Nothing happens inside the handler; the event loop delivers it.
        QCOMPARE(received.count(), 0);
        QTRY_COMPARE(received.count(), 1);
        QCOMPARE(received.first().first().toInt(), signalNumber);
    }
    struct sigaction now = {};
    QCOMPARE(::sigaction(signalNumber, nullptr, &now), 0);
    QVERIFY(now.sa_handler == before.sa_handler);
}

void TestTerminationSignals::onlyOneAtATime()
{
    TerminationSignals first;
    QVERIFY(first.isActive());
    {
        TerminationSignals second;
        QVERIFY(!second.isActive());
    }
    // The second one, inactive, left the first one's handlers alone.
    QSignalSpy received(&first, &TerminationSignals::received);
    QCOMPARE(std::raise(SIGTERM), 0);
    QTRY_COMPARE(received.count(), 1);
}

void TestTerminationSignals::ignoredSignalStaysIgnored()
{
    // Started under nohup, a hang-up must not end the program.
    struct sigaction before = {};
    QCOMPARE(::sigaction(SIGHUP, nullptr, &before), 0);
    std::signal(SIGHUP, SIG_IGN);
    {
        TerminationSignals watcher;
        QSignalSpy received(&watcher, &TerminationSignals::received);
        QCOMPARE(std::raise(SIGHUP), 0);
        QTest::qWait(50);
        QCOMPARE(received.count(), 0);
    }
    struct sigaction now = {};
    QCOMPARE(::sigaction(SIGHUP, nullptr, &now), 0);
    QVERIFY(now.sa_handler == SIG_IGN);
    QCOMPARE(::sigaction(SIGHUP, &before, nullptr), 0);
}

QTEST_GUILESS_MAIN(TestTerminationSignals)
#include "test_TerminationSignals.moc"
