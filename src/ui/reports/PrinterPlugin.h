#pragma once

#include <QString>

#include <functional>
#include <memory>

class QDialog;
class QTextDocument;
class QWidget;

// Printing on a printer, kept in a plugin of its own with Qt Print Support,
// loaded when the user first prints there.
namespace PrinterPlugin {

constexpr const char *Name = "quillmoor-printer.so";
constexpr const char *Symbol = "quillmoor_print_on_printer";

struct Job
{
    // Runs the print dialog as the program runs its dialogs; gives its result.
    std::function<int(QDialog &dialog)> execDialog;
    // The document to print, made once a printer is chosen; null when it
    // cannot be made (the maker has said why).
    std::function<std::unique_ptr<QTextDocument>()> document;
};

// Asks for a printer over `window` and prints the job's document named
// `documentName` on it.
using PrintOnPrinter = void (*)(QWidget *window, const QString &documentName, const Job &job);

} // namespace PrinterPlugin
