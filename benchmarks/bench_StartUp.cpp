// The table from start to its first paint, full-screen, beside the anchor: a
// bare main window of the same size to its first paint.
#include "SilentInteraction.h"
#include "core/app/SettingsStore.h"
#include "core/cards/CardFaceCache.h"
#include "ui/table/TableWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Ends a local event loop at the first paint of the widget it watches.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *widget) { widget->installEventFilter(this); }
    void wait() { m_loop.exec(); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            m_loop.quit();
        return false;
    }

private:
    QEventLoop m_loop;
};

void showAndWait(QMainWindow &window, QWidget *painted)
{
    FirstPaint paint(painted);
    window.showFullScreen();
    paint.wait();
}

void bareWindowAnchor(benchmark::State &state)
{
    for (auto _ : state) {
        QMainWindow window;
        auto *central = new QWidget;
        window.setCentralWidget(central);
        // Full-screen from its first paint, as the table is.
        window.setGeometry(QGuiApplication::primaryScreen()->geometry());
        showAndWait(window, central);
    }
}

void tableWindow(benchmark::State &state)
{
    QTemporaryDir settingsDir;
    SilentInteraction interaction;
    for (auto _ : state) {
        QSettings settings(settingsDir.filePath(QStringLiteral("Doded.conf")),
                           QSettings::IniFormat);
        CardFaceCache faces(QStringLiteral(QUILLMOOR_APP_DIR));
        TableWindow table(QStringLiteral(QUILLMOOR_APP_DIR), settings, interaction, faces);
        showAndWait(table, table.centralWidget());
        state.PauseTiming();
        table.close();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(bareWindowAnchor)->Unit(benchmark::kMillisecond);
BENCHMARK(tableWindow)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
