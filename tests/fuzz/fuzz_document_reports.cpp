// The Word and OpenDocument reports of a reading whose texts come from files
// (laid out in the input as FuzzReportModel.h says): whatever the texts hold,
// every XML part of both documents is well-formed, or a word processor
// refuses the whole document.

#include "FuzzReportModel.h"
#include "FuzzSupport.h"

#include "core/reports/DocxReport.h"
#include "core/reports/OdtReport.h"
#include "core/reports/ReportPictures.h"
#include "core/util/ZipPackage.h"

#include <QDate>
#include <QDir>
#include <QImage>
#include <QXmlStreamReader>

namespace {

// The folder with the spread picture the documents embed.
QString pictureFolder()
{
    static const QString folder = [] {
        const QString path = fuzzScratchFolder();
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.save(QDir(path).filePath(QLatin1String(ReportPictures::SpreadPictureName)));
        return path;
    }();
    return folder;
}

void checkWellFormed(const ZipPackage &package)
{
    for (const ZipPackage::Part &part : package.parts()) {
        if (!part.name.endsWith(QLatin1String(".xml")) &&
            !part.name.endsWith(QLatin1String(".rels")))
            continue;
        QXmlStreamReader xml(part.data);
        while (!xml.atEnd())
            xml.readNext();
        if (xml.hasError())
            std::fprintf(stderr, "%s: %s\n", qPrintable(part.name), qPrintable(xml.errorString()));
        FUZZ_CHECK(!xml.hasError());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ReportModel model = fuzzReportModel(fuzzBytes(data, size));
    model.options.bigCards = true;
    // Both layouts, one for each input length's parity.
    model.options.compact = size % 2 == 1;
    const QDate date(2026, 12, 8);

    ZipPackage word;
    FUZZ_CHECK(DocxReport().package(model, date, pictureFolder(), word));
    checkWellFormed(word);
    ZipPackage openDocument;
    FUZZ_CHECK(OdtReport().package(model, date, pictureFolder(), openDocument));
    checkWellFormed(openDocument);
    return 0;
}
