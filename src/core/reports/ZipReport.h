#pragma once

#include "core/reports/ReportWriter.h"

class QDate;
class ZipPackage;

// A report written as a zip container of XML parts and embedded pictures:
// each format fills the container its own way, and all are written alike.
class ZipReport : public ReportWriter
{
public:
    bool write(const ReportModel &model, const QString &path, const QString &pictureFolder,
               QString *errorString = nullptr) const final;

    // The container of `model`'s report dated `date`, with the pictures
    // from `pictureFolder`; false, with the reason, when a picture is missing.
    virtual bool package(const ReportModel &model, const QDate &date, const QString &pictureFolder,
                         ZipPackage &package, QString *errorString = nullptr) const = 0;
};
