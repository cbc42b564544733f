#include "model/FileBytes.h"

#include "model/FileMessages.h"
#include "base/LastSystemError.h"
#include "base/OutputFile.h"
#include "base/SaveTarget.h"
#include "base/TemporaryFile.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <new>
#include <system_error>

namespace FileBytes {

namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Reads a regular file of the given size; one that grew past the limit
// meanwhile is refused all the same.
std::string ReadRegular(const fs::path& path, std::uintmax_t size, std::vector<std::uint8_t>& bytes)
{
    errno = 0;
    File file(std::fopen(path.string().c_str(), "rb"));
    if (!file)
        return FileMessages::Opening(path, LastSystemError());
    bytes.clear();
    bytes.reserve(size);
    std::uint8_t chunk[65536];
    size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        if (bytes.size() + count > kLargestFile)
            return FileMessages::Opening(path, FileMessages::TooLarge());
        bytes.insert(bytes.end(), chunk, chunk + count);
    }
    if (std::ferror(file.get()))
        return FileMessages::Opening(path, LastSystemError());
    return {};
}

// A folder the user may not write to refuses the new file this way.
bool IsPermissionError(std::error_code error)
{
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted;
}

// Writes over the old file where it is, after the whole content was made
// in memory: the one way left when the folder takes no new file.
std::error_code WriteInPlace(const fs::path& file, std::span<const std::uint8_t> bytes)
{
    OutputFile output(file, OutputFile::Mode::Overwrite);
    return output.WriteAll(bytes);
}

std::error_code WriteThroughTemporary(const SaveTarget& target, TemporaryFile& temporary,
                                      std::span<const std::uint8_t> bytes)
{
    std::error_code error;
    if (target.Exists())
        error = target.GiveAttributesTo(temporary.Path());
    if (!error)
        error = temporary.Write(bytes);
    if (!error)
        error = temporary.ReplaceTarget();
    return error;
}

}  // namespace

std::string Read(const fs::path& path, std::vector<std::uint8_t>& bytes)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error)
        return FileMessages::Opening(path, error);
    if (!fs::is_regular_file(status))
        return FileMessages::Opening(path, FileMessages::NotRegularFile());
    const std::uintmax_t size = fs::file_size(path, error);
    if (error)
        return FileMessages::Opening(path, error);
    if (size > kLargestFile)
        return FileMessages::Opening(path, FileMessages::TooLarge());
    try {
        return ReadRegular(path, size, bytes);
    } catch (const std::bad_alloc&) {
        return FileMessages::Opening(path, FileMessages::OutOfMemory());
    }
}

std::string WriteReplacing(const fs::path& target, std::span<const std::uint8_t> bytes)
{
    const SaveTarget file(target);
    if (file.Error())
        return FileMessages::Saving(target, file.Error());
    if (file.Exists() && !file.IsRegular())
        return FileMessages::Saving(target, FileMessages::NotRegularFile());
    TemporaryFile temporary(file.File());
    std::error_code error = temporary.CreateError();
    if (error && file.Exists() && IsPermissionError(error))
        error = WriteInPlace(file.File(), bytes);
    else if (!error)
        error = WriteThroughTemporary(file, temporary, bytes);
    return error ? FileMessages::Saving(target, error) : std::string();
}

}  // namespace FileBytes
