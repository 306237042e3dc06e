#pragma once

#include "core/reports/ReportWriter.h"

#include <QByteArray>

// The report as a web page, in UTF-8. Everything the user or a file supplied
// is escaped, so it shows as text and never as markup; the pictures are
// referred to by their names in the page's own folder.
class HtmlReport : public ReportWriter
{
public:
    QString extension() const override;
    bool write(const ReportModel &model, const QString &path, const QString &pictureFolder,
               QString *errorString = nullptr) const override;

    static QByteArray page(const ReportModel &model);
    // A meaning text as HTML: escaped, each line break kept as "<br>".
    static QString meaningHtml(const QString &meaning);
};
