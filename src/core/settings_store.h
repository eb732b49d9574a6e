#pragma once

#include "core/global_settings.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <variant>

// Where the program keeps its settings: one key holding named, typed values. Implementations
// swallow every error: a read that fails returns nullopt (the caller uses its default), a write
// that fails is lost. Every operation of this file opens the key, works and closes it again.
class SettingsBackend {
public:
    virtual ~SettingsBackend() = default;

    // Opens the key, creating it when missing; false when it cannot be opened at all.
    virtual bool open() = 0;
    virtual void close() = 0;

    virtual std::optional<std::int32_t> readInteger(std::string_view name) = 0;
    virtual std::optional<double> readReal(std::string_view name) = 0; // 8-byte IEEE double
    virtual std::optional<std::string> readText(std::string_view name) = 0;
    virtual void writeInteger(std::string_view name, std::int32_t value) = 0;
    virtual void writeReal(std::string_view name, double value) = 0;
    virtual void writeText(std::string_view name, const std::string& value) = 0;

    // A flag is an integer 0 or 1; any other non-zero integer reads as set.
    std::optional<bool> readFlag(std::string_view name);
    void writeFlag(std::string_view name, bool value);
    // A real as text: FormatReal with 12 decimals, '.' as decimal point. An empty, missing or
    // malformed text reads as nullopt.
    std::optional<double> readRealText(std::string_view name);
    void writeRealText(std::string_view name, double value);
};

// Opens the key for the life of the scope and closes it at the end.
class SettingsKey {
public:
    explicit SettingsKey(SettingsBackend& backend) : backend_(backend), open_(backend.open()) {}
    ~SettingsKey() {
        if (open_) backend_.close();
    }
    SettingsKey(const SettingsKey&) = delete;
    SettingsKey& operator=(const SettingsKey&) = delete;
    bool isOpen() const { return open_; }

private:
    SettingsBackend& backend_;
    bool open_;
};

// Settings held in memory: the store of the tests and of the command-line front end, and of a
// Globali until main installs the program's own. It can pretend that the key cannot be opened and
// that single values cannot be read or written.
class InMemorySettingsBackend final : public SettingsBackend {
public:
    using Value = std::variant<std::int32_t, double, std::string>;

    bool open() override;
    void close() override;
    std::optional<std::int32_t> readInteger(std::string_view name) override;
    std::optional<double> readReal(std::string_view name) override;
    std::optional<std::string> readText(std::string_view name) override;
    void writeInteger(std::string_view name, std::int32_t value) override;
    void writeReal(std::string_view name, double value) override;
    void writeText(std::string_view name, const std::string& value) override;

    bool contains(std::string_view name) const { return values.count(std::string(name)) != 0; }

    std::map<std::string, Value, std::less<>> values;
    bool failOpen = false;                     // the key cannot be opened
    std::set<std::string, std::less<>> broken; // values whose reads and writes fail
    int openCount = 0;                         // times the key was opened
    bool isOpen = false;

private:
    bool usable(std::string_view name) const;
};

// The global settings record, read at start-up and written whenever a settings dialog is
// confirmed. When the key cannot be opened nothing is read and the record keeps its values.
void LoadSettings(GlobalSettings& settings, SettingsBackend& backend);
void SaveSettings(const GlobalSettings& settings, SettingsBackend& backend);

// The per-window values, named "IDE_" + key, never cached: each call goes to the store. Read
// returns the stored value or `valueOrDefault`; write stores `valueOrDefault` and returns it.
enum class SettingAccess { Read, Write };
std::string WindowSettingText(SettingsBackend& backend, std::string_view key,
                              const std::string& valueOrDefault, SettingAccess access);
std::int32_t WindowSettingInteger(SettingsBackend& backend, std::string_view key, std::int32_t valueOrDefault,
                                  SettingAccess access);
bool WindowSettingFlag(SettingsBackend& backend, std::string_view key, bool valueOrDefault,
                       SettingAccess access);

// Name of value k (1..8) of a calibration group: "cal_cpver_3".
std::string CalibrationValueName(CalibrationGroup group, int k);

// A real typed by the user or read from a stored text: '.' or ',' as decimal point, no grouping,
// surrounding blanks ignored. nullopt when the text is not a finite number.
std::optional<double> ParseRealText(std::string_view text);

// The cost dialog's rule: both costs must be reals above 0; the first failing field is named.
enum class ColumnCostError { None, SingleColumn, SuperStar };
ColumnCostError CheckColumnCosts(std::string_view singleColumn, std::string_view superStar);
// When both are valid they replace the two costs and the record is saved; otherwise nothing
// changes.
ColumnCostError SetColumnCosts(GlobalSettings& settings, SettingsBackend& backend,
                               std::string_view singleColumn, std::string_view superStar);

inline constexpr const char* kMsgCostoColonnaNonValido =
    "L'importo inserito come costo di una singola colonna non è valido.";
inline constexpr const char* kMsgCostoSuperStarNonValido =
    "L'importo inserito com costo di partecipazione a superstar non è valido.";
