#pragma once

#include "core/reports/ReportWriter.h"

#include <memory>

class QDate;
class QTextDocument;

// The report as a PDF file: the same paragraphs as the word-processor
// documents, laid out by Qt's text engine and printed to A4 pages.
class PdfReport : public ReportWriter
{
public:
    QString extension() const override;
    bool write(const ReportModel &model, const QString &path, const QString &pictureFolder,
               QString *errorString = nullptr) const override;

    // The laid-out text of `model`'s report dated `date`, with the pictures
    // from `pictureFolder`; null, with the reason, when a picture is missing.
    // Printing it gives the document, on paper as in the file.
    static std::unique_ptr<QTextDocument> document(const ReportModel &model, const QDate &date,
                                                   const QString &pictureFolder,
                                                   QString *errorString = nullptr);
};
