#include "core/app/ProgramData.h"
#include "core/app/SettingsStore.h"
#include "core/app/TerminationSignals.h"
#include "core/cards/CardFaceCache.h"
#include "core/cards/FaceStore.h"
#include "core/data/DataRoots.h"
#include "core/lang/UiText.h"
#include "core/music/PluginMusicPlayer.h"
#include "core/util/FileNames.h"
#include "ui/app/ApplicationStyle.h"
#include "ui/app/FontPreload.h"
#include "ui/common/Interaction.h"
#include "ui/table/TableWindow.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSettings>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

namespace {

// Qt aborts when it cannot reach a display; say so plainly instead.
bool displayAvailable()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

QtMessageHandler qtMessageHandler = nullptr;
// Qt's messages while the application object is made: held back, because
// when the display cannot be reached they end in advice that does not apply
// ("Reinstalling the application may fix this problem").
QList<std::pair<QtMsgType, QString>> heldMessages;

// Qt ends the process with abort(), and a core dump, when no platform plugin
// starts: DISPLAY names an X server that cannot be reached, or a Wayland
// display lacks its plugin. Say what is wrong, with the messages that led to
// it, and exit with 1 instead.
void reportDisplayFailure(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg) {
        heldMessages.append({type, message});
        return;
    }
    std::fprintf(stderr,
                 "Quillmoor cannot open its window: the graphical display could not be reached "
                 "(DISPLAY=%s, WAYLAND_DISPLAY=%s).\n",
                 qgetenv("DISPLAY").constData(), qgetenv("WAYLAND_DISPLAY").constData());
    for (const auto &held : std::as_const(heldMessages))
        std::fprintf(stderr, "Qt said: %s\n", qPrintable(held.second));
    std::_Exit(1);
}

// The application object is made: the messages held back are passed on.
void releaseHeldMessages()
{
    qInstallMessageHandler(qtMessageHandler);
    for (const auto &[type, message] : std::as_const(heldMessages))
        qtMessageHandler(type, QMessageLogContext(), message);
    heldMessages.clear();
}

// The command line: --help, --version and at most one file to open.
class CommandLine
{
public:
    CommandLine()
    {
        // "-platform" names one option, as Qt reads its own, not eight letters.
        m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        m_parser.setApplicationDescription(
            QStringLiteral("Lays out tarot readings: shuffle, cut, draw and read the cards."));
        // Qt's own --help-all would need a display to answer; only --help is
        // offered, and --help-all, still typed from habit, answers the same.
        m_parser.addOption(m_help);
        m_helpAll.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(m_helpAll);
        m_parser.addVersionOption();
        m_parser.addPositionalArgument(
            QStringLiteral("file"),
            QStringLiteral("A saved reading (.reading) to open, or a spread (.spread) to start a "
                           "reading with."),
            QStringLiteral("[file]"));
    }

    // Answers --help and --version before anything needs a display; true
    // when one of them was given and answered.
    bool answeredAtOnce(int argc, char *argv[])
    {
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        // Qt's own options (-platform ...) are unknown here; they are taken
        // out by the application later, so an error now is not yet an error.
        m_parser.parse(arguments);
        if (m_parser.isSet(m_help) || m_parser.isSet(m_helpAll)) {
            // Without an application object Qt cannot name the program itself.
            const QString name =
                QFileInfo(arguments.value(0, QStringLiteral("quillmoor"))).fileName();
            std::fputs(
                qPrintable(m_parser.helpText().replace(QStringLiteral("<executable_name>"), name)),
                stdout);
            return true;
        }
        if (m_parser.isSet(QStringLiteral("version"))) {
            std::printf("Quillmoor %s\n", QUILLMOOR_VERSION);
            return true;
        }
        return false;
    }

    // Why the command line cannot be used, before the application is made:
    // an option that is neither the program's nor Qt's own; empty when none.
    QString unknownOption() const
    {
        // The options Qt's application objects take out of the command line.
        static const QStringList qtOptions{
            QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
            QStringLiteral("platformtheme"), QStringLiteral("plugin"),
            QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
            QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
            QStringLiteral("reverse"),       QStringLiteral("session"),
            QStringLiteral("display"),       QStringLiteral("geometry"),
            QStringLiteral("name"),          QStringLiteral("title"),
            QStringLiteral("visual"),        QStringLiteral("ncols"),
            QStringLiteral("cmap"),          QStringLiteral("nograb"),
            QStringLiteral("dograb"),        QStringLiteral("sync"),
            QStringLiteral("style"),         QStringLiteral("stylesheet"),
            QStringLiteral("widgetcount")};
        for (const QString &name : m_parser.unknownOptionNames()) {
            if (!qtOptions.contains(name))
                return QStringLiteral("Unknown option '%1'.").arg(name);
        }
        return QString();
    }

