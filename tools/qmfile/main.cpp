#include "ReadingCommand.h"
#include "SpreadCommand.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("spread"))
        return SpreadCommand::run(arguments.mid(1));
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("reading"))
        return ReadingCommand::run(arguments.mid(1));
    std::fputs("usage: qmfile spread unpack FILE\n"
               "       qmfile spread pack TEXT OUT\n"
               "       qmfile reading unpack FILE [POSITIONS]\n"
               "       qmfile reading pack TEXT OUT\n",
               stderr);
    return 2;
}
