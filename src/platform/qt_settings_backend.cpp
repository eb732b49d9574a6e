#include "platform/qt_settings_backend.h"

#include <QByteArray>
#include <QSettings>
#include <QVariant>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

QString Key(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QByteArray DoubleBytes(double value) {
    static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559);
    std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    QByteArray bytes(8, '\0');
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return bytes;
}

std::optional<double> BytesDouble(const QByteArray& bytes) {
    if (bytes.size() != 8) return std::nullopt;
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
    return std::bit_cast<double>(bits);
}

} // namespace

QtSettingsBackend::QtSettingsBackend() = default;
QtSettingsBackend::QtSettingsBackend(const QString& fileName) : fileName_(fileName) {}
QtSettingsBackend::~QtSettingsBackend() = default;

bool QtSettingsBackend::open() {
    if (fileName_.isEmpty())
        settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                QString::fromLatin1(kSettingsOrganization),
                                                QString::fromLatin1(kSettingsApplication));
    else
        settings_ = std::make_unique<QSettings>(fileName_, QSettings::IniFormat);
    // An access error is the only failure QSettings reports before the first read; a damaged
    // file reads as empty, which the callers treat as missing values.
    if (settings_->status() == QSettings::AccessError) {
        settings_.reset();
        return false;
    }
    return true;
}

void QtSettingsBackend::close() {
    if (!settings_) return;
    settings_->sync();
    settings_.reset();
}

std::optional<std::int32_t> QtSettingsBackend::readInteger(std::string_view name) {
    if (!settings_) return std::nullopt;
    const QVariant v = settings_->value(Key(name));
    if (!v.isValid()) return std::nullopt;
    // Files keep numbers as text; the registry as DWORD. Both read back through toLongLong, and
    // anything that is not a whole number in the DWORD range counts as unreadable.
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (!ok) return std::nullopt;
    if (n >= 0 && n <= 0xFFFFFFFFLL) return static_cast<std::int32_t>(static_cast<std::uint32_t>(n));
    if (n < 0 && n >= std::numeric_limits<std::int32_t>::min()) return static_cast<std::int32_t>(n);
    return std::nullopt;
}

std::optional<double> QtSettingsBackend::readReal(std::string_view name) {
    if (!settings_) return std::nullopt;
    const QVariant v = settings_->value(Key(name));
    if (!v.isValid() || v.typeId() != QMetaType::QByteArray) return std::nullopt;
    return BytesDouble(v.toByteArray());
}

std::optional<std::string> QtSettingsBackend::readText(std::string_view name) {
    if (!settings_) return std::nullopt;
    const QVariant v = settings_->value(Key(name));
    if (!v.isValid()) return std::nullopt;
    // A list or binary value where text belongs is unreadable; a number in a file is text.
    if (v.typeId() != QMetaType::QString && !v.canConvert<QString>()) return std::nullopt;
    if (v.typeId() == QMetaType::QByteArray || v.typeId() == QMetaType::QStringList) return std::nullopt;
    return v.toString().toStdString();
}

void QtSettingsBackend::writeInteger(std::string_view name, std::int32_t value) {
    if (settings_) settings_->setValue(Key(name), static_cast<int>(value));
}

void QtSettingsBackend::writeReal(std::string_view name, double value) {
    if (settings_) settings_->setValue(Key(name), DoubleBytes(value));
}

void QtSettingsBackend::writeText(std::string_view name, const std::string& value) {
    if (settings_) settings_->setValue(Key(name), QString::fromStdString(value));
}
