#pragma once

#include "reductions/filters/condition_set.h"
#include "reductions/filters/filter_column_list.h"
#include "reductions/filters/group_filters.h"
#include "reductions/mathematical/substitution_set.h"
#include "reductions/statistical/archive_comparison.h"
#include "reductions/statistical/prob_stat_filter.h"
#include "reductions/statistical/stat_filter.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// The settings records of the reduction windows, reset at every new system and (all but the
// filter columns) carried by the system file.
struct SettingsBlocks {
    ProbStatFilter probFrequencies;
    StatFilter frequencies;
    ProbStatFilter probDelays;
    StatFilter delays;
    PersonalFilter personal;
    ArchiveComparison comparison;
    ConditionSet conditions;
    IntervalFilter intervals;
    CadenceFilter cadences;
    FigureFilter figures;
    DecadeFilter decades;
    SubstitutionSet substitutions;
    FilterColumnList filterColumns; // only in its defaults file, shared by all systems
};

// What a new system needs besides the defaults files: their folder and the two probability modes
// kept in the per-window values "ProFreTC" and "ProRitTC".
struct BlockDefaultsContext {
    std::string userDataDir; // ends with a separator; empty: no files, the built-in defaults
    std::int32_t proFreMode = 0;
    std::int32_t proRitMode = 0;
};

// One block of the system file. The table of these drives the new system, the save and the load,
// so a window only has to give its record a typed view.
struct SettingsBlockEntry {
    const char* owner;        // the window whose settings these are
    std::size_t size;         // bytes in the system file
    const char* defaultsFile; // in UserDataDir
    void (*encode)(const SettingsBlocks& blocks, std::span<std::uint8_t> out);
    void (*decode)(std::span<const std::uint8_t> in, SettingsBlocks& blocks);
    void (*resetFromDefaults)(SettingsBlocks& blocks, const BlockDefaultsContext& context);
};

// The twelve blocks in file order.
std::span<const SettingsBlockEntry> SystemFileBlocks();

// Total size of the twelve blocks (31,840 bytes).
std::size_t SystemFileBlocksSize();

// Every record back to its defaults, reading each defaults file when it exists.
void ResetSettingsBlocks(SettingsBlocks& blocks, const BlockDefaultsContext& context);
