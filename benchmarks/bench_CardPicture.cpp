// Loading a card picture and turning it for a reversed card, as a spread
// position and the detail window get it, at 1x and at a device pixel ratio
// of 2, beside two anchors: a plain libjpeg-turbo decode of the whole file
// and a full decode by Qt's image reader. Each face is timed decoded, as it
// is the first time it is shown at a size, and read back from the face
// store, as it is every later time.
#include "core/cards/CardFaceCache.h"
#include "core/cards/CardPicture.h"
#include "core/cards/FaceStore.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

const QString appDir = QStringLiteral(QUILLMOOR_APP_DIR);
const QString deck = QStringLiteral("Ardenvale");
constexpr int Card = 17;
// A position's box on a 1366 x 768 table, and the detail window's default box.
constexpr QSize Position{87, 148};
constexpr QSize Detail{200, 290};

// The file read and decoded whole, to RGB, the way any program using
// libjpeg-turbo would: no scaling, default settings.
void plainLibjpegAnchor(benchmark::State &state)
{
    const QString path = CardPicture::path(appDir, deck, Card);
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        jpeg_decompress_struct info;
        jpeg_error_mgr errors;
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(bytes.constData()),
                     static_cast<unsigned long>(bytes.size()));
        jpeg_read_header(&info, TRUE);
        jpeg_start_decompress(&info);
        std::vector<unsigned char> pixels(size_t(info.output_width) * info.output_height *
                                          info.output_components);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = pixels.data() + size_t(info.output_scanline) * info.output_width *
                                               info.output_components;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        benchmark::DoNotOptimize(pixels.data());
    }
}

void fullDecodeAnchor(benchmark::State &state)
{
    const QString path = CardPicture::path(appDir, deck, Card);
    for (auto _ : state)
        benchmark::DoNotOptimize(QImageReader(path).read());
}

// state.range(0): the device pixel ratio.
void positionImage(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(
            CardPicture::load(appDir, deck, Card, true, Position * state.range(0)));
}

void detailImage(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(
            CardPicture::load(appDir, deck, Card, true, Detail * state.range(0)));
}

// A face as the table and the detail window get it once it is stored: the
// faces in memory are dropped each time, as in a new session.
void storedFace(benchmark::State &state, const QSize &size)
{
    QTemporaryDir folder;
    FaceStore store(folder.path());
    CardFaceCache faces(appDir);
    faces.setStore(&store);
    const qreal ratio = qreal(state.range(0));
    faces.face(deck, Card, true, size, ratio);
    store.waitForWrites();
    for (auto _ : state) {
        faces.clear();
        benchmark::DoNotOptimize(faces.face(deck, Card, true, size, ratio));
    }
}

void positionFace(benchmark::State &state)
{
    storedFace(state, Position);
}

void detailFace(benchmark::State &state)
{
    storedFace(state, Detail);
}

} // namespace

BENCHMARK(plainLibjpegAnchor)->Unit(benchmark::kMillisecond);
BENCHMARK(fullDecodeAnchor)->Unit(benchmark::kMillisecond);
BENCHMARK(positionImage)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(detailImage)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(positionFace)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(detailFace)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
