#include "FileMessages.h"

#include "AppStringFormat.h"
#include "StringTable.h"

namespace FileMessages {

namespace {

constexpr unsigned kOpeningFailed = 3250;  // "Error opening file '%s'.\n%s"
constexpr unsigned kSavingFailed = 3251;   // "Error saving file '%s'.\n%s"
constexpr unsigned kNotRegularFile = 3252;
constexpr unsigned kTooLarge = 3253;
constexpr unsigned kOutOfMemory = 3190;

}  // namespace

std::string Opening(const std::filesystem::path& path, std::string_view reason)
{
    return FormatAppString(kOpeningFailed, {path.string(), reason});
}

std::string Opening(const std::filesystem::path& path, std::error_code error)
{
    return Opening(path, error.message());
}

std::string Saving(const std::filesystem::path& path, std::string_view reason)
{
    return FormatAppString(kSavingFailed, {path.string(), reason});
}

std::string Saving(const std::filesystem::path& path, std::error_code error)
{
    return Saving(path, error.message());
}

std::string NotRegularFile()
{
    return LoadAppString(kNotRegularFile);
}

std::string TooLarge()
{
    return LoadAppString(kTooLarge);
}

std::string OutOfMemory()
{
    return LoadAppString(kOutOfMemory);
}

}  // namespace FileMessages
