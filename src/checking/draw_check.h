#pragma once

#include "core/column.h"
#include "core/column_store.h"
#include "core/undo_snapshot.h"
#include "shell/operation_host.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The winning column a check compares with; the SuperStar never takes part in the score.
struct WinningColumn {
    Column numbers;
    Number jolly = 0;
};

// Score categories 0..6; five numbers plus the Jolly is the separate category 7 ("5+1").
inline constexpr int kScoreFivePlusOne = 7;

// 0..6, or 7 for five winning numbers with the Jolly.
int ScoreColumn(const Column& column, const WinningColumn& winning);

struct CheckEntry {
    std::int32_t position; // 1-based position in the final columns
    std::uint8_t score;    // 2..7
};

struct CheckResultList {
    static constexpr std::size_t kCapacity = 1'960'000;

    std::vector<CheckEntry> entries;
    std::array<std::int32_t, 8> counters{};
    // More columns scored 2 or more than the list holds: the counters stay exact, the list keeps
    // the first kCapacity entries in list order before the category passes.
    bool truncated = false;

    void clear() {
        entries.clear();
        counters.fill(0);
        truncated = false;
    }
};

// Scores every final column, counts the categories and lists the columns scoring 2 or more, ordered
// 6, 5+1, 5, 4, 3 by in-place partition passes with the 2s left after them. Progress goes to the
// host as 0..96 every 600 ms.
void CheckColumns(const ColumnStore& store, const WinningColumn& winning, CheckResultList& result,
                  OperationHost& host);

// The category passes on their own (exposed so the order can be checked against a plain model).
void OrderCheckEntries(std::vector<CheckEntry>& entries, const std::array<std::int32_t, 8>& counters);

// Reads the winning column from the window's fields: the six numbers joined and parsed as a column,
// the Jolly 1..90 and not among them. Returns the message to show, or nothing when valid.
std::optional<std::string> ParseWinningColumn(const std::array<std::string, 6>& numberFields,
                                              const std::string& jollyField, WinningColumn& winning);

// Removes the columns of result entries first..last (1-based, inclusive) from the final columns:
// undo snapshot first, then, by position descending, each replaced by the last column.
void DeleteCheckedColumns(ColumnStore& store, UndoSnapshot& undo, const CheckResultList& result,
                          std::int32_t first, std::int32_t last);

// The eight field texts each followed by '*', then the date: the form the last check is kept in.
std::string EncodeLastCheck(const std::array<std::string, 8>& fields, const std::string& date);
void DecodeLastCheck(const std::string& stored, std::array<std::string, 8>& fields, std::string& date);

// How a score is shown: "5+1" for the Jolly category.
std::string ScoreText(int score);

inline constexpr const char* kInvalidWinningNumbersText =
    "Alcuni numeri della colonna vincente non sono validi.\rCorreggere e riprovare.";
inline constexpr const char* kInvalidJollyText = "Il numero Jolly non è valido.\rCorreggere e riprovare.";
inline constexpr const char* kJollyInColumnText =
    "Il numero Jolly non può far parte della colonna vincente.\rCorreggere e riprovare.";
