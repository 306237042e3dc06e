// The spread music association file: the music a spread finds is one line's
// quoted name, written back it is found again, and a relative name never
// leads out of the music folder.

#include "FuzzSupport.h"

#include "core/music/SpreadMusic.h"
#include "core/util/TextCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = TextCodec::decode(fuzzBytes(data, size), QStringLiteral("English"));
    const QString musicFolder = QStringLiteral("/app/Music");
    for (const QString &spread : {QStringLiteral("Cross"), QStringLiteral("Celtic Cross"),
                                  text.section(QLatin1Char(' '), 0, 0)}) {
        const QString music = SpreadMusic::lookup(text, spread);
        FUZZ_CHECK(!music.contains(QLatin1Char('\r')) && !music.contains(QLatin1Char('\n')));
        if (music.isEmpty() || spread.isEmpty() || spread.contains(QLatin1Char('\r')) ||
            spread.contains(QLatin1Char('\n')))
            continue;
        // Read back as the program reads the file.
        const QByteArray written = SpreadMusic::compose({{spread, music}});
        FUZZ_CHECK(SpreadMusic::lookup(TextCodec::decode(written, QStringLiteral("English")),
                                       spread) == music);
        // An absolute name is always a path; a relative one never leads out
        // of the music folder, and is no path at all where it would.
        const QString path = SpreadMusic::resolve(music, musicFolder);
        const QString slashed = QString(music).replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (slashed.startsWith(QLatin1Char('/')))
            FUZZ_CHECK(!path.isEmpty());
        else
            FUZZ_CHECK(path.isEmpty() || path.startsWith(musicFolder + QLatin1Char('/')));
    }
    return 0;
}
