#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// Up to 100 substitutions: original combination i (1 to 6 ascending numbers, unused bytes 0) is
// replaced by new combination i of as many numbers.
struct SubstitutionSet {
    static constexpr std::size_t kSize = 1208;
    static constexpr std::int32_t kMax = 100;
    using Combination = std::array<std::uint8_t, 6>;

    std::array<Combination, kMax> original{};    // offset 0
    std::array<Combination, kMax> replacement{}; // offset 600
    std::int32_t count = 0;                      // offset 1200, 0..100
    std::uint8_t partial = 0;                    // offset 1204: "Applica sostituzioni parziali"
};

inline constexpr const char* kSubstitutionSetFile = "Sostituzioni.def";

void EncodeRecord(const SubstitutionSet& record, std::span<std::uint8_t> out);
void DecodeRecord(std::span<const std::uint8_t> in, SubstitutionSet& record);

// The set of the defaults file, or an empty one when it cannot be read whole.
SubstitutionSet SubstitutionSetDefaults(const std::string& path);
bool WriteSubstitutionSetFile(const std::string& path, const SubstitutionSet& record);
