#include "core/reports/HtmlReport.h"

#include "core/reports/DocumentBlocks.h"
#include "core/reports/ReportModel.h"
#include "core/reports/ReportPictures.h"
#include "core/util/WholeFile.h"

namespace {

const QString LineEnd = QStringLiteral("\r\n");

} // namespace

QString HtmlReport::extension() const
{
    return QStringLiteral("htm");
}

bool HtmlReport::write(const ReportModel &model, const QString &path, const QString &,
                       QString *errorString) const
{
    return WholeFile::write(path, page(model), errorString);
}

QString HtmlReport::meaningHtml(const QString &meaning)
{
    QString html = meaning.toHtmlEscaped();
    // CR LF gives "<br> " as it always has; a lone CR or LF breaks the line too.
    html.replace(QLatin1String("\r\n"), QLatin1String("<br> "));
    html.replace(QLatin1Char('\r'), QLatin1String("<br>"));
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return html;
}

QByteArray HtmlReport::page(const ReportModel &model)
{
    const QString spreadName = model.spreadName.toHtmlEscaped();
    QString html;
    // The comments keep their lines but wrap at the page's edge when printed;
    // the font is the one every report format uses.
    html += QStringLiteral("<HTML lang=\"%1\"><head><meta charset=\"utf-8\"><TITLE>")
                .arg(model.languageTag.toHtmlEscaped()) +
            spreadName +
            QStringLiteral("</TITLE><style>body { font-family: \"%1\", sans-serif; } "
                           "pre { white-space: pre-wrap; font-family: inherit; }"
                           "</style></head>")
                .arg(QLatin1String(DocumentBlocks::FontFamily)) +
            LineEnd + QStringLiteral("<BODY BGCOLOR=\"#FFFFFF\" text=\"#000000\"><BLOCKQUOTE>") +
            LineEnd;
    html += QStringLiteral("<font size=4><b>") + spreadName +
            QStringLiteral("&nbsp;&nbsp;</b></font>") + LineEnd;
    html += QStringLiteral("<PRE>") + model.comments.toHtmlEscaped() + QStringLiteral("</PRE><br>");
    if (model.options.spreadView)
        html += QStringLiteral("<img src=%1 border=0 alt=\"Spread\"><br>")
                    .arg(QLatin1String(ReportPictures::SpreadPictureName));
    for (int i = 0; i < model.positions.size(); ++i) {
        const ReportModel::Position &position = model.positions[i];
        html += QStringLiteral("<hr width=100%></p><p><table width=90% border=0><tr>");
        if (model.options.bigCards)
            html += QStringLiteral("<td align=left valign=top width=10%><img src=%1 border=0 "
                                   "hspace=20><br></td>")
                        .arg(ReportPictures::cardPictureName(i));
        html += QStringLiteral("<td align=left valign=top width=90%>");
        html +=
            QStringLiteral("<b>") + position.heading.toHtmlEscaped() + QStringLiteral("</b><br>");
        html += QStringLiteral("<b>") + position.cardTitle.toHtmlEscaped();
        if (position.reversed)
            html +=
                QStringLiteral(" (") + model.reversedWord.toHtmlEscaped() + QStringLiteral(") ");
        html += QStringLiteral("</b><br>");
        if (model.options.explanations && !position.significator)
            html += meaningHtml(position.meaning);
        html += QStringLiteral("</td></tr></table>");
    }
    html += QStringLiteral("</p></BLOCKQUOTE></BODY></HTML>");
    return html.toUtf8();
}
