#include "core/reports/ReportMaker.h"

#include "core/reports/ReportModel.h"
#include "core/reports/ReportName.h"
#include "core/reports/ReportPictures.h"

#include <QDir>

namespace {

QString missingFolder(const QString &folder)
{
    return QStringLiteral("The folder %1 does not exist.").arg(QDir::toNativeSeparators(folder));
}

} // namespace

ReportMaker::Result ReportMaker::make(const ReportModel &model, ReportWriter::Format format,
                                      const Place &place, QString *documentPath,
                                      QString *errorString)
{
    const std::unique_ptr<ReportWriter> writer = ReportWriter::forFormat(format);
    if (!writer)
        return Result::FormatUnavailable;
    const QString extension = QLatin1Char('.') + writer->extension();
    const bool page = format == ReportWriter::Format::Html;
    QDir folder(place.folder);
    QString name = place.name;
    if (name.isEmpty()) {
        name = ReportName::unused(folder, ReportName::dated(model.spreadName, place.when),
                                  page ? QString() : extension);
        if (!page)
            name.chop(extension.size());
    }
    if (page && place.name.isEmpty()) {
        // The page and its pictures share a folder of their own.
        if (folder.exists() && !folder.mkdir(name)) {
            if (documentPath)
                *documentPath = folder.filePath(name);
            if (errorString)
                *errorString = QStringLiteral("The folder %1 could not be made.")
                                   .arg(QDir::toNativeSeparators(folder.filePath(name)));
            return Result::Failed;
        }
        folder.setPath(folder.filePath(name));
    }
    const QString path = folder.filePath(name + extension);
    if (documentPath)
        *documentPath = path;
    const QString pictureFolder = page ? folder.path() : place.scratchFolder;
    for (const QString &needed : {folder.path(), pictureFolder}) {
        if (!QDir(needed).exists()) {
            if (errorString)
                *errorString = missingFolder(needed);
            return Result::Failed;
        }
    }
    if (!ReportPictures::write(model, pictureFolder, errorString))
        return Result::Failed;
    QString reason;
    if (!writer->write(model, path, pictureFolder, &reason)) {
        if (errorString)
            *errorString = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
        return Result::Failed;
    }
    return Result::Written;
}
