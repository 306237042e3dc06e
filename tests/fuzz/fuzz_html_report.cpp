// The HTML report of a reading whose texts come from files: the spread's
// explanations, the comments, the spread name and the meaning texts (laid
// out in the input as FuzzReportModel.h says). No text may add markup of its
// own, and the spread picture's size stays sane.

#include "FuzzReportModel.h"
#include "FuzzSupport.h"

#include "core/reports/HtmlReport.h"
#include "core/reports/ReportPictures.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ReportModel model = fuzzReportModel(fuzzBytes(data, size));

    const QString page = QString::fromUtf8(HtmlReport::page(model));
    // Every tag is the writer's own: none comes from the texts.
    FUZZ_CHECK(!page.contains(QStringLiteral("<script")));
    const int tagsWithoutTexts = [&] {
        ReportModel bare = model;
        bare.comments.clear();
        bare.spreadName.clear();
        for (ReportModel::Position &position : bare.positions) {
            position.heading.clear();
            position.meaning.clear();
        }
        return int(QString::fromUtf8(HtmlReport::page(bare)).count(QLatin1Char('<')));
    }();
    int meaningBreaks = 0;
    for (const ReportModel::Position &position : model.positions) {
        if (position.significator)
            continue;
        meaningBreaks +=
            int(HtmlReport::meaningHtml(position.meaning).count(QLatin1String("<br>")));
    }
    FUZZ_CHECK(int(page.count(QLatin1Char('<'))) == tagsWithoutTexts + meaningBreaks);

    const QSize extent = model.extent();
    if (!model.positions.isEmpty())
        FUZZ_CHECK(extent.width() > 0 && extent.height() > 0);
    const QSize picture = ReportPictures::spreadPictureSize(extent, false);
    FUZZ_CHECK(picture.width() > 0 && picture.height() > 0 && picture.width() <= 10000 &&
               picture.height() <= 10000);
    return 0;
}
