// Draws the card pictures of a bundled deck, 0.jpg to 77.jpg (78.jpg too for
// a 79-card deck), or the application icon, at build time.
#include "AppIcon.h"
#include "CardFace.h"
#include "DeckStyle.h"
#include "core/lang/BuiltinTitles.h"
#include "core/lang/CardTitles.h"
#include "core/util/WholeFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

constexpr int JpegQuality = 90;

int fail(const QString &message)
{
    std::fprintf(stderr, "deckgen: %s\n", qPrintable(message));
    return 1;
}

bool encodeJpeg(const QImage &image, QByteArray &bytes, QString &error)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(JpegQuality);
    if (writer.write(image))
        return true;
    error = writer.errorString();
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    // Runs during the build, where there may be no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("icon")) {
        QString error;
        return AppIcon::write(args.at(2), &error) ? 0 : fail(error);
    }
    if (args.size() != 4)
        return fail(QStringLiteral("usage: deckgen <Ardenvale|Veldmere> <appDir-with-Langs> "
                                   "<output-folder>\n       deckgen icon <output-folder>"));
    const QString &deckName = args.at(1);
    const QString &appDir = args.at(2);
    const QString &outDir = args.at(3);

    CardTitles::Table titles;
    int cardCount = 0;
    Look look = Look::Ardenvale;
    if (deckName == QLatin1String("Ardenvale")) {
        if (!QFileInfo::exists(appDir + QStringLiteral("/Langs/English/Cards.lng")))
            return fail(QStringLiteral("no Langs/English/Cards.lng in %1").arg(appDir));
        CardTitles::load(titles, appDir, QStringLiteral("English"), false, CardTitles::Numbering());
        cardCount = 78;
    } else if (deckName == QLatin1String("Veldmere")) {
        for (int number = 0; number < BuiltinTitles::Count; ++number)
            titles[number] = BuiltinTitles::title(number);
        cardCount = BuiltinTitles::Count;
        look = Look::Veldmere;
    } else {
        return fail(
            QStringLiteral("unknown deck \"%1\": expected Ardenvale or Veldmere").arg(deckName));
    }

    // Other fonts would change the pictures from one machine to the next.
    const DeckStyle style(look);
    for (const QFont &font : {style.titleFont(20), style.numeralFont(20)})
        if (!QFontInfo(font).family().startsWith(QLatin1String("DejaVu")))
            return fail(QStringLiteral("font \"%1\" is not installed").arg(font.family()));

    if (!QDir().mkpath(outDir))
        return fail(QStringLiteral("cannot create folder %1").arg(outDir));

    const CardFace face(style);
    for (int number = 0; number < cardCount; ++number) {
        if (titles[number].isEmpty())
            return fail(QStringLiteral("card %1 has no title").arg(number));
        QByteArray jpeg;
        QString error;
        if (!encodeJpeg(face.render(number, titles[number]), jpeg, error))
            return fail(QStringLiteral("cannot encode card %1: %2").arg(number).arg(error));
        const QString path = QDir(outDir).filePath(QStringLiteral("%1.jpg").arg(number));
        if (!WholeFile::write(path, jpeg, &error))
            return fail(QStringLiteral("cannot write %1: %2").arg(path, error));
    }
    return 0;
}
