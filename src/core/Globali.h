#pragma once

#include "archive/draw_archive.h"
#include "archive/statistics.h"
#include "core/clock.h"
#include "core/directories.h"
#include "core/forecast.h"
#include "core/global_settings.h"
#include "core/messages.h"
#include "core/random.h"
#include "core/settings_blocks.h"
#include "core/settings_store.h"
#include "core/system_state.h"
#include "core/undo_snapshot.h"

// Owner of all process-wide state. main creates one and hands it by reference to every window and
// engine call; tests build a fresh one each. Later subsystems add their state here as members.
struct Globali {
    Globali(MessageService& messageService, Clock& clockSource)
        : messages(messageService), clock(clockSource) {}
    Globali(const Globali&) = delete;
    Globali& operator=(const Globali&) = delete;

    MessageService& messages;
    Clock& clock;
    RandomGenerator random;

    SystemState system;
    UndoSnapshot undo;
    FixedFlags fixedFlags; // scratch for "Considera fisse"
    GlobalSettings settings;
    Directories dirs;
    SettingsBlocks blocks;  // the reduction windows' settings carried by the system file
    DrawArchive archive;    // the historical archive of draws
    StatisticsArrays stats; // derived from the archive; recomputeStatistics refreshes it

    // The settings store every window reads and writes: in memory until main installs the
    // program's own.
    SettingsBackend& settingsStore() { return *settingsStore_; }
    void useSettingsStore(SettingsBackend& store) { settingsStore_ = &store; }

private:
    InMemorySettingsBackend memorySettings_;
    SettingsBackend* settingsStore_ = &memorySettings_;
};
