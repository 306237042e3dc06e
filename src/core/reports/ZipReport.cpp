#include "core/reports/ZipReport.h"

#include "core/util/ZipPackage.h"

#include <QDate>
#include <QFileInfo>

bool ZipReport::write(const ReportModel &model, const QString &path, QString *errorString) const
{
    // The pictures lie beside the document.
    ZipPackage zip;
    return package(model, QDate::currentDate(), QFileInfo(path).absolutePath(), zip, errorString) &&
           zip.write(path, errorString);
}
