#pragma once

#include "core/app/Preferences.h"

#include <QString>

#include <memory>

struct ReportModel;
class UiTextTable;

// One format a report can be written in. Each writer turns the report model
// into its document; the pictures it shows are written before it.
class ReportWriter
{
public:
    // The formats the print settings offer; the printer has no writer.
    using Format = ReportFormat;

    virtual ~ReportWriter() = default;

    // The document's file name extension, without the dot.
    virtual QString extension() const = 0;
    // Writes the document for `model` to `path`, with the pictures written
    // into `pictureFolder`; false, with the reason in `errorString`, when it
    // cannot.
    virtual bool write(const ReportModel &model, const QString &path, const QString &pictureFolder,
                       QString *errorString = nullptr) const = 0;

    // The writer of `format`; null while the format is not available.
    static std::unique_ptr<ReportWriter> forFormat(Format format);
    // The words of the interface language that say a report in `format` failed.
    static QString failureMessage(Format format, const UiTextTable &texts);
    // The kind of application that opens a report in `format`, in the
    // interface language: "a web browser", "a PDF viewer"...
    static QString applicationNeeded(Format format, const UiTextTable &texts);
};
