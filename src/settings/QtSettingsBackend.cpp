#include "settings/QtSettingsBackend.h"

#include <QFile>
#include <QSettings>

namespace {

QString Key(const std::string& name)
{
    return QString::fromStdString(name);
}

}  // namespace

QtSettingsBackend::QtSettingsBackend() = default;

QtSettingsBackend::QtSettingsBackend(const QString& file) : m_fileName(file)
{
}

QtSettingsBackend::~QtSettingsBackend() = default;

std::unique_ptr<QSettings> QtSettingsBackend::Create() const
{
    if (m_fileName.isEmpty())
        return std::make_unique<QSettings>(QStringLiteral("Veltra"), QStringLiteral("Curvix"));
    return std::make_unique<QSettings>(m_fileName, QSettings::IniFormat);
}

bool QtSettingsBackend::Open(std::string& errorText)
{
    // A store that does not exist yet opens empty: a first start.
    m_settings = Create();
    if (m_settings->status() != QSettings::NoError) {
        errorText = ErrorText();
        m_settings.reset();
        return false;
    }
    m_settings->beginGroup(QStringLiteral("Settings"));
    return true;
}

std::optional<std::uint32_t> QtSettingsBackend::QueryDword(const std::string& name)
{
    const QVariant value = m_settings->value(Key(name));
    bool ok = false;
    const std::uint32_t number = value.toUInt(&ok);
    if (!value.isValid() || !ok)
        return std::nullopt;
    return number;
}

std::optional<std::vector<std::uint8_t>> QtSettingsBackend::QueryBinary(const std::string& name)
{
    const QVariant value = m_settings->value(Key(name));
    if (value.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    const QByteArray bytes = value.toByteArray();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

void QtSettingsBackend::SetDword(const std::string& name, std::uint32_t value)
{
    m_settings->setValue(Key(name), value);
}

void QtSettingsBackend::SetBinary(const std::string& name, const std::vector<std::uint8_t>& value)
{
    const QByteArray bytes(reinterpret_cast<const char*>(value.data()), static_cast<qsizetype>(value.size()));
    m_settings->setValue(Key(name), bytes);
}

bool QtSettingsBackend::Close(std::string& errorText)
{
    m_settings->endGroup();
    m_settings->sync();
    const bool written = m_settings->status() == QSettings::NoError;
    if (!written)
        errorText = ErrorText();
    m_settings.reset();
    return written;
}

std::string QtSettingsBackend::ErrorText() const
{
    if (m_settings->status() == QSettings::FormatError)
        return "The settings file is damaged.";
    // QSettings does not keep the system's error; opening the file again
    // the same way gives its text.
    QFile file(m_settings->fileName());
    if (!file.open(QIODevice::ReadWrite))
        return file.errorString().toStdString();
    return "Access denied.";
}
