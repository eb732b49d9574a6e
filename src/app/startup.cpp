#include "app/startup.h"

#include "archive/archive_file.h"
#include "archive/smorfia.h"
#include "archive/statistics.h"
#include "core/Globali.h"
#include "core/settings_store.h"
#include "platform/app_directories.h"

#include <random>

void LoadArchiveAtStartUp(Globali& globali) {
    // First start: the history and the smorfia shipped with the program become the user's own.
    InstallShippedArchiveIfMissing(globali.dirs);
    InstallShippedSmorfiaIfMissing(globali.dirs);
    loadArchive(globali);
    recomputeStatistics(globali);
}

void PrepareProcessState(Globali& globali, SettingsBackend& settings, const QString& executableDir) {
    globali.random.seed(std::random_device{}());
    globali.dirs = ComputeDirectories(executableDir);
    globali.system.forecast.clear();
    globali.system.fixed.clear();
    globali.useSettingsStore(settings);
    LoadSettings(globali.settings, settings);
    LoadArchiveAtStartUp(globali);
    // Without the buffer the program runs without undo; snapshots are then skipped.
    globali.undo.allocate();
}
