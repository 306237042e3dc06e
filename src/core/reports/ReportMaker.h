#pragma once

#include "core/reports/ReportWriter.h"

#include <QString>

struct ReportModel;

// Makes a report in a folder: the pictures first, then the document in the
// chosen format under a name no earlier report of this run has used.
namespace ReportMaker {

enum class Result
{
    Written,
    // The format has no writer yet; nothing was written.
    FormatUnavailable,
    // A picture or the document could not be written.
    Failed,
};

// "report" followed by the milliseconds since the epoch; never the same name
// twice in one run, even within one millisecond.
QString uniqueName();

// Writes the report of `model` into `folder`, the document called `name`
// (uniqueName() when empty) with the format's extension. `documentPath`
// receives the document's path (also on failure); `errorString` the reason
// of a failure.
Result make(const ReportModel &model, ReportWriter::Format format, const QString &folder,
            QString *documentPath, QString *errorString = nullptr, const QString &name = QString());

} // namespace ReportMaker
