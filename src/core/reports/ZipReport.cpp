#include "core/reports/ZipReport.h"

#include "core/util/ZipPackage.h"

#include <QDate>

bool ZipReport::write(const ReportModel &model, const QString &path, const QString &pictureFolder,
                      QString *errorString) const
{
    ZipPackage zip;
    return package(model, QDate::currentDate(), pictureFolder, zip, errorString) &&
           zip.write(path, errorString);
}
