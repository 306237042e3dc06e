// The journal over 10 000 readings: the first index of them all, opening the
// journal again when nothing changed (the update and the list it shows), and
// a search of the comments.
#include "GeneratedReadings.h"
#include "core/journal/JournalIndex.h"
#include "core/journal/JournalReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int ReadingCount = 10000;

// The readings, written once for every benchmark.
struct Journal
{
    QTemporaryDir root;
    CardTitles::Table titles;

    Journal()
    {
        GeneratedReadings::writeSpreads(root.path());
        const QString saved = root.filePath(QStringLiteral("Saved"));
        QDir().mkpath(saved);
        for (int i = 0; i < ReadingCount; ++i)
            GeneratedReadings::write(saved, i);
        CardTitles::load(titles, DataRoots(QStringLiteral(QUILLMOOR_APP_DIR)),
                         QStringLiteral("English"), false, {});
    }
    QString database() const { return root.filePath(QStringLiteral("journal.sqlite")); }

    // Opens the index and brings it up to date, as the journal window does.
    std::unique_ptr<JournalIndex> update() const
    {
        auto index = std::make_unique<JournalIndex>(database());
        index->open();
        index->setTitles(QStringLiteral("English"), titles, titles);
        JournalReader reader(DataRoots(root.path()), QStringLiteral("English"));
        index->update({root.filePath(QStringLiteral("Saved"))}, reader);
        return index;
    }
};

const Journal &journal()
{
    static const Journal made;
    return made;
}

void firstIndex(benchmark::State &state)
{
    const Journal &readings = journal();
    for (auto _ : state) {
        state.PauseTiming();
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(readings.database() + QLatin1String(suffix));
        state.ResumeTiming();
        const auto index = readings.update();
        benchmark::DoNotOptimize(index.get());
    }
}

void reopenUnchanged(benchmark::State &state)
{
    const Journal &readings = journal();
    readings.update();
    for (auto _ : state) {
        const auto index = readings.update();
        benchmark::DoNotOptimize(index->find({}).size());
    }
}

// The parts of reopening: finding the files with their sizes and times, and
// listing every entry.
void walkFolders(benchmark::State &state)
{
    const Journal &readings = journal();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            JournalIndex::readingFiles({readings.root.filePath(QStringLiteral("Saved"))}).size());
}

void listAll(benchmark::State &state)
{
    const auto index = journal().update();
    for (auto _ : state)
        benchmark::DoNotOptimize(index->find({}).size());
}

void search(benchmark::State &state)
{
    const Journal &readings = journal();
    const auto index = readings.update();
    JournalFilter filter;
    filter.text = QStringLiteral("harbour tower");
    size_t found = 0;
    for (auto _ : state)
        found = size_t(index->find(filter).size());
    state.counters["found"] = double(found);
}

} // namespace

BENCHMARK(firstIndex)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(reopenUnchanged)->Unit(benchmark::kMillisecond);
BENCHMARK(walkFolders)->Unit(benchmark::kMillisecond);
BENCHMARK(listAll)->Unit(benchmark::kMillisecond);
BENCHMARK(search)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // Qt's SQL drivers are plug-ins, found through the application.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
