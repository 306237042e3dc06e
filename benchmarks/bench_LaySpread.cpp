// Laying the largest bundled spread on the real table: reading its file and
// building one labelled picture per position.
#include "SilentInteraction.h"
#include "core/cards/CardFaceCache.h"
#include "ui/table/TableWindow.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void laySpread(benchmark::State &state)
{
    SilentInteraction interaction;
    QTemporaryDir settingsDir;
    QSettings settings(settingsDir.filePath(QStringLiteral("Doded.conf")), QSettings::IniFormat);
    CardFaceCache faces(QStringLiteral(QUILLMOOR_APP_DIR));
    TableWindow table(QStringLiteral(QUILLMOOR_APP_DIR), settings, interaction, faces);
    table.show();
    for (auto _ : state)
        table.session().startReading(QStringLiteral("Year Ahead"));
    state.counters["positions"] = table.session().spread().positionCount();
}

} // namespace

BENCHMARK(laySpread)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
