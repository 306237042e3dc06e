#include "JournalCommand.h"
#include "ReadingCommand.h"
#include "ReportCommand.h"
#include "SpreadCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr char Usage[] = "usage: qmfile spread unpack FILE\n"
                         "       qmfile spread pack TEXT OUT\n"
                         "       qmfile reading unpack FILE [POSITIONS]\n"
                         "       qmfile reading pack TEXT OUT\n";

} // namespace

int main(int argc, char *argv[])
{
    // Reports draw their pictures with fonts, which need the GUI side of Qt;
    // it runs without a display.
    const bool report = argc > 1 && std::strcmp(argv[1], "report") == 0;
    std::unique_ptr<QCoreApplication> app;
    if (report) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("spread"))
        return SpreadCommand::run(arguments.mid(1));
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("reading"))
        return ReadingCommand::run(arguments.mid(1));
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("journal"))
        return JournalCommand::run(arguments.mid(1));
    if (report)
        return ReportCommand::run(arguments.mid(1));
    const bool help = !arguments.isEmpty() && arguments.first() == QLatin1String("--help");
    std::fputs(Usage, help ? stdout : stderr);
    std::fputs(ReportCommand::Usage, help ? stdout : stderr);
    std::fputs(JournalCommand::Usage, help ? stdout : stderr);
    return help ? 0 : 2;
}
