#pragma once

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/reports/ReportModel.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtTest>

// The report models the report tests share: one made by hand, and one read
// from a saved reading with the bundled program data.
namespace ReportFixture {

// "Plain": a significator, a reversed card whose meaning has two lines and a
// card without a meaning; nothing in it is read from files.
inline ReportModel handMade()
{
    ReportModel model;
    model.spreadName = QStringLiteral("Plain");
    ReportModel::Position significator;
    significator.significator = true;
    significator.heading = QStringLiteral("The querent");
    significator.documentHeading = significator.heading;
    significator.cardTitle = QStringLiteral("The Seeker");
    significator.meaning = QStringLiteral("never shown for a significator");
    ReportModel::Position reversed;
    reversed.heading = QStringLiteral("1. Now");
    reversed.documentHeading = reversed.heading;
    reversed.cardTitle = QStringLiteral("Dawn");
    reversed.reversed = true;
    reversed.meaning = QStringLiteral("first line\r\nsecond  line");
    ReportModel::Position silent;
    silent.heading = QStringLiteral("2. Later");
    silent.documentHeading = silent.heading;
    silent.cardTitle = QStringLiteral("Dusk");
    model.positions = {significator, reversed, silent};
    return model;
}

// Draws into `folder` the pictures a report of handMade() refers to: the
// spread picture and one card picture per position, each a size of its own.
[[nodiscard]] inline bool drawPictures(const QString &folder)
{
    const QDir dir(folder);
    if (!QImage(480, 350, QImage::Format_RGB32).save(dir.filePath(QStringLiteral("1000.png"))))
        return false;
    for (int i = 0; i < 3; ++i) {
        if (!QImage(100 + i, 200, QImage::Format_RGB32)
                 .save(dir.filePath(QStringLiteral("%1.png").arg(i))))
            return false;
    }
    return true;
}

// The report model of `reading` (data/celtic-cross.reading unless named) as `preferences` ask for
// it (scanning the program data may correct them), with the bundled program folder seen through
// links in `appDir`, so nothing is written into it.
[[nodiscard]] inline bool
savedReading(const QString &appDir, Preferences &preferences, ReportModel &model,
             QString *errorString,
             const QString &reading = QStringLiteral("data/celtic-cross.reading"))
{
    const QDir bundled(QStringLiteral(QUILLMOOR_BUNDLED_DATA_DIR));
    for (const char *folder : {"Pics", "Langs", "Spreads"}) {
        if (!QFile::link(bundled.filePath(QLatin1String(folder)),
                         QDir(appDir).filePath(QLatin1String(folder))))
            return false;
    }
    ProgramData data(appDir);
    // As the table's start-up does.
    data.roots().createFolders();
    data.scan(preferences);
    data.loadLanguage(preferences);
    return ReportModel::fromReadingFile(QFINDTESTDATA(reading), data, preferences, model,
                                        errorString);
}

} // namespace ReportFixture
