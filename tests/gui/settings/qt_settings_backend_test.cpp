#include "core/settings_store.h"
#include "platform/qt_settings_backend.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

// The program's own store, pointed at a throw-away folder so no test touches the user's settings.
class QtSettingsBackendTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    }

    void init() { QFile::remove(nativeFile()); }

    void freshProfileGivesTheDefaults() {
        QtSettingsBackend store;
        GlobalSettings s;
        s.costoColonnaNew = 9;
        s.calibration[kCalCpVer][2] = 1;
        LoadSettings(s, store);
        QCOMPARE(s.costoColonnaNew, 1.0);
        QCOMPARE(s.costoColonnaSS, 0.5);
        QCOMPARE(s.calibration[kCalCpVer][2], 5.03);
        QCOMPARE(WindowSettingText(store, "UltimaSpoglio", "********", SettingAccess::Read),
                 std::string("********"));
    }

    void recordSurvivesARoundTripInTheNativeFile() {
        GlobalSettings saved;
        saved.costoColonnaNew = 2.5;
        saved.costoColonnaSS = 0.1 + 0.2; // not exact in binary: must come back bit for bit
        saved.proxyPassword = "pàss, ;=\"x\" @ByteArray(1)";
        saved.proxyServer = "@Variant(x)"; // must stay text, not become a stored object
        saved.calibration[kCalDpOri][7] = 12.345;
        saved.msTipoBloccaggio = 1;
        saved.ipPrMax = 33.25;
        {
            QtSettingsBackend store;
            SaveSettings(saved, store);
        }
        QVERIFY(QFileInfo::exists(nativeFile()));
        QtSettingsBackend store;
        GlobalSettings loaded;
        LoadSettings(loaded, store);
        QCOMPARE(loaded.costoColonnaNew, 2.5);
        QCOMPARE(std::memcmp(&loaded.costoColonnaSS, &saved.costoColonnaSS, sizeof(double)), 0);
        QCOMPARE(loaded.proxyPassword, saved.proxyPassword);
        QCOMPARE(loaded.proxyServer, saved.proxyServer);
        QCOMPARE(loaded.calibration, saved.calibration);
        QCOMPARE(loaded.msTipoBloccaggio, std::uint8_t{1});
        QCOMPARE(loaded.ipPrMax, 33.25);
    }

    void realsAreEightLittleEndianBytesAndCalibrationIsText() {
        {
            QtSettingsBackend store;
            SaveSettings(GlobalSettings{}, store);
            QVERIFY(store.open());
            store.writeReal("CostoColonnaNew", 2.5);
            store.close();
        }
        QSettings raw(nativeFile(), QSettings::IniFormat);
        const QVariant cost = raw.value("CostoColonnaNew");
        QCOMPARE(cost.typeId(), int(QMetaType::QByteArray));
        QCOMPARE(cost.toByteArray(), QByteArray::fromHex("0000000000000440"));
        QCOMPARE(raw.value("CostoColonnaSS").toByteArray(), QByteArray::fromHex("000000000000e03f"));
        QCOMPARE(raw.value("cal_cpver_1").toString(), QString("7.350"));
        QCOMPARE(raw.value("cal_cpver_6").toString(), QString("0.0"));
        QCOMPARE(raw.value("Decimali").toInt(), 2);
    }

    void foreignOrDamagedValuesReadAsMissing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("real as text") << "CostoColonnaNew" << QVariant(QString("2.5"));
        QTest::newRow("real of 4 bytes") << "CostoColonnaNew" << QVariant(QByteArray("\0\0\0\0", 4));
        QTest::newRow("integer as words") << "Decimali" << QVariant(QString("due"));
        QTest::newRow("integer too large") << "Decimali" << QVariant(QString("99999999999"));
        QTest::newRow("calibration with comma junk") << "cal_cpver_1" << QVariant(QString("7,3,5"));
        QTest::newRow("calibration empty") << "cal_cpver_1" << QVariant(QString());
    }

    void foreignOrDamagedValuesReadAsMissing() {
        QFETCH(QString, name);
        QFETCH(QVariant, stored);
        {
            QSettings raw(nativeFile(), QSettings::IniFormat);
            raw.setValue(name, stored);
        }
        QtSettingsBackend store;
        GlobalSettings s;
        s.costoColonnaNew = 7;
        s.decimali = 5;
        s.calibration[kCalCpVer][0] = 1;
        LoadSettings(s, store);
        QCOMPARE(s.costoColonnaNew, 1.0);
        QCOMPARE(s.decimali, 2);
        QCOMPARE(s.calibration[kCalCpVer][0], 7.35);
    }

    void orientationAboveOneReadsAsZero() {
        {
            QtSettingsBackend store;
            QVERIFY(store.open());
            store.writeInteger("ms_orientamento", 7);
            store.close();
        }
        QtSettingsBackend store;
        GlobalSettings s;
        LoadSettings(s, store);
        QCOMPARE(s.msOrientamento, std::uint8_t{0});
    }

    void windowValuesUseTheIdePrefix() {
        QtSettingsBackend store;
        WindowSettingInteger(store, "TKBGenio", 75, SettingAccess::Write);
        WindowSettingText(store, "mrf_1", "/home/a/sistema è.sxv", SettingAccess::Write);
        WindowSettingFlag(store, "csc_impfont", true, SettingAccess::Write);
        QCOMPARE(WindowSettingInteger(store, "TKBGenio", 50, SettingAccess::Read), 75);
        QCOMPARE(WindowSettingText(store, "mrf_1", "", SettingAccess::Read),
                 std::string("/home/a/sistema è.sxv"));
        QVERIFY(WindowSettingFlag(store, "csc_impfont", false, SettingAccess::Read));
        QSettings raw(nativeFile(), QSettings::IniFormat);
        QCOMPARE(raw.value("IDE_TKBGenio").toInt(), 75);
    }

    void explicitFileStore() {
        const QString file = dir_.filePath("altro.ini");
        {
            QtSettingsBackend store(file);
            WindowSettingText(store, "SpoStoED1", "250", SettingAccess::Write);
        }
        QtSettingsBackend store(file);
        QCOMPARE(WindowSettingText(store, "SpoStoED1", "100", SettingAccess::Read), std::string("250"));
        QVERIFY(!QFileInfo::exists(nativeFile()));
    }

private:
    QString nativeFile() const {
        return dir_.filePath(QString("%1/%2.conf").arg(kSettingsOrganization, kSettingsApplication));
    }

    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(QtSettingsBackendTest)
#include "qt_settings_backend_test.moc"
