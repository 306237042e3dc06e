#include "core/reports/ReportWriter.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
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

QString ReportWriter::failureMessage(Format format, const UiTextTable &texts)
{
    switch (format) {
    case Format::Word:
        return texts.string(UiText::WordNotCreated);
    case Format::OpenDocument:
        return texts.string(UiText::OpenDocumentNotCreated);
    case Format::Pdf:
        return texts.string(UiText::PdfNotCreated);
    case Format::Printer:
        return texts.string(UiText::ReadingNotPrinted);
    case Format::Html:
        break;
    }
    return texts.string(UiText::HtmlNotCreated);
}

QString ReportWriter::applicationNeeded(Format format, const UiTextTable &texts)
{
    switch (format) {
    case Format::Word:
        return texts.string(UiText::ApplicationForWord);
    case Format::OpenDocument:
        return texts.string(UiText::ApplicationForOpenDocument);
    case Format::Pdf:
    case Format::Printer:
        return texts.string(UiText::ApplicationForPdf);
    case Format::Html:
        break;
    }
    return texts.string(UiText::ApplicationForHtml);
}
