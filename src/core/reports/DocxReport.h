#pragma once

#include "core/reports/ReportWriter.h"

class QDate;
class ZipPackage;

// The report as an Office Open XML word-processing document (.docx): the
// content types, the relations, the paragraphs in word/document.xml and the
// pictures embedded as PNG at the same size on paper as in the OpenDocument
// report.
class DocxReport : public ReportWriter
{
public:
    QString extension() const override;
    bool write(const ReportModel &model, const QString &path,
               QString *errorString = nullptr) const override;

    // The container of `model`'s report dated `date`, with the pictures
    // from `pictureFolder`; false, with the reason, when a picture is missing.
    static bool package(const ReportModel &model, const QDate &date, const QString &pictureFolder,
                        ZipPackage &package, QString *errorString = nullptr);
};
