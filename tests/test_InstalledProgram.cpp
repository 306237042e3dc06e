// Installs the program as a package would (into a temporary DESTDIR), runs the installed executable
// headless through a reading that is saved, and opens the saved reading from the command line, as a
// double click in a file manager does. A Qt plugin of the tests' own (installed/ReadingScript)
// plays the user's part inside the program.
#include "core/readings/ReadingFile.h"
#include "core/util/WholeFile.h"
#include "version.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

class TestInstalledProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void answersOnTheTerminalWithoutDisplay();
    void readingIsSavedInTheUsersFolderAndOpensAgain();

private:
    QString installed(const QString &relative) const
    {
        return m_root.filePath(QStringLiteral("dest/usr/") + relative);
    }
    QString userFile(const QString &relative) const
    {
        return m_root.filePath(QStringLiteral("home/data/Orvandel/Quillmoor/") + relative);
    }
    QProcessEnvironment environment(const QString &script) const;
    // Runs the installed program with `arguments`; its standard output, and
    // its standard error in `errors` when given.
    QByteArray run(const QStringList &arguments, const QProcessEnvironment &environment,
                   int *exitCode, QByteArray *errors = nullptr);

    QTemporaryDir m_root;
};

void TestInstalledProgram::initTestCase()
{
    QVERIFY(m_root.isValid());
    QProcess install;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DESTDIR"), m_root.filePath(QStringLiteral("dest")));
    install.setProcessEnvironment(environment);
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(BUILD_DIR),
                   QStringLiteral("--prefix"), QStringLiteral("/usr")});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAll().constData());
    for (const QString &file :
         {QStringLiteral("bin/quillmoor"), QStringLiteral("bin/quillmoor-thumbnailer"),
          QStringLiteral("share/thumbnailers/quillmoor.thumbnailer"),
          QStringLiteral("lib/quillmoor/plugins/quillmoor-music.so"),
          QStringLiteral("lib/quillmoor/plugins/quillmoor-printer.so"),
          QStringLiteral("lib/quillmoor/plugins/quillmoor-charts.so"),
          QStringLiteral("share/quillmoor/installed-layout"),
          QStringLiteral("share/quillmoor/Langs/English/List.lng"),
          QStringLiteral("share/quillmoor/Spreads/Three Cards.spread"),
          QStringLiteral("share/quillmoor/Pics/Ardenvale/0.jpg"),
          QStringLiteral("share/applications/org.orvandel.quillmoor.desktop"),
          QStringLiteral("share/icons/hicolor/48x48/apps/quillmoor.png"),
          QStringLiteral("share/icons/hicolor/scalable/apps/quillmoor.svg"),
          QStringLiteral("share/metainfo/org.orvandel.quillmoor.metainfo.xml"),
          QStringLiteral("share/mime/packages/quillmoor.xml")})
        QVERIFY2(QFileInfo::exists(installed(file)), qPrintable(file));
    // Nothing a run of the build's program wrote beside itself is installed.
    QVERIFY(!QFileInfo::exists(installed(QStringLiteral("share/quillmoor/Saved"))));
    QVERIFY(!QFileInfo::exists(installed(QStringLiteral("share/quillmoor/Temp"))));
}

QProcessEnvironment TestInstalledProgram::environment(const QString &script) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString home = m_root.filePath(QStringLiteral("home"));
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(SCRIPT_PLUGIN_DIR));
    environment.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"),
                       QStringLiteral("readingscript:") + script);
    return environment;
}

QByteArray TestInstalledProgram::run(const QStringList &arguments,
                                     const QProcessEnvironment &environment, int *exitCode,
                                     QByteArray *errors)
{
    QProcess program;
    program.setProcessEnvironment(environment);
    if (!errors)
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(installed(QStringLiteral("bin/quillmoor")), arguments);
    if (!program.waitForFinished(90000)) {
        program.kill();
        program.waitForFinished();
    }
    *exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    if (errors)
        *errors = program.readAllStandardError();
    return program.readAllStandardOutput();
}

