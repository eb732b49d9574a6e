#pragma once

#include "core/settings_store.h"

#include <QString>

#include <memory>

class QSettings;

// The program's settings store: QSettings in the native format under organisation "Kestrova",
// application "Sestavia" (the registry key Software\Kestrova\Sestavia on Windows, a file in the
// user's config folder elsewhere). Reals are 8-byte little-endian IEEE doubles stored as binary
// values, as the registry holds them.
class QtSettingsBackend final : public SettingsBackend {
public:
    QtSettingsBackend();
    // A store in an explicit file, in the portable format; tests use it for a throw-away store.
    explicit QtSettingsBackend(const QString& fileName);
    ~QtSettingsBackend() override;

    bool open() override;
    void close() override;
    std::optional<std::int32_t> readInteger(std::string_view name) override;
    std::optional<double> readReal(std::string_view name) override;
    std::optional<std::string> readText(std::string_view name) override;
    void writeInteger(std::string_view name, std::int32_t value) override;
    void writeReal(std::string_view name, double value) override;
    void writeText(std::string_view name, const std::string& value) override;

private:
    QString fileName_; // empty: the native store
    std::unique_ptr<QSettings> settings_;
};

inline constexpr const char* kSettingsOrganization = "Kestrova";
inline constexpr const char* kSettingsApplication = "Sestavia";
