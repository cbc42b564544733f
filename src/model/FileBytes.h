#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

// Whole-file reading and writing. Each returns the system's text for a
// failure, or an empty string on success.
namespace FileBytes {

std::string Read(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes);

// Writes bytes to a new file in the target's folder, flushes it and renames
// it over the target, so a failed write never destroys the previous file.
std::string WriteReplacing(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

}  // namespace FileBytes
