// Checks that the signals that end a program from outside arrive as a Qt
// signal instead of killing the process, and get their earlier handling back
// afterwards; one ignored before stays ignored.
#include "core/app/TerminationSignals.h"

#include <QSignalSpy>
#include <QtTest>

#include <QTemporaryDir>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class TestTerminationSignals : public QObject
{
    Q_OBJECT

private slots:
    void signalArrivesThroughTheEventLoop_data();
    void signalArrivesThroughTheEventLoop();
    void onlyOneAtATime();
    void ignoredSignalStaysIgnored();
    void heldUpProgramStillEnds();
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

void TestTerminationSignals::heldUpProgramStillEnds()
{
    // A child blocked reading a pipe that never delivers, its event loop held
    // up, still ends soon after SIGTERM.
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("never")));
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        TerminationSignals watcher;
        // Holding the write end too, the read below never sees an end.
        const int fd = ::open(fifo.constData(), O_RDWR);
        char byte = 1;
        if (!watcher.isActive() || fd < 0 || ::write(ready[1], &byte, 1) != 1)
            ::_exit(2);
        [[maybe_unused]] const ssize_t got = ::read(fd, &byte, 1);
        ::_exit(3);
    }
    ::close(ready[1]);
    char byte = 0;
    QCOMPARE(::read(ready[0], &byte, 1), ssize_t(1));
    ::close(ready[0]);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(::kill(child, SIGTERM), 0);
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0 &&
           clock.elapsed() < (TerminationSignals::GraceSeconds + 3) * 1000)
        QTest::qSleep(20);
    if (clock.elapsed() >= (TerminationSignals::GraceSeconds + 3) * 1000) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        QFAIL("The held-up child did not end after SIGTERM");
    }
    QVERIFY(WIFSIGNALED(status));
    QVERIFY(clock.elapsed() < (TerminationSignals::GraceSeconds + 1) * 1000);
}

QTEST_GUILESS_MAIN(TestTerminationSignals)
#include "test_TerminationSignals.moc"
