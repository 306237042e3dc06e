#include "core/readings/SpreadUsage.h"

#include "core/readings/ReadingFile.h"
#include "core/readings/ReadingOpenPlan.h"
#include "core/util/WholeFile.h"

#include <QDirIterator>

namespace {

// Enough for any collection of readings kept by hand; the scan stops there so
// that a huge folder cannot hold up a save.
constexpr int MostFilesLooked = 10000;

} // namespace

int SpreadUsage::readingsUsing(const DataRoots &roots, const QString &spreadName,
                               const QString &language)
{
    int users = 0;
    int looked = 0;
    for (const QString &folder : roots.folders(QStringLiteral("Saved"))) {
        QDirIterator files(folder, {QStringLiteral("*.reading")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext() && looked < MostFilesLooked) {
            ++looked;
            QByteArray bytes;
            if (!WholeFile::read(files.next(), bytes, nullptr, ReadingFile::LargestFile))
                continue;
            ReadingFile::Heading heading;
            if (ReadingFile::readHeading(bytes, heading) == ReadingFile::ParseResult::Ok &&
                ReadingOpenPlan::findSpread({spreadName}, heading.spreadName, language) == 0)
                ++users;
        }
    }
    return users;
}
