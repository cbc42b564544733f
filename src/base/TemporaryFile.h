#pragma once

#include "base/OutputFile.h"

#include <filesystem>
#include <optional>
#include <span>
#include <system_error>

// A new file beside a target, named after it with ".tmpN" added, that is
// written whole and then renamed over the target, so that the target is
// either replaced completely or left alone. Unless it replaced the target,
// the file is removed when the object goes.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target);
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile();

    // Why no temporary file could be created beside the target.
    std::error_code CreateError() const { return m_file->OpenError(); }
    const std::filesystem::path& Path() const { return m_path; }
    std::error_code Write(std::span<const std::uint8_t> bytes) { return m_file->WriteAll(bytes); }
    std::error_code ReplaceTarget();

private:
    std::filesystem::path m_target;
    std::filesystem::path m_path;
    std::optional<OutputFile> m_file;
    bool m_replaced = false;
};
