#pragma once

#include "core/reports/ZipReport.h"

// The report as an OpenDocument text (ODF 1.2): the type part first and
// uncompressed, the paragraphs in content.xml, the pictures embedded as PNG
// at the size the pixels have at 96 pixels per inch.
class OdtReport : public ZipReport
{
public:
    QString extension() const override;
    bool package(const ReportModel &model, const QDate &date, const QString &pictureFolder,
                 ZipPackage &package, QString *errorString = nullptr) const override;
};
