#pragma once

#include "model/SettingsBackend.h"

#include <QString>

#include <memory>

class QSettings;

// The program's settings store: QSettings of organisation "Veltra",
// application "Curvix" (the registry on Windows, a configuration file
// elsewhere), values in the group "Settings". 32-bit values are stored as
// numbers, binary values as byte arrays of their exact size.
class QtSettingsBackend : public SettingsBackend {
public:
    QtSettingsBackend();
    // A store in the given file instead of the user's (INI format).
    explicit QtSettingsBackend(const QString& fileName);
    ~QtSettingsBackend() override;

    bool Open(std::string& errorText) override;
    std::optional<std::uint32_t> QueryDword(const std::string& name) override;
    std::optional<std::vector<std::uint8_t>> QueryBinary(const std::string& name) override;
    void SetDword(const std::string& name, std::uint32_t value) override;
    void SetBinary(const std::string& name, const std::vector<std::uint8_t>& value) override;
    bool Close(std::string& errorText) override;

private:
    std::unique_ptr<QSettings> Create() const;
    std::string ErrorText() const;

    QString m_fileName;  // empty for the user's store
    std::unique_ptr<QSettings> m_settings;
};
