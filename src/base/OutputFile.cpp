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

OutputFile::OutputFile(const std::filesystem::path& targetPath, Mode openMode) : path(targetPath), mode(openMode)
{
    errno = 0;
    file = std::fopen(targetPath.string().c_str(), openMode == Mode::CreateNew ? "wbx" : "r+b");
    if (!file)
        openError = LastSystemError();
}

OutputFile::~OutputFile()
{
    if (file)
        std::fclose(file);
}

std::error_code OutputFile::WriteAll(std::span<const std::uint8_t> bytes)
{
    if (!file)
        return openError ? openError : std::make_error_code(std::errc::bad_file_descriptor);
    errno = 0;
    std::error_code failure;
    const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (!written || std::fflush(file) != 0)
        failure = LastSystemError();
    // What is left of a longer old content goes.
    if (!failure && mode == Mode::Overwrite)
        std::filesystem::resize_file(path, bytes.size(), failure);
    if (!failure && !SyncToDisk(file))
        failure = LastSystemError();
    if (std::fclose(std::exchange(file, nullptr)) != 0 && !failure)
        failure = LastSystemError();
    return failure;
}
