#pragma once

#include "core/app/Preferences.h"

#include <QString>

#include <memory>

struct ReportModel;
class UiTextTable;

// One format a report can be written in. Each writer turns the report model
// into its document; the pictures it refers to already lie beside it.
class ReportWriter
{
public:
    // The formats the print settings offer; the printer has no writer.
    using Format = ReportFormat;

    virtual ~ReportWriter() = default;

    // The document's file name extension, without the dot.
    virtual QString extension() const = 0;
    // Writes the document for `model` to `path`; false, with the reason in
    // `errorString`, when it cannot.
    virtual bool write(const ReportModel &model, const QString &path,
                       QString *errorString = nullptr) const = 0;

    // The writer of `format`; null while the format is not available.
    static std::unique_ptr<ReportWriter> forFormat(Format format);
    // The words of the interface language that say a report in `format` failed.
    static QString failureMessage(Format format, const UiTextTable &texts);
};
