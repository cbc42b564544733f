#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

// The messages of failed file reads and writes: each names the file as the
// user gave it and says why it failed.
namespace FileMessages {

std::string Opening(const std::filesystem::path& path, std::string_view reason);
std::string Opening(const std::filesystem::path& path, std::error_code error);
std::string Saving(const std::filesystem::path& path, std::string_view reason);
std::string Saving(const std::filesystem::path& path, std::error_code error);

// Reasons of the program's own.
std::string NotRegularFile();
std::string TooLarge();
std::string OutOfMemory();

}  // namespace FileMessages
