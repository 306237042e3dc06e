#pragma once

#include "core/reports/ZipReport.h"

// The report as an Office Open XML word-processing document (.docx): the
// content types, the relations, the paragraphs in word/document.xml and the
// pictures embedded as PNG at the same size on paper as in the OpenDocument
// report.
class DocxReport : public ZipReport
{
public:
    QString extension() const override;
    bool package(const ReportModel &model, const QDate &date, const QString &pictureFolder,
                 ZipPackage &package, QString *errorString = nullptr) const override;
};
