// The HTML report of a reading whose texts come from files: the spread's
// explanations, the comments, the spread name and the meaning texts. The
// input holds them one after another, each ended by a NUL byte: the spread
// text first, then the comments, the name and one meaning per position. No
// text may add markup of its own, and the spread picture's size stays sane.

#include "FuzzSupport.h"

#include "core/reports/HtmlReport.h"
#include "core/reports/ReportModel.h"
#include "core/reports/ReportPictures.h"
#include "core/spreads/PositionLabels.h"
#include "core/spreads/Spread.h"
#include "core/spreads/SpreadText.h"
#include "core/table/TableGeometry.h"
#include "core/util/TextCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts = fuzzBytes(data, size).split('\0');
    const auto part = [&parts](int index) {
        return index < parts.size() ? parts.at(index) : QByteArray();
    };
    Spread spread;
    if (!SpreadText::parse(part(0), spread, nullptr))
        spread.reset();
    const QString language = QStringLiteral("English");

    ReportModel model;
    model.comments = TextCodec::decode(part(1), language);
    model.spreadName = TextCodec::decode(part(2), language);
    model.slotSize = TableGeometry::PositionSize;
    for (int i = 0; i < spread.positionCount; ++i) {
        ReportModel::Position position;
        position.place = QPoint(spread.posX[i], spread.posY[i]);
        position.significator = spread.isSignificator[i];
        position.card = i;
        position.label = QString::fromLatin1(PositionLabels::reportLabel(spread, i));
        position.heading = TextCodec::decode(PositionLabels::hint(spread, i), language);
        position.cardTitle = QStringLiteral("Card");
        position.meaning = TextCodec::decode(part(3 + i), language);
        model.positions.append(position);
    }

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
