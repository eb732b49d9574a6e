#include "core/settings_store.h"

#include "core/number_format.h"

#include <charconv>
#include <cmath>
#include <system_error>

// ---- typed helpers shared by every backend ----

std::optional<bool> SettingsBackend::readFlag(std::string_view name) {
    const auto value = readInteger(name);
    if (!value) return std::nullopt;
    return *value != 0;
}

void SettingsBackend::writeFlag(std::string_view name, bool value) {
    writeInteger(name, value ? 1 : 0);
}

std::optional<double> SettingsBackend::readRealText(std::string_view name) {
    const auto text = readText(name);
    if (!text) return std::nullopt;
    return ParseRealText(*text);
}

void SettingsBackend::writeRealText(std::string_view name, double value) {
    writeText(name, FormatReal(value, 12));
}

std::optional<double> ParseRealText(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    if (text.empty() || text.size() > 64) return std::nullopt;

    // from_chars knows neither a leading '+' nor ',' and never looks at the locale, which is the
    // point: the same text must read the same everywhere.
    std::string buffer(text);
    if (buffer.front() == '+') buffer.erase(0, 1);
    for (char& c : buffer)
        if (c == ',') c = '.';
    if (buffer.empty() || (buffer.front() == '-' && buffer.size() == 1)) return std::nullopt;
    // Only plain decimal notation: no "inf", "nan", hexadecimal or exponent forms.
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        const char c = buffer[i];
        if (!(c >= '0' && c <= '9') && c != '.' && !(c == '-' && i == 0)) return std::nullopt;
    }
    double value = 0;
    const char* first = buffer.data();
    const char* last = buffer.data() + buffer.size();
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (ec != std::errc() || ptr != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

// ---- in-memory backend ----

bool InMemorySettingsBackend::open() {
    if (failOpen) return false;
    ++openCount;
    isOpen = true;
    return true;
}

void InMemorySettingsBackend::close() {
    isOpen = false;
}

bool InMemorySettingsBackend::usable(std::string_view name) const {
    return isOpen && !broken.contains(name);
}

namespace {

template <class T> std::optional<T> Typed(const InMemorySettingsBackend::Value* value) {
    if (!value) return std::nullopt;
    if (const T* typed = std::get_if<T>(value)) return *typed;
    return std::nullopt; // a value of another type is unreadable, as in the registry
}

} // namespace

std::optional<std::int32_t> InMemorySettingsBackend::readInteger(std::string_view name) {
    if (!usable(name)) return std::nullopt;
    const auto it = values.find(name);
    return Typed<std::int32_t>(it == values.end() ? nullptr : &it->second);
}

std::optional<double> InMemorySettingsBackend::readReal(std::string_view name) {
    if (!usable(name)) return std::nullopt;
    const auto it = values.find(name);
    return Typed<double>(it == values.end() ? nullptr : &it->second);
}

std::optional<std::string> InMemorySettingsBackend::readText(std::string_view name) {
    if (!usable(name)) return std::nullopt;
    const auto it = values.find(name);
    return Typed<std::string>(it == values.end() ? nullptr : &it->second);
}

void InMemorySettingsBackend::writeInteger(std::string_view name, std::int32_t value) {
    if (usable(name)) values.insert_or_assign(std::string(name), value);
}

void InMemorySettingsBackend::writeReal(std::string_view name, double value) {
    if (usable(name)) values.insert_or_assign(std::string(name), value);
}

void InMemorySettingsBackend::writeText(std::string_view name, const std::string& value) {
    if (usable(name)) values.insert_or_assign(std::string(name), value);
}

// ---- the global settings record ----

std::string CalibrationValueName(CalibrationGroup group, int k) {
    static constexpr const char* kPrefixes[kCalibrationGroupCount] = {
        "cal_cpver_", "cal_cpnewver_", "cal_cpori_",   "cal_cpnewori_",
        "cal_dpver_", "cal_dpori_",    "cal_dpverSS_", "cal_dporiSS_",
    };
    return kPrefixes[group] + std::to_string(k);
}

namespace {

// A stored value outside its range would reach formatting, indexing and division code that
// trusts the record, so it is treated like an unreadable one and the default applies.
bool InRange(std::int32_t v, std::int32_t low, std::int32_t high) {
    return v >= low && v <= high;
}

class Loader {
public:
    explicit Loader(SettingsBackend& backend) : b_(backend) {}

    void integer(const char* name, std::int32_t& field, std::int32_t def, std::int32_t low,
                 std::int32_t high) {
        const auto v = b_.readInteger(name);
        field = v && InRange(*v, low, high) ? *v : def;
    }
    void byte(const char* name, std::uint8_t& field, std::uint8_t def, std::int32_t high) {
        const auto v = b_.readInteger(name);
        field = v && InRange(*v, 0, high) ? static_cast<std::uint8_t>(*v) : def;
    }
    // The orientation and the calibration option are 0 or 1; anything else stored reads as 0.
    void binaryByte(const char* name, std::uint8_t& field, std::uint8_t def) {
        const auto v = b_.readInteger(name);
        field = !v ? def : InRange(*v, 0, 1) ? static_cast<std::uint8_t>(*v) : 0;
    }
    void flag(const char* name, bool& field, bool def) { field = b_.readFlag(name).value_or(def); }
    void real(const char* name, double& field, double def, bool positive) {
        const auto v = b_.readReal(name);
        field = v && std::isfinite(*v) && (!positive || *v > 0) ? *v : def;
    }
    void text(const char* name, std::string& field, const std::string& def) {
        field = b_.readText(name).value_or(def);
    }
    // Seven '0'/'1' characters, one per weekday; the reminder indexes all seven.
    void weekdays(const char* name, std::string& field, const std::string& def) {
        std::string v = b_.readText(name).value_or(def);
        v.resize(7, '0');
        for (char& c : v)
            if (c != '1') c = '0';
        field = v;
    }
    void realText(const std::string& name, double& field, double def) {
        field = b_.readRealText(name).value_or(def);
    }

private:
    SettingsBackend& b_;
};

class Saver {
public:
    explicit Saver(SettingsBackend& backend) : b_(backend) {}

    void integer(const char* name, std::int32_t field, std::int32_t, std::int32_t, std::int32_t) {
        b_.writeInteger(name, field);
    }
    void byte(const char* name, std::uint8_t field, std::uint8_t, std::int32_t) {
        b_.writeInteger(name, field);
    }
    void binaryByte(const char* name, std::uint8_t field, std::uint8_t) { b_.writeInteger(name, field); }
    void flag(const char* name, bool field, bool) { b_.writeFlag(name, field); }
    void real(const char* name, double field, double, bool) { b_.writeReal(name, field); }
    void text(const char* name, const std::string& field, const std::string&) { b_.writeText(name, field); }
    void weekdays(const char* name, const std::string& field, const std::string&) {
        b_.writeText(name, field);
    }
    void realText(const std::string& name, double field, double) { b_.writeRealText(name, field); }

private:
    SettingsBackend& b_;
};

// The one table of the record, in its stored order, walked by both the loader and the saver.
template <class Io, class Settings> void WalkSettings(Io& io, Settings& s) {
    static const GlobalSettings d;
    io.integer("Decimali", s.decimali, d.decimali, 0, 10);
    io.real("CostoColonnaNew", s.costoColonnaNew, d.costoColonnaNew, true);
    io.real("CostoColonnaSS", s.costoColonnaSS, d.costoColonnaSS, true);
    io.integer("notificaaggio", s.notificaAggio, d.notificaAggio, INT32_MIN, INT32_MAX);
    io.weekdays("GiorniNotifica", s.giorniNotifica, d.giorniNotifica);
    io.text("ProxyServer", s.proxyServer, d.proxyServer);
    io.text("ProxyPorta", s.proxyPorta, d.proxyPorta);
    io.text("ProxyUsername", s.proxyUsername, d.proxyUsername);
    io.text("ProxyPassword", s.proxyPassword, d.proxyPassword);
    io.flag("UsaProxy", s.usaProxy, d.usaProxy);
    io.flag("ProxyAuth", s.proxyAuth, d.proxyAuth);
    for (int group = 0; group < kCalibrationGroupCount; ++group)
        for (int k = 1; k <= 8; ++k)
            io.realText(CalibrationValueName(static_cast<CalibrationGroup>(group), k),
                        s.calibration[group][k - 1], d.calibration[group][k - 1]);
    io.binaryByte("ms_orientamento", s.msOrientamento, d.msOrientamento);
    io.binaryByte("ms_tipo_bloccaggio", s.msTipoBloccaggio, d.msTipoBloccaggio);
    io.flag("IPUsaRit", s.ipUsaRit, d.ipUsaRit);
    io.byte("IPMCPR", s.ipMCPR, d.ipMCPR, 2);
    io.flag("IPUsaFre", s.ipUsaFre, d.ipUsaFre);
    io.byte("IPMCPF", s.ipMCPF, d.ipMCPF, 2);
    io.real("IPprmin", s.ipPrMin, d.ipPrMin, false);
    io.real("IPprmax", s.ipPrMax, d.ipPrMax, false);
    io.real("IPpfmin", s.ipPfMin, d.ipPfMin, false);
    io.real("IPpfmax", s.ipPfMax, d.ipPfMax, false);
    io.integer("IFNumEstra", s.ifNumEstra, d.ifNumEstra, 1, INT32_MAX);
    io.byte("IFEscludiJolly", s.ifEscludiJolly, d.ifEscludiJolly, 255);
    io.byte("IFEscludiSuperStar", s.ifEscludiSuperStar, d.ifEscludiSuperStar, 255);
    io.byte("IREscludiJolly", s.irEscludiJolly, d.irEscludiJolly, 255);
    io.byte("IREscludiSuperStar", s.irEscludiSuperStar, d.irEscludiSuperStar, 255);
}

} // namespace

void LoadSettings(GlobalSettings& settings, SettingsBackend& backend) {
    SettingsKey key(backend);
    if (!key.isOpen()) return;
    Loader loader(backend);
    WalkSettings(loader, settings);
}

void SaveSettings(const GlobalSettings& settings, SettingsBackend& backend) {
    SettingsKey key(backend);
    if (!key.isOpen()) return;
    Saver saver(backend);
    WalkSettings(saver, settings);
}

// ---- per-window values ----

namespace {

std::string WindowValueName(std::string_view key) {
    return "IDE_" + std::string(key);
}

} // namespace

std::string WindowSettingText(SettingsBackend& backend, std::string_view key,
                              const std::string& valueOrDefault, SettingAccess access) {
    SettingsKey open(backend);
    if (!open.isOpen()) return valueOrDefault;
    if (access == SettingAccess::Write) {
        backend.writeText(WindowValueName(key), valueOrDefault);
        return valueOrDefault;
    }
    return backend.readText(WindowValueName(key)).value_or(valueOrDefault);
}

std::int32_t WindowSettingInteger(SettingsBackend& backend, std::string_view key, std::int32_t valueOrDefault,
                                  SettingAccess access) {
    SettingsKey open(backend);
    if (!open.isOpen()) return valueOrDefault;
    if (access == SettingAccess::Write) {
        backend.writeInteger(WindowValueName(key), valueOrDefault);
        return valueOrDefault;
    }
    return backend.readInteger(WindowValueName(key)).value_or(valueOrDefault);
}

bool WindowSettingFlag(SettingsBackend& backend, std::string_view key, bool valueOrDefault,
                       SettingAccess access) {
    SettingsKey open(backend);
    if (!open.isOpen()) return valueOrDefault;
    if (access == SettingAccess::Write) {
        backend.writeFlag(WindowValueName(key), valueOrDefault);
        return valueOrDefault;
    }
    return backend.readFlag(WindowValueName(key)).value_or(valueOrDefault);
}

// ---- the cost dialog's rule ----

ColumnCostError CheckColumnCosts(std::string_view singleColumn, std::string_view superStar) {
    const auto positive = [](std::string_view text) {
        const auto v = ParseRealText(text);
        return v && *v > 0;
    };
    if (!positive(singleColumn)) return ColumnCostError::SingleColumn;
    if (!positive(superStar)) return ColumnCostError::SuperStar;
    return ColumnCostError::None;
}

ColumnCostError SetColumnCosts(GlobalSettings& settings, SettingsBackend& backend,
                               std::string_view singleColumn, std::string_view superStar) {
    const ColumnCostError error = CheckColumnCosts(singleColumn, superStar);
    if (error != ColumnCostError::None) return error;
    settings.costoColonnaNew = *ParseRealText(singleColumn);
    settings.costoColonnaSS = *ParseRealText(superStar);
    SaveSettings(settings, backend);
    return ColumnCostError::None;
}
