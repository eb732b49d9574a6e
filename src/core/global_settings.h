#pragma once

#include <array>
#include <cstdint>
#include <string>

// The calibration groups of the slip printer, in the order they are stored.
enum CalibrationGroup : int {
    kCalCpVer,
    kCalCpNewVer,
    kCalCpOri,
    kCalCpNewOri,
    kCalDpVer,
    kCalDpOri,
    kCalDpVerSS,
    kCalDpOriSS,
    kCalibrationGroupCount
};

using CalibrationValues = std::array<double, 8>;

inline constexpr std::array<CalibrationValues, kCalibrationGroupCount> kCalibrationDefaults{{
    {7.35, 24.69, 5.03, 3.0, 1.9, 0, 0, 4.0},
    {8.0, 28.1, 5.0, 3.48, 2.0, 0, 0, 4.0},
    {25.8, 14.75, 3.0, 5.03, 1.9, 0, 0, 4.0},
    {29.0, 13.8, 3.51, 4.94, 2.0, 0, 0, 4.0},
    {5.5, 20.68, 5.0, 4.45, 1.9, 0, 0, 4.0},
    {20.73, 21.9, 4.5, 5.0, 1.9, 0, 0, 4.0},
    {4.75, 20.68, 5.0, 4.45, 2.0, 0, 0, 4.0},
    {20.68, 21.9, 4.45, 5.0, 2.0, 0, 0, 4.0},
}};

// The global settings record: read once at start-up, written as a whole whenever a settings
// dialog is confirmed. Each member starts at its default.
struct GlobalSettings {
    std::int32_t decimali = 2;
    double costoColonnaNew = 1.0;
    double costoColonnaSS = 0.5;
    std::int32_t notificaAggio = 1;
    std::string giorniNotifica = "0010101";
    std::string proxyServer;
    std::string proxyPorta;
    std::string proxyUsername;
    std::string proxyPassword;
    bool usaProxy = false;
    bool proxyAuth = false;
    std::array<CalibrationValues, kCalibrationGroupCount> calibration = kCalibrationDefaults;
    std::uint8_t msOrientamento = 1;
    std::uint8_t msTipoBloccaggio = 0;
    bool ipUsaRit = true;
    std::uint8_t ipMCPR = 0;
    bool ipUsaFre = true;
    std::uint8_t ipMCPF = 2;
    double ipPrMin = 0;
    double ipPrMax = 50;
    double ipPfMin = 0;
    double ipPfMax = 50;
    std::int32_t ifNumEstra = 100;
    std::uint8_t ifEscludiJolly = 1;
    std::uint8_t ifEscludiSuperStar = 1;
    std::uint8_t irEscludiJolly = 1;
    std::uint8_t irEscludiSuperStar = 1;
};
