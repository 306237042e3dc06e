// Checks the program as started from a shell: a display that cannot be
// reached ends it with a message and exit code 1 instead of a crash, and
// SIGTERM ends it with the settings stored and its scratch folder emptied.
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

class TestProgramStart : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void unreachableDisplayExitsWithMessage();
    void terminationStoresSettings();

private:
    QProcessEnvironment environment() const;
    std::unique_ptr<QTemporaryDir> m_home;
};

void TestProgramStart::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
}

QProcessEnvironment TestProgramStart::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_home->path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       m_home->filePath(QStringLiteral("config")));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return environment;
}

void TestProgramStart::unreachableDisplayExitsWithMessage()
{
    QProcessEnvironment environment = this->environment();
    // No X server listens on this display number.
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":197"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLMOOR_PROGRAM), {});
    QVERIFY(program.waitForFinished(30000));
    const QByteArray errors = program.readAllStandardError();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QVERIFY2(errors.contains("DISPLAY=:197"), errors.constData());
    QVERIFY2(errors.contains("cannot open its window"), errors.constData());
}

void TestProgramStart::terminationStoresSettings()
{
    QProcessEnvironment environment = this->environment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The program's scratch folder lies beside it and is emptied at the end.
    const QString scratch = QFileInfo(QStringLiteral(QUILLMOOR_PROGRAM)).absolutePath() +
                            QStringLiteral("/Temp/left-by-test_ProgramStart.htm");
    program.start(QStringLiteral(QUILLMOOR_PROGRAM), {});
    QVERIFY(program.waitForStarted(10000));
    // Give it time to lay out the table and reach its event loop.
    QVERIFY(!program.waitForFinished(3000));
    {
        QFile file(scratch);
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(scratch));
    }
    QCOMPARE(::kill(pid_t(program.processId()), SIGTERM), 0);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QString file = m_home->filePath(QStringLiteral("config/Orvandel/Doded.conf"));
    QVERIFY2(QFileInfo::exists(file), qPrintable(file));
    const QSettings stored(file, QSettings::NativeFormat);
    QCOMPARE(stored.value(QStringLiteral("DeckName")).toString(), QStringLiteral("Ardenvale"));
    QCOMPARE(stored.value(QStringLiteral("language")).toString(), QStringLiteral("English"));
    QVERIFY(!QFileInfo::exists(scratch));
}

QTEST_GUILESS_MAIN(TestProgramStart)
#include "test_ProgramStart.moc"
