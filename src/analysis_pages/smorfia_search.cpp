#include "analysis_pages/smorfia_search.h"

std::optional<std::vector<SmorfiaRow>> SearchSmorfiaFile(const std::filesystem::path& path,
                                                         std::string_view text) {
    std::vector<SmorfiaEntry> entries;
    if (!ReadSmorfia(path, entries)) return std::nullopt;
    return SearchSmorfia(entries, text);
}

std::size_t SmorfiaGridRowCount(const std::vector<SmorfiaRow>& rows) {
    return rows.empty() ? 1 : rows.size();
}
