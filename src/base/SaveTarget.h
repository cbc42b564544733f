#pragma once

#include <filesystem>
#include <system_error>

// The file that saving to a path replaces. Symbolic links on the way are
// followed, so that a link stays a link and the file it leads to gets the
// new content (in its own folder). The replacement takes over the old
// file's permission bits and, where the process may set it, its owner.
class SaveTarget {
public:
    explicit SaveTarget(std::filesystem::path requested);

    // Why the links could not be followed (a loop, an unreadable link).
    std::error_code Error() const { return m_error; }
    // The path after every link was followed.
    const std::filesystem::path& File() const { return m_file; }
    bool Exists() const { return std::filesystem::exists(m_status); }
    bool IsRegular() const { return std::filesystem::is_regular_file(m_status); }

    // Gives replacement the old file's owner where permitted, then its
    // permission bits; the failure to set the permission bits.
    std::error_code GiveAttributesTo(const std::filesystem::path& replacement) const;

private:
    void FollowLinks();

    std::filesystem::path m_file;
    std::filesystem::file_status m_status;
    std::error_code m_error;
};
