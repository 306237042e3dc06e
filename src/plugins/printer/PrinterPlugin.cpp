// The printer plugin: the print dialog and the printer, with Qt Print
// Support, which the program loads only when the user prints on paper.
#include "ui/reports/PrinterPlugin.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

extern "C" Q_DECL_EXPORT void quillmoor_print_on_printer(QWidget *window,
                                                         const QString &documentName,
                                                         const PrinterPlugin::Job &job)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    QPrintDialog dialog(&printer, window);
    if (job.execDialog(dialog) != QDialog::Accepted)
        return;
    if (const std::unique_ptr<QTextDocument> document = job.document())
        document->print(&printer);
}

// Checked by the compiler: the plugin's function is what the program calls.
static_assert(std::is_same_v<decltype(&quillmoor_print_on_printer), PrinterPlugin::PrintOnPrinter>);
