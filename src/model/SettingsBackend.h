#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The store AppSettings reads and writes: named 32-bit values and named
// binary values. A store that does not exist yet opens as an empty one.
class SettingsBackend {
public:
    virtual ~SettingsBackend() = default;

    // Opens the store. False, with the system's text for the error, when the
    // store exists but cannot be used.
    virtual bool Open(std::string& errorText) = 0;
    // A value, or nothing when it is missing or is not of that type.
    virtual std::optional<std::uint32_t> QueryDword(const std::string& name) = 0;
    virtual std::optional<std::vector<std::uint8_t>> QueryBinary(const std::string& name) = 0;
    virtual void SetDword(const std::string& name, std::uint32_t value) = 0;
    virtual void SetBinary(const std::string& name, const std::vector<std::uint8_t>& value) = 0;
    // Closes the store, committing what was set. False, with the system's
    // text, when the values could not be written.
    virtual bool Close(std::string& errorText) = 0;
};
