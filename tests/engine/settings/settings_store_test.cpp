#include "core/settings_store.h"

#include "core/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Records the order of the names a load or save touches.
class OrderRecorder final : public SettingsBackend {
public:
    bool open() override { return true; }
    void close() override {}
    std::optional<std::int32_t> readInteger(std::string_view n) override { return note(n), std::nullopt; }
    std::optional<double> readReal(std::string_view n) override { return note(n), std::nullopt; }
    std::optional<std::string> readText(std::string_view n) override { return note(n), std::nullopt; }
    void writeInteger(std::string_view n, std::int32_t) override { note(n); }
    void writeReal(std::string_view n, double) override { note(n); }
    void writeText(std::string_view n, const std::string&) override { note(n); }

    std::vector<std::string> names;

private:
    void note(std::string_view n) { names.emplace_back(n); }
};

GlobalSettings Changed() {
    GlobalSettings s;
    s.decimali = 3;
    s.costoColonnaNew = 2.5;
    s.costoColonnaSS = 0.75;
    s.notificaAggio = 0;
    s.giorniNotifica = "1111111";
    s.proxyServer = "proxy.example";
    s.proxyPorta = "8080";
    s.proxyUsername = "mario";
    s.proxyPassword = "p@ss è";
    s.usaProxy = true;
    s.proxyAuth = true;
    for (int gr = 0; gr < kCalibrationGroupCount; ++gr)
        for (int k = 0; k < 8; ++k) s.calibration[gr][k] = gr * 10 + k + 0.125;
    s.msOrientamento = 0;
    s.msTipoBloccaggio = 1;
    s.ipUsaRit = false;
    s.ipMCPR = 2;
    s.ipUsaFre = false;
    s.ipMCPF = 1;
    s.ipPrMin = 0;
    s.ipPrMax = 30;
    s.ipPfMin = 0;
    s.ipPfMax = 70;
    s.ifNumEstra = 250;
    s.ifEscludiJolly = 0;
    s.ifEscludiSuperStar = 0;
    s.irEscludiJolly = 0;
    s.irEscludiSuperStar = 0;
    return s;
}

void ExpectSame(const GlobalSettings& a, const GlobalSettings& b) {
    EXPECT_EQ(a.decimali, b.decimali);
    EXPECT_EQ(a.costoColonnaNew, b.costoColonnaNew);
    EXPECT_EQ(a.costoColonnaSS, b.costoColonnaSS);
    EXPECT_EQ(a.notificaAggio, b.notificaAggio);
    EXPECT_EQ(a.giorniNotifica, b.giorniNotifica);
    EXPECT_EQ(a.proxyServer, b.proxyServer);
    EXPECT_EQ(a.proxyPorta, b.proxyPorta);
    EXPECT_EQ(a.proxyUsername, b.proxyUsername);
    EXPECT_EQ(a.proxyPassword, b.proxyPassword);
    EXPECT_EQ(a.usaProxy, b.usaProxy);
    EXPECT_EQ(a.proxyAuth, b.proxyAuth);
    EXPECT_EQ(a.calibration, b.calibration);
    EXPECT_EQ(a.msOrientamento, b.msOrientamento);
    EXPECT_EQ(a.msTipoBloccaggio, b.msTipoBloccaggio);
    EXPECT_EQ(a.ipUsaRit, b.ipUsaRit);
    EXPECT_EQ(a.ipMCPR, b.ipMCPR);
    EXPECT_EQ(a.ipUsaFre, b.ipUsaFre);
    EXPECT_EQ(a.ipMCPF, b.ipMCPF);
    EXPECT_EQ(a.ipPrMin, b.ipPrMin);
    EXPECT_EQ(a.ipPrMax, b.ipPrMax);
    EXPECT_EQ(a.ipPfMin, b.ipPfMin);
    EXPECT_EQ(a.ipPfMax, b.ipPfMax);
    EXPECT_EQ(a.ifNumEstra, b.ifNumEstra);
    EXPECT_EQ(a.ifEscludiJolly, b.ifEscludiJolly);
    EXPECT_EQ(a.ifEscludiSuperStar, b.ifEscludiSuperStar);
    EXPECT_EQ(a.irEscludiJolly, b.irEscludiJolly);
    EXPECT_EQ(a.irEscludiSuperStar, b.irEscludiSuperStar);
}

} // namespace