    // Reads what is left after the application took its own options; a
    // wrong command line ends the program with a message. The file is taken
    // as the bytes given, reached through a link in `linkFolder` when they
    // are no UTF-8.
    QString fileToOpen(const QApplication &app, int argc, char *argv[], const QString &linkFolder)
    {
        m_parser.process(app);
        const QStringList files = m_parser.positionalArguments();
        if (files.size() > 1) {
            std::fprintf(stderr, "Quillmoor opens one file at a time.\n");
            std::exit(2);
        }
        if (files.isEmpty())
            return QString();
        // The parser gives only decoded text; the last argument that decodes
        // to it is the file's own bytes.
        QByteArray raw = QFile::encodeName(files.first());
        for (int i = argc - 1; i > 0; --i) {
            if (QString::fromLocal8Bit(argv[i]) == files.first()) {
                raw = argv[i];
                break;
            }
        }
        const QString path = FileNames::reachablePath(raw, linkFolder);
        return QFileInfo(path.isEmpty() ? files.first() : path).absoluteFilePath();
    }

private:
    QCommandLineParser m_parser;
    const QCommandLineOption m_help{{QStringLiteral("h"), QStringLiteral("help")},
                                    QStringLiteral("Displays help on commandline options.")};
    QCommandLineOption m_helpAll{QStringLiteral("help-all"),
                                 QStringLiteral("Displays help on commandline options.")};
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Quillmoor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLMOOR_VERSION));
    CommandLine commandLine;
    if (commandLine.answeredAtOnce(argc, argv))
        return 0;
    if (!displayAvailable()) {
        // Said as the application's parsing says it with a display, once Qt
        // has taken out its own options.
        if (const QString unknown = commandLine.unknownOption(); !unknown.isEmpty()) {
            std::fprintf(stderr, "Quillmoor: %s\n", qPrintable(unknown));
            return 1;
        }
        std::fprintf(stderr, "Quillmoor needs a graphical display, and none was found "
                             "(neither DISPLAY nor WAYLAND_DISPLAY is set).\n");
        return 1;
    }
    // MIDI plays through GStreamer's synthesiser; the other media backend
    // cannot play it. A backend the user chose is left alone.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    FontPreload fonts;
    qtMessageHandler = qInstallMessageHandler(reportDisplayFailure);
    QApplication app(argc, argv);
    releaseHeldMessages();
    fonts.applicationMade();
    ApplicationStyle::install();
    const DataRoots roots = DataRoots::forDataFolder(
        DataRoots::dataFolderOf(FileNames::folderOf(QApplication::applicationFilePath())));
    const QString file = commandLine.fileToOpen(app, argc, argv, roots.tempDir());
    QSettings settings{QLatin1String(SettingsStore::Organization),
                       QLatin1String(SettingsStore::Application)};
    DesktopInteraction interaction;
    FaceStore faceStore(roots.facesDir());
    CardFaceCache faces(roots);
    faces.setStore(&faceStore);
    TableWindow table(roots, settings, interaction, faces);
    // A card picture that cannot be read is told of once it is met, over the
    // table, after the painting that met it.
    faces.setFaultReport([&table, &interaction](const QString &fault) {
        QTimer::singleShot(0, &table, [&table, &interaction, fault] {
            interaction.showMessage(&table, table.programData().uiText(UiText::CardPictureRefused) +
                                                QStringLiteral("\n\n") + fault);
        });
    });
    table.setMusicPlayer(std::make_unique<PluginMusicPlayer>());
    // Ended from outside (logout, kill, Ctrl+C): store the settings and
    // empty Temp as a close from the menu would, then leave.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &app, [&table] {
        table.endFromOutside();
        QApplication::exit(0);
    });
    fonts.wait();
    table.showFullScreen();
    // Opened over the shown table, where its messages belong.
    if (!file.isEmpty())
        QTimer::singleShot(0, &table, [&table, file] { table.openFile(file); });
    return app.exec();
}
