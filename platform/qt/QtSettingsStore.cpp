#include "QtSettingsStore.h"

#include <QSettings>
#include <QString>
#include <QVariant>
#include <limits>

namespace platform {
namespace {

QString Key(std::string_view group, std::string_view name) {
    QString key = QString::fromUtf8(group.data(), static_cast<qsizetype>(group.size()));
    if (!name.empty()) {
        key += QLatin1Char('/') + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }
    return key;
}

// A stored integer: a native integer (the registry's DWORD) or a plain decimal text in 32-bit range.
bool ToInt32(const QVariant& value, std::int32_t& out) {
    qlonglong wide = 0;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        wide = value.toLongLong();
        // A DWORD above 0x7FFFFFFF is the registry's view of a negative value.
        if (value.typeId() == QMetaType::UInt) {
            wide = static_cast<std::int32_t>(value.toUInt());
        }
        break;
    case QMetaType::QString: {
        bool ok = false;
        wide = value.toString().trimmed().toLongLong(&ok, 10);
        if (!ok) {
            return false;
        }
        break;
    }
    default:
        return false;
    }
    if (wide < std::numeric_limits<std::int32_t>::min() || wide > std::numeric_limits<std::int32_t>::max()) {
        return false;
    }
    out = static_cast<std::int32_t>(wide);
    return true;
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : m_settings(std::make_unique<QSettings>(QStringLiteral("Quon"), QStringLiteral("VQ-N58"))) {}

QtSettingsStore::QtSettingsStore(const std::filesystem::path& iniPath)
    : m_settings(std::make_unique<QSettings>(QString::fromStdU16String(iniPath.u16string()), QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() = default;

ISettingsStore::Read<std::int32_t> QtSettingsStore::ReadInt(std::string_view group, std::string_view name) const {
    Read<std::int32_t> read;
    const QString key = Key(group, name);
    if (m_settings->status() == QSettings::FormatError || !m_settings->contains(key)) {
        return read;
    }
    read.status = ToInt32(m_settings->value(key), read.value) ? ReadStatus::Ok : ReadStatus::WrongType;
    return read;
}

ISettingsStore::Read<std::string> QtSettingsStore::ReadString(std::string_view group, std::string_view name) const {
    Read<std::string> read;
    const QString key = Key(group, name);
    if (m_settings->status() == QSettings::FormatError || !m_settings->contains(key)) {
        return read;
    }
    const QVariant value = m_settings->value(key);
    if (!value.canConvert<QString>() || value.typeId() == QMetaType::QStringList) {
        read.status = ReadStatus::WrongType;
        return read;
    }
    read.status = ReadStatus::Ok;
    read.value = value.toString().toStdString();
    return read;
}

void QtSettingsStore::WriteInt(std::string_view group, std::string_view name, std::int32_t value) {
    m_settings->setValue(Key(group, name), static_cast<int>(value));
}

void QtSettingsStore::WriteString(std::string_view group, std::string_view name, const std::string& value) {
    m_settings->setValue(Key(group, name), QString::fromStdString(value));
}

void QtSettingsStore::Remove(std::string_view group, std::string_view name) {
    m_settings->remove(Key(group, name));
}

bool QtSettingsStore::Sync() {
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

std::string QtSettingsStore::Location() const {
    return m_settings->fileName().toStdString();
}

} // namespace platform
