#include "base/OutputFile.h"

#include "base/LastSystemError.h"

#include <cerrno>
#include <utility>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace {

// The written bytes reach the disk before the file is renamed or closed,
// so a crash cannot leave a renamed but empty file.
bool SyncToDisk(std::FILE* file)
{
#if defined(__unix__) || defined(__APPLE__)
    return ::fsync(::fileno(file)) == 0;
#else
    (void)file;
    return true;
#endif
}

}  // namespace

OutputFile::OutputFile(const std::filesystem::path& targetPath, Mode openMode) : m_path(targetPath), m_mode(openMode)
{
    errno = 0;
    m_file = std::fopen(targetPath.string().c_str(), openMode == Mode::CreateNew ? "wbx" : "r+b");
    if (!m_file)
        m_openError = LastSystemError();
}

OutputFile::~OutputFile()
{
    if (m_file)
        std::fclose(m_file);
}

std::error_code OutputFile::WriteAll(std::span<const std::uint8_t> bytes)
{
    if (!m_file)
        return m_openError ? m_openError : std::make_error_code(std::errc::bad_file_descriptor);
    errno = 0;
    std::error_code failure;
    const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), m_file) == bytes.size();
    if (!written || std::fflush(m_file) != 0)
        failure = LastSystemError();
    // What is left of a longer old content goes.
    if (!failure && m_mode == Mode::Overwrite)
        std::filesystem::resize_file(m_path, bytes.size(), failure);
    if (!failure && !SyncToDisk(m_file))
        failure = LastSystemError();
    if (std::fclose(std::exchange(m_file, nullptr)) != 0 && !failure)
        failure = LastSystemError();
    return failure;
}
