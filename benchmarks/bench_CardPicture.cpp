// Loading a card picture and turning it for a reversed card, as a spread
// position and the detail window get it, on an ordinary screen and on one of
// twice the density, beside the anchor: a full decode of the same file by the
// image reader.
#include "core/cards/CardFaceCache.h"
#include "core/cards/CardPicture.h"

#include <QGuiApplication>
#include <QImageReader>

#include <benchmark/benchmark.h>

namespace {

const QString appDir = QStringLiteral(QUILLMOOR_APP_DIR);
const QString deck = QStringLiteral("Ardenvale");
constexpr int Card = 17;

void fullDecodeAnchor(benchmark::State &state)
{
    const QString path = CardPicture::path(appDir, deck, Card);
    for (auto _ : state)
        benchmark::DoNotOptimize(QImageReader(path).read());
}

void positionImage(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CardPicture::load(appDir, deck, Card, true, {87, 148}));
}

void detailImage(benchmark::State &state)
{
    // The detail window's default box is 200 x 290.
    for (auto _ : state)
        benchmark::DoNotOptimize(CardPicture::load(appDir, deck, Card, true, {200, 290}));
}

// A face as the window gets it from the cache at `ratio` device pixels per
// point, emptied each round so that every round decodes.
void cachedFace(benchmark::State &state, QSize size, qreal ratio)
{
    CardFaceCache faces(appDir);
    for (auto _ : state) {
        faces.clear();
        benchmark::DoNotOptimize(faces.face(deck, Card, true, size, ratio));
    }
}

} // namespace

BENCHMARK(fullDecodeAnchor)->Unit(benchmark::kMillisecond);
BENCHMARK(positionImage)->Unit(benchmark::kMillisecond);
BENCHMARK(detailImage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(cachedFace, positionImage2x, QSize(87, 148), 2.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(cachedFace, detailImage2x, QSize(200, 290), 2.0)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
