// Writing the Word and OpenDocument reports of the largest bundled spread
// with every print option on: the document alone (its pictures already in
// the folder) and the whole report, pictures included.
#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/reports/DocxReport.h"
#include "core/reports/OdtReport.h"
#include "core/reports/ReportMaker.h"
#include "core/reports/ReportModel.h"
#include "core/reports/ReportPictures.h"
#include "core/spreads/Placements.h"
#include "core/spreads/Spread.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString SpreadName = QStringLiteral("Year Ahead");

ReportModel yearAhead()
{
    Preferences preferences;
    preferences.setDeckName(QStringLiteral("Veldmere"));
    preferences.setPrintView(true);
    preferences.setPrintBigCards(true);
    preferences.setPrintExplanations(true);
    ProgramData data(QStringLiteral(QUILLMOOR_APP_DIR));
    data.roots().createFolders();
    data.scan(preferences);
    data.loadLanguage(preferences);
    Spread spread;
    spread.load(Spread::filePath(data.roots(), SpreadName));
    // Every position holds a card, every other one reversed.
    Placements placements(spread.positionCount());
    for (int i = 0; i < spread.positionCount(); ++i)
        placements.place(i, i + 1, i % 2 == 1);
    return ReportModel::fromReading(spread, placements, SpreadName, QString(), data, preferences);
}

template <typename Writer> void document(benchmark::State &state)
{
    const ReportModel model = yearAhead();
    QTemporaryDir folder;
    ReportPictures::write(model, folder.path());
    const Writer writer;
    const QString path =
        QDir(folder.path()).filePath(QStringLiteral("report.") + writer.extension());
    for (auto _ : state) {
        if (!writer.write(model, path, folder.path()))
            state.SkipWithError("the document could not be written");
    }
    state.counters["positions"] = double(model.positions.size());
}

void wholeReport(benchmark::State &state)
{
    const ReportModel model = yearAhead();
    QTemporaryDir folder;
    const auto format = ReportWriter::Format(state.range(0));
    for (auto _ : state) {
        QString path;
        if (ReportMaker::make(model, format,
                              {folder.path(), folder.path(), QStringLiteral("report")},
                              &path) != ReportMaker::Result::Written)
            state.SkipWithError("the report could not be written");
    }
}

} // namespace

BENCHMARK_TEMPLATE(document, DocxReport)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(document, OdtReport)->Unit(benchmark::kMillisecond);
BENCHMARK(wholeReport)
    ->Arg(int(ReportWriter::Format::Word))
    ->Arg(int(ReportWriter::Format::OpenDocument))
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
