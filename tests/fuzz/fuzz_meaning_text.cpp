// A card's meaning text as the detail window and the reports show it: found
// in the deck's folder, decoded for the language and turned into HTML that
// holds no markup of the file's own.

#include "FuzzSupport.h"

#include "core/cards/MeaningText.h"
#include "core/reports/HtmlReport.h"
#include "core/util/TextCodec.h"
#include "core/util/WholeFile.h"

#include <QDir>
#include <QFileInfo>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    MeaningText::Source source;
    source.roots = fuzzScratchFolder();
    source.deckName = QStringLiteral("Fuzz");
    source.language = size % 2 == 0 ? QStringLiteral("English") : QStringLiteral("Russian");
    source.number = int(size % 79);
    source.reversed = size % 3 == 0;
    const QString path = MeaningText::deckPath(source);
    QDir().mkpath(QFileInfo(path).path());
    const QByteArray bytes = fuzzBytes(data, size);
    if (!WholeFile::write(path, bytes))
        return 0;

    const QByteArray found = MeaningText::lookup(source);
    // An empty file counts as none, and the lookup goes on to the others; a
    // NUL byte ends the text of each block read.
    if (!bytes.isEmpty() && !bytes.contains('\0'))
        FUZZ_CHECK(found == bytes);
    const QString html = HtmlReport::meaningHtml(TextCodec::decode(found, source.language));
    FUZZ_CHECK(html.count(QLatin1Char('<')) == html.count(QLatin1String("<br>")));
    QFile::remove(path);
    return 0;
}
