#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

// Whole-file reading and writing. Each returns the message for a failure,
// which names the file and says why (the system's text or the program's
// own reason), or an empty string on success.
namespace FileBytes {

// No document comes near this size: a graph takes well under a kilobyte.
inline constexpr std::uintmax_t kLargestFile = std::uintmax_t{64} << 20;

// Reads a regular file of at most kLargestFile bytes. Anything else (a
// folder, a device, a pipe) is refused before it is opened, a larger file
// before it is read; running out of memory is a failure like any other.
std::string Read(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes);

// Replaces the file at target with bytes, whole or not at all: they go to
// a new file in the same folder, which is then renamed over the old one.
// A symbolic link is followed and the file it leads to is replaced; the
// new file keeps the old one's permission bits (and owner where allowed).
// A target that exists but is not a regular file is refused. When the
// folder refuses a new file but the old file may be written, the old file
// is written over in place instead.
std::string WriteReplacing(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

}  // namespace FileBytes
