#include "core/settings_blocks.h"

#include <array>

namespace {

template <auto Member> void EncodeMember(const SettingsBlocks& blocks, std::span<std::uint8_t> out) {
    EncodeRecord(blocks.*Member, out);
}

template <auto Member> void DecodeMember(std::span<const std::uint8_t> in, SettingsBlocks& blocks) {
    DecodeRecord(in, blocks.*Member);
}

// Without a folder there are no defaults files, only the built-in defaults.
std::string In(const BlockDefaultsContext& c, const char* file) {
    return c.userDataDir.empty() ? std::string() : c.userDataDir + file;
}

const std::array<SettingsBlockEntry, 12> kBlocks{{
    {"TRidProbaFre", ProbStatFilter::kSize, kProbFrequencyIntervalsFile,
     &EncodeMember<&SettingsBlocks::probFrequencies>, &DecodeMember<&SettingsBlocks::probFrequencies>,
     [](SettingsBlocks& b, const BlockDefaultsContext& c) {
         b.probFrequencies = ProbStatFilterDefaults(In(c, kProbFrequencyIntervalsFile), c.proFreMode, 40, 65);
     }},
    {"TRidFre", StatFilter::kSize, kFrequencyIntervalsFile, &EncodeMember<&SettingsBlocks::frequencies>,
     &DecodeMember<&SettingsBlocks::frequencies>,
     [](SettingsBlocks& b, const BlockDefaultsContext& c) {
         b.frequencies = StatFilterDefaults(In(c, kFrequencyIntervalsFile));
     }},
    {"TRidProbaRit", ProbStatFilter::kSize, kProbDelayIntervalsFile,
     &EncodeMember<&SettingsBlocks::probDelays>, &DecodeMember<&SettingsBlocks::probDelays>,
     [](SettingsBlocks& b, const BlockDefaultsContext& c) {
         b.probDelays = ProbStatFilterDefaults(In(c, kProbDelayIntervalsFile), c.proRitMode, 10, 25);
     }},
    {"TRidRit", StatFilter::kSize, kDelayIntervalsFile, &EncodeMember<&SettingsBlocks::delays>,
     &DecodeMember<&SettingsBlocks::delays>,
     [](SettingsBlocks& b, const BlockDefaultsContext& c) {
         b.delays = StatFilterDefaults(In(c, kDelayIntervalsFile));
     }},
    {"TRidProbaPer", PersonalFilter::kSize, kPersonalIntervalsFile, &EncodeMember<&SettingsBlocks::personal>,
     &DecodeMember<&SettingsBlocks::personal>,
     [](SettingsBlocks& b, const BlockDefaultsContext& c) {
         b.personal = PersonalFilterDefaults(In(c, kPersonalIntervalsFile));
     }},
    {"TRidConfStorico", ArchiveComparison::kSize, kArchiveComparisonFile,
     &EncodeMember<&SettingsBlocks::comparison>, &DecodeMember<&SettingsBlocks::comparison>,
     [](SettingsBlocks& b, const BlockDefaultsContext& c) {
         b.comparison = ArchiveComparisonDefaults(In(c, kArchiveComparisonFile));
     }},
    {"TRidCondizionata", ConditionSet::kSize, kConditionSetFile, &EncodeMember<&SettingsBlocks::conditions>,
     &DecodeMember<&SettingsBlocks::conditions>,
     [](SettingsBlocks& b, const BlockDefaultsContext& c) {
         b.conditions = ConditionSetDefaults(In(c, kConditionSetFile));
     }},
    {"TRidNumeri", IntervalFilter::kSize, kIntervalFilterFile, &EncodeMember<&SettingsBlocks::intervals>,
     &DecodeMember<&SettingsBlocks::intervals>,
     [](SettingsBlocks& b, const BlockDefaultsContext& c) {
         b.intervals = IntervalFilterDefaults(In(c, kIntervalFilterFile));
     }},
    {"TRidCadenze", CadenceFilter::kSize, kCadenceFilterFile, &EncodeMember<&SettingsBlocks::cadences>,
     &DecodeMember<&SettingsBlocks::cadences>,
     [](SettingsBlocks& b, const BlockDefaultsContext& c) {
         b.cadences = CadenceFilterDefaults(In(c, kCadenceFilterFile));
     }},
    {"TRidFigure", FigureFilter::kSize, kFigureFilterFile, &EncodeMember<&SettingsBlocks::figures>,
     &DecodeMember<&SettingsBlocks::figures>,
     [](SettingsBlocks& b, const BlockDefaultsContext& c) {
         b.figures = FigureFilterDefaults(In(c, kFigureFilterFile));
     }},
    {"TRidDecine", DecadeFilter::kSize, kDecadeFilterFile, &EncodeMember<&SettingsBlocks::decades>,
     &DecodeMember<&SettingsBlocks::decades>,
     [](SettingsBlocks& b, const BlockDefaultsContext& c) {
         b.decades = DecadeFilterDefaults(In(c, kDecadeFilterFile));
     }},
    {"TRidSostComb", SubstitutionSet::kSize, kSubstitutionSetFile,
     &EncodeMember<&SettingsBlocks::substitutions>, &DecodeMember<&SettingsBlocks::substitutions>,
     [](SettingsBlocks& b, const BlockDefaultsContext& c) {
         b.substitutions = SubstitutionSetDefaults(In(c, kSubstitutionSetFile));
     }},
}};

} // namespace

std::span<const SettingsBlockEntry> SystemFileBlocks() {
    return kBlocks;
}

std::size_t SystemFileBlocksSize() {
    std::size_t total = 0;
    for (const auto& entry : kBlocks) total += entry.size;
    return total;
}

void ResetSettingsBlocks(SettingsBlocks& blocks, const BlockDefaultsContext& context) {
    for (const auto& entry : kBlocks) entry.resetFromDefaults(blocks, context);
    blocks.filterColumns = FilterColumnListDefaults(In(context, kFilterColumnsFile));
}
