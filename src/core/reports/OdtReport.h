#pragma once

#include "core/reports/ReportWriter.h"

class QDate;
class ZipPackage;

// The report as an OpenDocument text (ODF 1.2): the type part first and
// uncompressed, the paragraphs in content.xml, the pictures embedded as PNG
// at the size the pixels have at 96 pixels per inch.
class OdtReport : public ReportWriter
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
