#include "FileBytes.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

namespace FileBytes {

namespace {

std::string SystemText(int error)
{
    return std::generic_category().message(error);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Writes, flushes and closes; the system's text for the first failure.
std::string WriteAll(std::FILE* file, std::span<const std::uint8_t> bytes)
{
    errno = 0;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool flushed = written && std::fflush(file) == 0;
    const int error = errno;
    const bool closed = std::fclose(file) == 0;
    if (written && flushed && closed)
        return {};
    return SystemText(error ? error : errno ? errno : EIO);
}

// Creates a temporary file next to target that did not exist before.
std::FILE* CreateTemporary(const std::filesystem::path& target, std::filesystem::path& temporary, int& error)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary += ".tmp" + std::to_string(attempt);
        if (std::FILE* file = std::fopen(temporary.string().c_str(), "wbx"))
            return file;
        error = errno;
        if (error != EEXIST)
            return nullptr;
    }
    return nullptr;
}

}  // namespace

std::string Read(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes)
{
    File file(std::fopen(path.string().c_str(), "rb"));
    if (!file)
        return SystemText(errno);
    bytes.clear();
    errno = 0;
    std::uint8_t chunk[65536];
    size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        bytes.insert(bytes.end(), chunk, chunk + count);
    if (std::ferror(file.get()))
        return SystemText(errno ? errno : EIO);
    return {};
}

std::string WriteReplacing(const std::filesystem::path& target, std::span<const std::uint8_t> bytes)
{
    std::filesystem::path temporary;
    int error = 0;
    std::FILE* file = CreateTemporary(target, temporary, error);
    if (!file)
        return SystemText(error);
    std::string failure = WriteAll(file, bytes);
    std::error_code renameError;
    if (failure.empty())
        std::filesystem::rename(temporary, target, renameError);
    if (renameError)
        failure = renameError.message();
    if (!failure.empty()) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
    }
    return failure;
}

}  // namespace FileBytes
