#include "ui/reports/PrintCommand.h"

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/lang/UiText.h"
#include "core/reports/ReportMaker.h"
#include "core/reports/ReportModel.h"
#include "core/table/ReadingSession.h"
#include "ui/common/Interaction.h"
#include "ui/reports/PrintSettingsDialog.h"

#include <QDir>

void PrintCommand::run(QWidget *window, Interaction &interaction, const ProgramData &data,
                       Preferences &preferences, const ReadingSession &session)
{
    if (!session.isComplete()) {
        interaction.showMessage(window, data.uiText(UiText::ReadingIncomplete));
        return;
    }
    PrintSettingsDialog dialog(preferences, data.uiTexts(), window);
    if (interaction.execDialog(dialog) != QDialog::Accepted)
        return;
    dialog.save(preferences);

    const ReportModel model = ReportModel::fromReading(
        session.spread(), session.spreadName(), preferences.reportComments, data, preferences);
    QString path;
    QString reason;
    const QString folder = QDir(data.appDir()).filePath(QStringLiteral("Temp"));
    const auto format = ReportWriter::Format(preferences.printType);
    switch (ReportMaker::make(model, format, folder, &path, &reason)) {
    case ReportMaker::Result::FormatUnavailable:
        interaction.showMessage(window, data.uiText(UiText::ReportFormatUnavailable));
        return;
    case ReportMaker::Result::Failed:
        interaction.showMessage(
            window, ReportWriter::failureMessage(format) +
                        QStringLiteral("\n%1\n%2").arg(QDir::toNativeSeparators(path), reason));
        return;
    case ReportMaker::Result::Written:
        break;
    }
    if (!interaction.openDocument(path))
        interaction.showMessage(window, data.uiText(UiText::ReportNotOpened) + QLatin1Char('\n') +
                                            QDir::toNativeSeparators(path));
}
