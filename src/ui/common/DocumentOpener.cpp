#include "ui/common/DocumentOpener.h"

#include <QElapsedTimer>
#include <QProcess>

DocumentOpener::DocumentOpener(QObject *parent)
    : QObject(parent)
{}

void DocumentOpener::open(const QString &path, std::function<void()> onFailure)
{
    auto *process = new QProcess(this);
    process->setProgram(QStringLiteral("xdg-open"));
    process->setArguments({path});
    // The application may write for as long as it runs; nothing here reads it.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    QElapsedTimer started;
    started.start();
    connect(process, &QProcess::finished, this,
            [process, onFailure, started](int exitCode, QProcess::ExitStatus status) {
                const bool failed = status != QProcess::NormalExit || exitCode != 0;
                if (failed && started.elapsed() < AnswerWindowMs && onFailure)
                    onFailure();
                process->deleteLater();
            });
    connect(process, &QProcess::errorOccurred, this,
            [process, onFailure](QProcess::ProcessError error) {
                // A crash or a failed wait ends in finished() too.
                if (error != QProcess::FailedToStart)
                    return;
                if (onFailure)
                    onFailure();
                process->deleteLater();
            });
    process->start();
}
