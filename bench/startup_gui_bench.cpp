// Time from an empty process state to the main window on screen, with the full shipped history:
// the folders, the settings, the first-start install of the archive and the smorfia, loading the
// archive, the statistics, the main window with every command registered, and its first paint.
// Run from the build folder: the shipped files are looked up next to the executables.

#include "app/startup.h"
#include "core/Globali.h"
#include "core/settings_store.h"
#include "shell/UPri.h"
#include "shell/UPriComandi.h"
#include "fake_gui_services.h"
#include "recording_messages.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_StartUpToMainWindow(benchmark::State& state) {
    const QString appDir = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    for (auto _ : state) {
        state.PauseTiming();
        // A fresh profile each time, so the first-start install is part of what is measured.
        QTemporaryDir profile;
        qputenv("XDG_DATA_HOME", profile.filePath(QStringLiteral("data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", profile.filePath(QStringLiteral("config")).toUtf8());
        state.ResumeTiming();

        RecordingMessages messages;
        SteadyClock clock;
        InMemorySettingsBackend settings;
        Globali globali(messages, clock);
        PrepareProcessState(globali, settings, appDir);
        FakeGuiServices fake(messages);
        TPri window(globali, fake.services);
        RegisterProgramCommands(window, globali, fake.services);
        window.resize(1400, 900);
        window.show();
        QApplication::processEvents();
        state.counters["estrazioni"] = globali.archive.count();

        state.PauseTiming();
        window.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToMainWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
