#pragma once

#include "model/SettingsBackend.h"

#include <map>
#include <string>
#include <variant>
#include <vector>

// A settings store held in memory, for tests and for tools that must not
// touch the user's settings. It keeps a log of every access, in order, and
// can be told to fail opening or closing.
class MemorySettingsBackend : public SettingsBackend {
public:
    using Value = std::variant<std::uint32_t, std::vector<std::uint8_t>>;

    bool Open(std::string& errorText) override;
    std::optional<std::uint32_t> QueryDword(const std::string& name) override;
    std::optional<std::vector<std::uint8_t>> QueryBinary(const std::string& name) override;
    void SetDword(const std::string& name, std::uint32_t value) override;
    void SetBinary(const std::string& name, const std::vector<std::uint8_t>& value) override;
    bool Close(std::string& errorText) override;

    std::map<std::string, Value> values;
    // "query NAME", "set NAME", "open" and "close", in the order they happened.
    std::vector<std::string> log;
    // When not empty, Open (or Close) fails with this text.
    std::string openError;
    std::string closeError;
};
