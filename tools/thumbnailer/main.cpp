// quillmoor-thumbnailer: draws the pictures file managers show for saved
// readings and spread files, as the desktop's thumbnail convention calls it:
//     quillmoor-thumbnailer -s SIZE INPUT OUTPUT.png
#include "FileThumbnail.h"

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/app/SettingsStore.h"
#include "core/data/DataRoots.h"
#include "core/util/FileNames.h"
#include "core/util/WholeFile.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <QSettings>
#include <QSize>
#include <QUrl>

#include <cstdio>

namespace {

constexpr char Usage[] = "usage: quillmoor-thumbnailer -s SIZE INPUT OUTPUT.png\n";
// Larger thumbnails than the desktop's largest (1024) are no thumbnails.
constexpr int LargestSize = 1024;

int failure(const QString &message)
{
    std::fprintf(stderr, "quillmoor-thumbnailer: %s\n", qPrintable(message));
    return 1;
}

// The desktop may give the input as a file URI instead of a path.
QString localPath(const QString &argument)
{
    const QUrl url(argument);
    return url.isLocalFile() ? url.toLocalFile() : argument;
}

// The file drawn with the deck and language of `preferences`, as the program
// would show it; `needsExtraCard` tells a reading the deck lacks a card for.
QImage drawInDeck(const QString &input, const DataRoots &roots, Preferences &preferences, int size,
                  QString *error, bool *needsExtraCard)
{
    ProgramData data(roots);
    data.scan(preferences);
    data.loadLanguage(preferences);
    ReadingOpenPlan::Outcome outcome = ReadingOpenPlan::Outcome::Ready;
    const QImage thumbnail = FileThumbnail::draw(input, data, preferences, size, error, &outcome);
    *needsExtraCard = outcome == ReadingOpenPlan::Outcome::NeedsDeck79;
    return thumbnail;
}

} // namespace

int main(int argc, char *argv[])
{
    // The spread's labels are drawn with fonts, which need the GUI side of
    // Qt; a thumbnailer never has a display of its own.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    bool sizeRead = false;
    const int size = arguments.value(1).toInt(&sizeRead);
    if (arguments.size() != 4 || arguments.first() != QLatin1String("-s") || !sizeRead ||
        size < 1 || size > LargestSize) {
        std::fputs(Usage, stderr);
        return 2;
    }
    const QString input = localPath(arguments[2]);
    const QString output = arguments[3];

    // The program's data and the user's deck and language, as the program would use them.
    const DataRoots roots = DataRoots::forDataFolder(
        DataRoots::dataFolderOf(FileNames::folderOf(QCoreApplication::applicationFilePath())));
    QSettings settings{QLatin1String(SettingsStore::Organization),
                       QLatin1String(SettingsStore::Application)};
    Preferences preferences;
    SettingsStore::read(settings, roots, QSize(), preferences);
    QString error;
    bool needsExtraCard = false;
    QImage thumbnail = drawInDeck(input, roots, preferences, size, &error, &needsExtraCard);
    const QString fittingDeck =
        needsExtraCard ? FileThumbnail::deckWithExtraCard(roots) : QString();
    if (!fittingDeck.isEmpty()) {
        // A reading laid with the 79th card still shows its cards, in a
        // deck that has them all, rather than no picture at all.
        preferences.setDeckName(fittingDeck);
        thumbnail = drawInDeck(input, roots, preferences, size, &error, &needsExtraCard);
    }
    if (thumbnail.isNull())
        return failure(error.startsWith(input) ? error
                                               : QStringLiteral("%1: %2").arg(input, error));
    const bool written = WholeFile::write(
        output,
        [&thumbnail](QIODevice &device, QString *reason) {
            QImageWriter writer(&device, "png");
            if (writer.write(thumbnail))
                return true;
            *reason = writer.errorString();
            return false;
        },
        &error);
    return written ? 0 : failure(QStringLiteral("%1: %2").arg(output, error));
}
