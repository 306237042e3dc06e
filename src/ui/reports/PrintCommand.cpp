#include "ui/reports/PrintCommand.h"

#include "core/app/Plugins.h"
#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "core/reports/PdfReport.h"
#include "core/reports/ReportMaker.h"
#include "core/reports/ReportModel.h"
#include "core/reports/ReportPictures.h"
#include "core/table/ReadingSession.h"
#include "ui/common/Interaction.h"
#include "ui/reports/PrintSettingsDialog.h"
#include "ui/reports/PrinterPlugin.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextDocument>

namespace {

// Prints the report's document on a printer the user chooses; the pictures
// are written to `folder` first, as for the files.
void printReport(QWidget *window, Interaction &interaction, const ReportModel &model,
                 const QString &folder, const UiTextTable &texts)
{
    const auto failed = [&](const QString &reason) {
        interaction.showMessage(window,
                                ReportWriter::failureMessage(ReportWriter::Format::Printer, texts) +
                                    QLatin1Char('\n') + reason);
    };
    QString reason;
    const auto print = Plugins::resolve<PrinterPlugin::PrintOnPrinter>(
        QLatin1String(PrinterPlugin::Name), PrinterPlugin::Symbol, &reason);
    if (!print) {
        failed(reason);
        return;
    }
    PrinterPlugin::Job job;
    job.execDialog = [&interaction](QDialog &dialog) { return interaction.execDialog(dialog); };
    job.document = [&]() -> std::unique_ptr<QTextDocument> {
        std::unique_ptr<QTextDocument> document;
        if (QDir(folder).exists() && ReportPictures::write(model, folder, &reason))
            document = PdfReport::document(model, QDate::currentDate(), folder, &reason);
        else if (reason.isEmpty())
            reason = texts.string(UiText::FolderMissing).arg(QDir::toNativeSeparators(folder));
        if (!document)
            failed(reason);
        return document;
    };
    print(window, model.spreadName, job);
}

// Hands the report at `path` to the desktop. When nothing opens it, says
// what kind of application would, and offers to show its folder.
void openReport(QWidget *window, Interaction &interaction, const UiTextTable &texts,
                ReportFormat format, const QString &path)
{
    const QPointer<QWidget> owner(window);
    interaction.openDocument(path, [owner, &interaction, &texts, format, path] {
        const QFileInfo file(path);
        const QString folder = file.absolutePath();
        const QString text =
            texts.string(UiText::ReportNotOpened) + QLatin1Char('\n') +
            texts.string(UiText::ReportNotOpenedDetail)
                .arg(file.fileName(), ReportWriter::applicationNeeded(format, texts),
                     QDir::toNativeSeparators(folder));
        if (!interaction.offerAction(owner, text, texts.string(UiText::OpenFolder)))
            return;
        interaction.openDocument(folder, [owner, &interaction, &texts, folder] {
            interaction.showMessage(
                owner, texts.string(UiText::FolderNotOpened).arg(QDir::toNativeSeparators(folder)));
        });
    });
}

} // namespace

void PrintCommand::run(QWidget *window, const DialogContext &context, const ReadingSession &session)
{
    Interaction &interaction = context.interaction;
    const ProgramData &data = context.data;
    Preferences &preferences = context.preferences;
    if (!session.isComplete()) {
        interaction.showMessage(window, data.uiText(UiText::ReadingIncomplete));
        return;
    }
    PrintSettingsDialog dialog(preferences, data.roots().reportsDir(), data.uiTexts(), interaction,
                               window);
    if (interaction.execDialog(dialog) != QDialog::Accepted)
        return;
    dialog.store(preferences);

    const ReportModel model =
        ReportModel::fromReading(session.spread(), session.placements(), session.spreadName(),
                                 preferences.reportComments(), data, preferences);
    const QString scratch = data.roots().tempDir();
    const ReportFormat format = preferences.reportFormat();
    if (format == ReportWriter::Format::Printer) {
        printReport(window, interaction, model, scratch, data.uiTexts());
        return;
    }
    const QString folder = preferences.reportFolder().isEmpty() ? data.roots().reportsDir()
                                                                : preferences.reportFolder();
    // A folder that cannot be made is reported by the report itself.
    QDir().mkpath(folder);
    QString path;
    QString reason;
    switch (ReportMaker::make(model, format, {folder, scratch}, &path, &reason)) {
    case ReportMaker::Result::FormatUnavailable:
        interaction.showMessage(window, data.uiText(UiText::ReportFormatUnavailable));
        return;
    case ReportMaker::Result::Failed:
        interaction.showMessage(
            window, ReportWriter::failureMessage(format, data.uiTexts()) +
                        QStringLiteral("\n%1\n%2").arg(QDir::toNativeSeparators(path), reason));
        return;
    case ReportMaker::Result::Written:
        break;
    }
    const QFileInfo file(path);
    interaction.notify(window,
                       data.uiText(UiText::ReportKept)
                           .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath())));
    openReport(window, interaction, data.uiTexts(), format, path);
}
