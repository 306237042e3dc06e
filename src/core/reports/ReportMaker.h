#pragma once

#include "core/reports/ReportWriter.h"

#include <QDateTime>
#include <QString>

struct ReportModel;

// Makes a report in a folder: the pictures first, then the document in the
// chosen format. A report made for the user is kept under a dated name that
// no earlier report has; a web page gets a folder of its own with its
// pictures, so it can be moved or mailed whole.
namespace ReportMaker {

enum class Result
{
    Written,
    // The format has no writer yet; nothing was written.
    FormatUnavailable,
    // A picture or the document could not be written.
    Failed,
};

// Where a report goes.
struct Place
{
    Place(const QString &folder, const QString &scratchFolder, const QString &name = QString(),
          const QDateTime &when = QDateTime::currentDateTime())
        : folder(folder)
        , scratchFolder(scratchFolder)
        , name(name)
        , when(when)
    {}

    // The folder the document (or the web page's folder) is made in.
    QString folder;
    // Where the pictures a document embeds are drawn first: scratch space.
    QString scratchFolder;
    // The document's name without its extension, written in `folder` as it
    // is, the page's pictures beside it. Empty: a name made from the date
    // and the spread that nothing in `folder` has yet.
    QString name;
    // When the report is made, for the dated name.
    QDateTime when;
};

// Writes the report of `model` in `format` at `place`. `documentPath`
// receives the document's path (also on failure); `errorString` the reason
// of a failure.
Result make(const ReportModel &model, ReportWriter::Format format, const Place &place,
            QString *documentPath, QString *errorString = nullptr);

} // namespace ReportMaker