TEST(LoadSettings, FreshProfileGivesEveryDefault) {
    InMemorySettingsBackend store;
    GlobalSettings s = Changed();
    LoadSettings(s, store);
    ExpectSame(s, GlobalSettings{});
    EXPECT_EQ(FormatAmount(s.costoColonnaNew, false, s.decimali), "1,00");
    EXPECT_EQ(FormatAmount(s.costoColonnaSS, false, s.decimali), "0,50");
    EXPECT_EQ(s.calibration[kCalCpVer][0], 7.35);
    EXPECT_EQ(s.calibration[kCalDpOriSS][2], 4.45);
    EXPECT_FALSE(store.isOpen);
}

TEST(LoadSettings, KeyThatCannotBeOpenedReadsNothing) {
    InMemorySettingsBackend store;
    SaveSettings(Changed(), store);
    store.failOpen = true;
    GlobalSettings s;
    LoadSettings(s, store);
    ExpectSame(s, GlobalSettings{});
}

TEST(LoadSettings, SaveThenLoadGivesTheSameRecord) {
    InMemorySettingsBackend store;
    const GlobalSettings original = Changed();
    SaveSettings(original, store);
    EXPECT_EQ(store.openCount, 1);
    EXPECT_FALSE(store.isOpen);
    GlobalSettings loaded;
    LoadSettings(loaded, store);
    ExpectSame(loaded, original);
}

TEST(LoadSettings, EmptyCalibrationTextTakesTheDefaultForThatValueAlone) {
    InMemorySettingsBackend store;
    GlobalSettings saved;
    saved.calibration[kCalCpVer] = {1, 2, 3, 4, 5, 6, 7, 8};
    SaveSettings(saved, store);
    store.values["cal_cpver_3"] = std::string();
    GlobalSettings s;
    LoadSettings(s, store);
    EXPECT_EQ(s.calibration[kCalCpVer], (CalibrationValues{1, 2, 5.03, 4, 5, 6, 7, 8}));
}

