#include "model/MemorySettingsBackend.h"

namespace {

template <typename T>
std::optional<T> Find(const std::map<std::string, MemorySettingsBackend::Value>& values,
                      const std::string& name)
{
    const auto found = values.find(name);
    if (found == values.end() || !std::holds_alternative<T>(found->second))
        return std::nullopt;
    return std::get<T>(found->second);
}

bool Report(const std::string& error, std::string& errorText)
{
    errorText = error;
    return error.empty();
}

}  // namespace

bool MemorySettingsBackend::Open(std::string& errorText)
{
    log.emplace_back("open");
    return Report(openError, errorText);
}

std::optional<std::uint32_t> MemorySettingsBackend::QueryDword(const std::string& name)
{
    log.push_back("query " + name);
    return Find<std::uint32_t>(values, name);
}

std::optional<std::vector<std::uint8_t>> MemorySettingsBackend::QueryBinary(const std::string& name)
{
    log.push_back("query " + name);
    return Find<std::vector<std::uint8_t>>(values, name);
}

void MemorySettingsBackend::SetDword(const std::string& name, std::uint32_t value)
{
    log.push_back("set " + name);
    values[name] = value;
}

void MemorySettingsBackend::SetBinary(const std::string& name, const std::vector<std::uint8_t>& value)
{
    log.push_back("set " + name);
    values[name] = value;
}

bool MemorySettingsBackend::Close(std::string& errorText)
{
    log.emplace_back("close");
    return Report(closeError, errorText);
}
