#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One draw: 14 bytes, packed, little-endian, the same layout in memory and in Sestavia.dbs.
struct DrawRecord {
    std::uint8_t day = 0;                  // 1..31
    std::uint8_t month = 0;                // 1..12
    std::int16_t year = 0;                 // four digits
    std::array<std::uint8_t, 6> numbers{}; // in the order received, not necessarily ascending
    std::uint8_t jolly = 0;                // 1..90
    std::uint8_t superStar = 0;            // 1..90, 0 = the draw had no SuperStar
    std::uint16_t concorso = 0;            // serial number as published, 0 = unknown

    friend bool operator==(const DrawRecord&, const DrawRecord&) = default;
};
static_assert(sizeof(DrawRecord) == 14);
static_assert(offsetof(DrawRecord, year) == 2 && offsetof(DrawRecord, numbers) == 4);
static_assert(offsetof(DrawRecord, jolly) == 10 && offsetof(DrawRecord, superStar) == 11);
static_assert(offsetof(DrawRecord, concorso) == 12);

inline constexpr std::size_t kDrawRecordSize = 14;
inline constexpr int kArchiveCapacity = 15000;

// Explicit byte order so the file reads the same whatever the compiler or machine.
void SerializeDrawRecord(const DrawRecord& r, std::span<std::uint8_t, kDrawRecordSize> out);
DrawRecord DeserializeDrawRecord(std::span<const std::uint8_t, kDrawRecordSize> in);

// A record worth keeping: a real date (day only checked against 31), six distinct numbers 1..90,
// a Jolly 1..90 and a SuperStar 0..90. Files from outside are filtered through this.
bool IsSoundDrawRecord(const DrawRecord& r);

// Calendar order of two records' dates: negative, zero or positive.
int CompareDrawDates(const DrawRecord& a, const DrawRecord& b);

// The archive of draws: a fixed table so record k sits at a fixed place; records 1..count are in
// strictly increasing date order (record 1 the oldest).
class DrawArchive {
public:
    DrawArchive() : slots_(kArchiveCapacity) {}

    int count() const { return count_; }
    bool empty() const { return count_ == 0; }
    bool full() const { return count_ >= kArchiveCapacity; }
    // Record k, 1 <= k <= count.
    const DrawRecord& record(int k) const { return slots_[static_cast<std::size_t>(k - 1)]; }
    const DrawRecord& last() const { return record(count_); }
    std::span<const DrawRecord> records() const { return {slots_.data(), static_cast<std::size_t>(count_)}; }

    // Empties the table (every slot to zero).
    void clear();
    // Appends without any check; loaders use it after validating the record themselves.
    bool appendUnchecked(const DrawRecord& r);

    // Stores r in date order: appended after the last draw, inserted with a shift, or replacing the
    // draw of the same date. Returns the record number, or -1 when nothing was stored (unsound
    // record, or a new date while the archive is full). A replacement leaves the count unchanged.
    int insertDraw(const DrawRecord& r);
    // Removes record k, the later ones move down; false when k is out of range.
    bool deleteDraw(int k);

private:
    std::vector<DrawRecord> slots_;
    int count_ = 0;
};

// Free-function names the rest of the program uses.
inline int insertDraw(DrawArchive& a, const DrawRecord& r) {
    return a.insertDraw(r);
}
inline bool deleteDraw(DrawArchive& a, int k) {
    return a.deleteDraw(k);
}

// Shown by the windows that add draws when insertDraw refuses a new date on a full archive.
inline constexpr const char* kArchiveFullText =
    "L'archivio storico è pieno (15000 estrazioni): impossibile aggiungere altre estrazioni.";

struct DrawDate {
    int day = 0;
    int month = 0;
    int year = 0;
};

// A date typed as day/month/year, digits only. The day is not checked against the month's
// length (31/2/2009 passes); the year must be 1800..2100.
bool parseDrawDate(std::string_view text, DrawDate& date);

// "dd/mm/yyyy" with leading zeros.
std::string FormatDrawDate(const DrawRecord& r);