TEST(SaveSettings, CalibrationValuesAreTextWithTwelveDecimalsTrimmed) {
    InMemorySettingsBackend store;
    SaveSettings(GlobalSettings{}, store);
    const struct {
        const char* name;
        const char* text;
    } cases[] = {
        {"cal_cpver_1", "7.350"},    {"cal_cpver_4", "3.0"},   {"cal_cpver_6", "0.0"},
        {"cal_cpnewori_3", "3.510"}, {"cal_dporiSS_8", "4.0"}, {"cal_dpver_2", "20.680"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(store.contains(c.name)) << c.name;
        EXPECT_EQ(std::get<std::string>(store.values[c.name]), c.text) << c.name;
    }
    EXPECT_EQ(std::get<double>(store.values["CostoColonnaNew"]), 1.0);
    EXPECT_EQ(std::get<std::int32_t>(store.values["UsaProxy"]), 0);
    EXPECT_EQ(std::get<std::string>(store.values["GiorniNotifica"]), "0010101");
}

TEST(SaveSettings, WritesAndLoadReadsInTableOrder) {
    OrderRecorder saved;
    SaveSettings(GlobalSettings{}, saved);
    OrderRecorder loaded;
    GlobalSettings s;
    LoadSettings(s, loaded);
    ASSERT_EQ(saved.names, loaded.names);
    ASSERT_EQ(saved.names.size(), 11u + 64u + 15u);
    EXPECT_EQ(saved.names[0], "Decimali");
    EXPECT_EQ(saved.names[10], "ProxyAuth");
    EXPECT_EQ(saved.names[11], "cal_cpver_1");
    EXPECT_EQ(saved.names[18], "cal_cpver_8");
    EXPECT_EQ(saved.names[19], "cal_cpnewver_1");
    EXPECT_EQ(saved.names[74], "cal_dporiSS_8");
    EXPECT_EQ(saved.names[75], "ms_orientamento");
    EXPECT_EQ(saved.names.back(), "IREscludiSuperStar");
}

TEST(LoadSettings, StoredValuesOutsideTheirRangeAreCorrected) {
    using Field = int (*)(const GlobalSettings&);
    const Field orientation = [](const GlobalSettings& s) -> int { return s.msOrientamento; };
    const Field lock = [](const GlobalSettings& s) -> int { return s.msTipoBloccaggio; };
    const Field delayMode = [](const GlobalSettings& s) -> int { return s.ipMCPR; };
    const Field frequencyMode = [](const GlobalSettings& s) -> int { return s.ipMCPF; };
    const Field draws = [](const GlobalSettings& s) -> int { return s.ifNumEstra; };
    const Field decimals = [](const GlobalSettings& s) -> int { return s.decimali; };
    const Field jolly = [](const GlobalSettings& s) -> int { return s.ifEscludiJolly; };
    const struct {
        const char* name;
        std::int32_t stored;
        Field field;
        int expected;
    } cases[] = {
        {"ms_orientamento", 7, orientation, 0},
        {"ms_orientamento", 256, orientation, 0},
        {"ms_orientamento", -1, orientation, 0},
        {"ms_orientamento", 0, orientation, 0},
        {"ms_tipo_bloccaggio", 2, lock, 0},
        {"ms_tipo_bloccaggio", 1, lock, 1},
        {"IPMCPR", 3, delayMode, 0},
        {"IPMCPR", 2, delayMode, 2},
        {"IPMCPF", -1, frequencyMode, 2},
        {"IFNumEstra", 0, draws, 100},
        {"IFNumEstra", 1, draws, 1},
        {"Decimali", 400, decimals, 2},
        {"Decimali", -2, decimals, 2},
        {"Decimali", 0, decimals, 0},
        {"IFEscludiJolly", 300, jolly, 1},
        {"IFEscludiJolly", 0, jolly, 0},
    };
    for (const auto& c : cases) {
        InMemorySettingsBackend store;
        store.values[c.name] = c.stored;
        GlobalSettings s;
        LoadSettings(s, store);
        EXPECT_EQ(c.field(s), c.expected) << c.name << " stored as " << c.stored;
    }
}

TEST(LoadSettings, UnreadableOrWronglyTypedValuesTakeTheirDefault) {
    InMemorySettingsBackend store;
    SaveSettings(Changed(), store);
    store.broken.insert("CostoColonnaNew");
    store.values["Decimali"] = std::string("3"); // a text where an integer belongs
    store.values["cal_cpori_2"] = std::string("1,5x");
    store.values["GiorniNotifica"] = std::string("11");
    GlobalSettings s;
    LoadSettings(s, store);
    EXPECT_EQ(s.costoColonnaNew, 1.0);
    EXPECT_EQ(s.decimali, 2);
    EXPECT_EQ(s.calibration[kCalCpOri][1], 14.75);
    EXPECT_EQ(s.giorniNotifica, "1100000");
    // the values around them are read as stored
    EXPECT_EQ(s.costoColonnaSS, 0.75);
    EXPECT_EQ(s.calibration[kCalCpOri][0], 20.125);
}

TEST(ParseRealText, AcceptsPlainDecimalsOnly) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"7.350", 7.35},
        {"2,5", 2.5},
        {" 4.0 ", 4.0},
        {"0", 0.0},
        {"-1.5", -1.5},
        {".5", 0.5},
        {"+3", 3.0},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"abc", std::nullopt},
        {"1.2.3", std::nullopt},
        {"1e5", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1.000,50", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"0x10", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseRealText(c.text), c.value) << '"' << c.text << '"';
}

TEST(WindowSetting, FreshProfileReturnsTheDefault) {
    InMemorySettingsBackend store;
    EXPECT_EQ(WindowSettingText(store, "UltimaSpoglio", "********", SettingAccess::Read), "********");
    EXPECT_EQ(WindowSettingInteger(store, "TKBGenio", 50, SettingAccess::Read), 50);
    EXPECT_TRUE(WindowSettingFlag(store, "csc_impfont", true, SettingAccess::Read));
    EXPECT_TRUE(store.values.empty());
}