void TestInstalledProgram::answersOnTheTerminalWithoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    int exitCode = -1;
    QCOMPARE(run({QStringLiteral("--version")}, environment, &exitCode),
             QByteArray("Quillmoor " QUILLMOOR_VERSION "\n"));
    QCOMPARE(exitCode, 0);
    const QByteArray help = run({QStringLiteral("--help")}, environment, &exitCode);
    QCOMPARE(exitCode, 0);
    QVERIFY2(help.contains("Usage: quillmoor") && help.contains(".reading") &&
                 !help.contains("--help-all"),
             help.constData());
    QCOMPARE(run({QStringLiteral("--help-all")}, environment, &exitCode), help);
    QCOMPARE(exitCode, 0);
    // An option nobody knows is named as such; one of Qt's own leaves the
    // missing display to be told.
    QByteArray errors;
    run({QStringLiteral("--bogus")}, environment, &exitCode, &errors);
    QCOMPARE(errors, QByteArray("Quillmoor: Unknown option 'bogus'.\n"));
    QCOMPARE(exitCode, 1);
    run({QStringLiteral("-style"), QStringLiteral("fusion")}, environment, &exitCode, &errors);
    QVERIFY2(errors.startsWith("Quillmoor needs a graphical display"), errors.constData());
}

void TestInstalledProgram::readingIsSavedInTheUsersFolderAndOpensAgain()
{
    // Cards are drawn without clicks, and the deck is not cut.
    const QString settings = m_root.filePath(QStringLiteral("home/config/Orvandel/Doded.conf"));
    QVERIFY(QDir().mkpath(QFileInfo(settings).absolutePath()));
    QVERIFY(WholeFile::write(settings, "[General]\ncutdeck=no\ndrawauto=YES\n"));

    // A spread file named on the command line starts a reading with it.
    int exitCode = -1;
    const QByteArray played =
        run({installed(QStringLiteral("share/quillmoor/Spreads/Three Cards.spread"))},
            environment(QStringLiteral("save")), &exitCode);
    QCOMPARE(exitCode, 0);
    QVERIFY2(played.contains("saved") && !played.contains("message:"), played.constData());

    const QString saved = userFile(QStringLiteral("Saved/Scripted.reading"));
    QByteArray bytes;
    QVERIFY2(WholeFile::read(saved, bytes), qPrintable(saved));
    QVERIFY(bytes.startsWith(ReadingFile::Header));
    QVERIFY(
        QFileInfo(m_root.filePath(QStringLiteral("home/cache/Orvandel/Quillmoor/Temp"))).isDir());

    // The saved file given on the command line is opened as Readings > Open does.
    const QByteArray opened = run({saved}, environment(QStringLiteral("report")), &exitCode);
    QCOMPARE(exitCode, 0);
    QVERIFY2(opened.contains("spread: Three Cards\n") && opened.contains("cards: 3\n") &&
                 !opened.contains("message:"),
             opened.constData());

    // A damaged reading gets the message Open gives, and the program goes on.
    const QString damaged = userFile(QStringLiteral("Saved/Damaged.reading"));
    QVERIFY(WholeFile::write(damaged, QByteArray(ReadingFile::Header) + "\x01\x02"));
    const QByteArray refused = run({damaged}, environment(QStringLiteral("report")), &exitCode);
    QCOMPARE(exitCode, 0);
    QVERIFY2(refused.contains("message:"), refused.constData());

    // The installed tree is left as installed, though this user may write it.
    for (const char *folder : {"Saved", "Temp"})
        QVERIFY2(!QFileInfo::exists(
                     installed(QStringLiteral("share/quillmoor/") + QLatin1String(folder))),
                 folder);
}

QTEST_GUILESS_MAIN(TestInstalledProgram)
#include "test_InstalledProgram.moc"
