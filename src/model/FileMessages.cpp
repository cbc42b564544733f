#include "model/FileMessages.h"

#include "model/AppStringFormat.h"
#include "StringTable.h"

namespace FileMessages {

std::string Opening(const std::filesystem::path& path, std::string_view reason)
{
    return FormatAppString(StringId::OpeningFailed, {path.string(), reason});
}

std::string Opening(const std::filesystem::path& path, std::error_code error)
{
    return Opening(path, error.message());
}

std::string Saving(const std::filesystem::path& path, std::string_view reason)
{
    return FormatAppString(StringId::SavingFailed, {path.string(), reason});
}

std::string Saving(const std::filesystem::path& path, std::error_code error)
{
    return Saving(path, error.message());
}

std::string NotRegularFile()
{
    return LoadAppString(StringId::NotRegularFile);
}

std::string TooLarge()
{
    return LoadAppString(StringId::FileTooLarge);
}

std::string OutOfMemory()
{
    return LoadAppString(StringId::OutOfMemory);
}

}  // namespace FileMessages