TEST(WindowSetting, WriteStoresUnderTheIdePrefixAndReadGoesToTheStoreEachTime) {
    InMemorySettingsBackend store;
    EXPECT_EQ(WindowSettingText(store, "SpoStoED1", "250", SettingAccess::Write), "250");
    EXPECT_EQ(WindowSettingInteger(store, "ssscp_cps", 7, SettingAccess::Write), 7);
    EXPECT_FALSE(WindowSettingFlag(store, "ssscp_sco", false, SettingAccess::Write));
    EXPECT_EQ(std::get<std::string>(store.values["IDE_SpoStoED1"]), "250");
    EXPECT_EQ(std::get<std::int32_t>(store.values["IDE_ssscp_cps"]), 7);
    EXPECT_EQ(std::get<std::int32_t>(store.values["IDE_ssscp_sco"]), 0);

    EXPECT_EQ(WindowSettingText(store, "SpoStoED1", "100", SettingAccess::Read), "250");
    store.values["IDE_SpoStoED1"] = std::string("42");
    EXPECT_EQ(WindowSettingText(store, "SpoStoED1", "100", SettingAccess::Read), "42");
    EXPECT_EQ(WindowSettingInteger(store, "ssscp_cps", 3, SettingAccess::Read), 7);
    EXPECT_FALSE(store.isOpen);
}

TEST(WindowSetting, FailuresAreSilentAndGiveTheDefault) {
    InMemorySettingsBackend store;
    store.values["IDE_ProFreTC"] = 4;
    store.broken.insert("IDE_ProFreTC");
    EXPECT_EQ(WindowSettingInteger(store, "ProFreTC", 0, SettingAccess::Read), 0);
    WindowSettingInteger(store, "ProFreTC", 9, SettingAccess::Write);
    EXPECT_EQ(std::get<std::int32_t>(store.values["IDE_ProFreTC"]), 4);

    store.failOpen = true;
    EXPECT_EQ(WindowSettingText(store, "mrf_1", "", SettingAccess::Read), "");
    EXPECT_EQ(WindowSettingText(store, "mrf_1", "/a.sxv", SettingAccess::Write), "/a.sxv");
    EXPECT_FALSE(store.contains("IDE_mrf_1"));
}

TEST(ColumnCosts, BothMustBeRealsAboveZero) {
    const struct {
        const char* single;
        const char* superStar;
        ColumnCostError error;
    } cases[] = {
        {"1.0", "0.5", ColumnCostError::None},       {"2.5", "0.75", ColumnCostError::None},
        {"0", "0.5", ColumnCostError::SingleColumn}, {"", "0.5", ColumnCostError::SingleColumn},
        {".", "0.5", ColumnCostError::SingleColumn}, {"-1", "0.5", ColumnCostError::SingleColumn},
        {"1.0", "0", ColumnCostError::SuperStar},    {"1.0", "", ColumnCostError::SuperStar},
        {"0", "0", ColumnCostError::SingleColumn},   {"1..2", "1", ColumnCostError::SingleColumn},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckColumnCosts(c.single, c.superStar), c.error) << c.single << " " << c.superStar;
}

TEST(ColumnCosts, ValidCostsReplaceBothAndAreSavedInvalidOnesChangeNothing) {
    InMemorySettingsBackend store;
    GlobalSettings s;
    EXPECT_EQ(SetColumnCosts(s, store, "1.5", "0"), ColumnCostError::SuperStar);
    EXPECT_EQ(s.costoColonnaNew, 1.0);
    EXPECT_EQ(s.costoColonnaSS, 0.5);
    EXPECT_TRUE(store.values.empty());

    EXPECT_EQ(SetColumnCosts(s, store, "2.5", "0.75"), ColumnCostError::None);
    EXPECT_EQ(s.costoColonnaNew, 2.5);
    EXPECT_EQ(s.costoColonnaSS, 0.75);
    EXPECT_EQ(std::get<double>(store.values["CostoColonnaNew"]), 2.5);
    EXPECT_EQ(std::get<double>(store.values["CostoColonnaSS"]), 0.75);
}
