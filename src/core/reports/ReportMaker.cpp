#include "core/reports/ReportMaker.h"

#include "core/reports/ReportModel.h"
#include "core/reports/ReportPictures.h"

#include <QDateTime>
#include <QDir>

QString ReportMaker::uniqueName()
{
    static qint64 lastTicks = 0;
    qint64 ticks = QDateTime::currentMSecsSinceEpoch();
    if (ticks <= lastTicks)
        ticks = lastTicks + 1;
    lastTicks = ticks;
    return QStringLiteral("report") + QString::number(ticks);
}

ReportMaker::Result ReportMaker::make(const ReportModel &model, ReportWriter::Format format,
                                      const QString &folder, QString *documentPath,
                                      QString *errorString, const QString &name)
{
    const std::unique_ptr<ReportWriter> writer = ReportWriter::forFormat(format);
    if (!writer)
        return Result::FormatUnavailable;
    const QString path = QDir(folder).filePath((name.isEmpty() ? uniqueName() : name) +
                                               QLatin1Char('.') + writer->extension());
    if (documentPath)
        *documentPath = path;
    if (!QDir(folder).exists()) {
        if (errorString)
            *errorString = QStringLiteral("The folder %1 does not exist.")
                               .arg(QDir::toNativeSeparators(folder));
        return Result::Failed;
    }
    if (!ReportPictures::write(model, folder, errorString))
        return Result::Failed;
    QString reason;
    if (!writer->write(model, path, &reason)) {
        if (errorString)
            *errorString = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
        return Result::Failed;
    }
    return Result::Written;
}
