#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>
#include <system_error>

// A file written whole in one go: opened, written from its start, cut after
// the written bytes (when it was written over), flushed to the disk and
// closed. Each step's failure is kept as the system's error.
class OutputFile {
public:
    enum class Mode {
        CreateNew,  // a file that must not exist yet; the umask gives its mode
        Overwrite,  // an existing file, written over where it is
    };

    OutputFile(const std::filesystem::path& path, Mode mode);
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    // Closes a file that was not written.
    ~OutputFile();

    // Why the file could not be opened; no error when it is open.
    std::error_code OpenError() const { return m_openError; }
    // Writes, cuts, flushes and closes; the first failure.
    std::error_code WriteAll(std::span<const std::uint8_t> bytes);

private:
    std::filesystem::path m_path;
    Mode m_mode;
    std::FILE* m_file = nullptr;
    std::error_code m_openError;
};
