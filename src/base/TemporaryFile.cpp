#include "base/TemporaryFile.h"

#include <string>

namespace {

// Names left behind by other programs or earlier crashes are skipped.
constexpr int kNameAttempts = 100;

}  // namespace

TemporaryFile::TemporaryFile(const std::filesystem::path& finalPath) : m_target(finalPath)
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        m_path = finalPath;
        m_path += ".tmp" + std::to_string(attempt);
        m_file.emplace(m_path, OutputFile::Mode::CreateNew);
        if (m_file->OpenError() != std::errc::file_exists)
            return;
    }
}

TemporaryFile::~TemporaryFile()
{
    const bool created = !m_file->OpenError();
    m_file.reset();
    std::error_code ignored;
    if (created && !m_replaced)
        std::filesystem::remove(m_path, ignored);
}

std::error_code TemporaryFile::ReplaceTarget()
{
    std::error_code error;
    std::filesystem::rename(m_path, m_target, error);
    m_replaced = !error;
    return error;
}
