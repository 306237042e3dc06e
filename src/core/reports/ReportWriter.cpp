#include "core/reports/ReportWriter.h"

#include "core/reports/HtmlReport.h"

std::unique_ptr<ReportWriter> ReportWriter::forFormat(Format format)
{
    switch (format) {
    case Format::Html:
        return std::make_unique<HtmlReport>();
    case Format::Word:
    case Format::OpenDocument:
        break;
    }
    return nullptr;
}
