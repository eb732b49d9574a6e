#pragma once

#include <QString>

struct Globali;
class SettingsBackend;

// Everything that exists before the first window, in this order: the generator is seeded, the
// folders are found and created, the forecast and fixed numbers are cleared, the global settings
// are read, the archive of draws is loaded and the undo buffer is allocated.
void PrepareProcessState(Globali& globali, SettingsBackend& settings, const QString& executableDir);

// Reads the archive of draws from the shared data folder into globali.archive.
void LoadArchiveAtStartUp(Globali& globali);
