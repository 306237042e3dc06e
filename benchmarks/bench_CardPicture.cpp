// Loading a card picture and turning it for a reversed card, as a spread
// position and as the enlarged picture of the detail window get it.
#include "core/cards/CardPicture.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

const QString appDir = QStringLiteral(QUILLMOOR_APP_DIR);

void positionImage(benchmark::State &state)
{
    for (auto _ : state) {
        const QImage face = CardPicture::load(appDir, QStringLiteral("Ardenvale"), 17, true);
        // A position shows the face stretched to 87 x 148.
        benchmark::DoNotOptimize(face.scaled(87, 148, Qt::IgnoreAspectRatio));
    }
}

void detailImage(benchmark::State &state)
{
    for (auto _ : state) {
        const QImage face = CardPicture::load(appDir, QStringLiteral("Ardenvale"), 17, true);
        // The detail window's default box is 200 x 290.
        benchmark::DoNotOptimize(face.scaled(200, 290, Qt::IgnoreAspectRatio));
    }
}

} // namespace

BENCHMARK(positionImage)->Unit(benchmark::kMillisecond);
BENCHMARK(detailImage)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
