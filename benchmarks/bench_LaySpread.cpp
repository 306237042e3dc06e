// Laying the largest bundled spread on the real table: reading its file and
// building one labelled picture per position.
#include "ui/common/Interaction.h"
#include "ui/table/TableWindow.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class SilentInteraction : public Interaction
{
public:
    void showMessage(QWidget *, const QString &) override {}
    bool askOkCancel(QWidget *, const QString &, const QString &) override { return false; }
    int execDialog(QDialog &) override { return 0; }
    void openDocument(const QString &) override {}
};

void laySpread(benchmark::State &state)
{
    SilentInteraction interaction;
    TableWindow table(QStringLiteral(QUILLMOOR_APP_DIR), interaction);
    table.show();
    table.SpreadName = QStringLiteral("Year Ahead");
    for (auto _ : state) {
        table.spread.ResetSpread();
        table.MakeSpreadAndImages();
    }
    state.counters["positions"] = table.spread.PositionCount;
}

} // namespace

BENCHMARK(laySpread)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
