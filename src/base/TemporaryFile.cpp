#include "base/TemporaryFile.h"

#include <string>

namespace {

// Names left behind by other programs or earlier crashes are skipped.
constexpr int kNameAttempts = 100;

}  // namespace

TemporaryFile::TemporaryFile(const std::filesystem::path& finalPath) : target(finalPath)
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        path = finalPath;
        path += ".tmp" + std::to_string(attempt);
        file.emplace(path, OutputFile::Mode::CreateNew);
        if (file->OpenError() != std::errc::file_exists)
            return;
    }
}

TemporaryFile::~TemporaryFile()
{
    const bool created = !file->OpenError();
    file.reset();
    std::error_code ignored;
    if (created && !replaced)
        std::filesystem::remove(path, ignored);
}

std::error_code TemporaryFile::ReplaceTarget()
{
    std::error_code error;
    std::filesystem::rename(path, target, error);
    replaced = !error;
    return error;
}
