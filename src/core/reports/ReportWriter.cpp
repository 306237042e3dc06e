#include "core/reports/ReportWriter.h"

#include "core/reports/DocxReport.h"
#include "core/reports/HtmlReport.h"
#include "core/reports/OdtReport.h"
#include "core/reports/PdfReport.h"

std::unique_ptr<ReportWriter> ReportWriter::forFormat(Format format)
{
    switch (format) {
    case Format::Html:
        return std::make_unique<HtmlReport>();
    case Format::Word:
        return std::make_unique<DocxReport>();
    case Format::Printer:
        break;
    case Format::OpenDocument:
        return std::make_unique<OdtReport>();
    case Format::Pdf:
        return std::make_unique<PdfReport>();
    }
    return nullptr;
}

QString ReportWriter::failureMessage(Format format)
{
    switch (format) {
    case Format::Word:
        return QStringLiteral("Could not create MS Word file.");
    case Format::OpenDocument:
        return QStringLiteral("Could not create OpenOffice file.");
    case Format::Pdf:
        return QStringLiteral("Could not create PDF file.");
    case Format::Printer:
        return QStringLiteral("Could not print the reading.");
    case Format::Html:
        break;
    }
    return QStringLiteral("Could not create HTML file.");
}
