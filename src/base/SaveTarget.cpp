#include "base/SaveTarget.h"

#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <utility>

namespace fs = std::filesystem;

namespace {

// As many links as the system itself follows before it gives up.
constexpr int kMostLinks = 40;

// Only a process with the right to give files away can keep another user's
// file theirs; for everyone else the replacement is their own. False when
// the owner could not be given.
bool CopyOwner(const fs::path& from, const fs::path& to)
{
#if defined(__unix__) || defined(__APPLE__)
    struct stat info {};
    return ::stat(from.c_str(), &info) == 0 && ::chown(to.c_str(), info.st_uid, info.st_gid) == 0;
#else
    (void)from;
    (void)to;
    return false;
#endif
}

}  // namespace

SaveTarget::SaveTarget(fs::path requested) : m_file(std::move(requested))
{
    FollowLinks();
}

void SaveTarget::FollowLinks()
{
    for (int links = 0; links <= kMostLinks; ++links) {
        m_status = fs::symlink_status(m_file, m_error);
        if (m_status.type() == fs::file_type::not_found) {
            // A new file, or the missing file a link leads to.
            m_error.clear();
            return;
        }
        if (m_error || !fs::is_symlink(m_status))
            return;
        const fs::path link = fs::read_symlink(m_file, m_error);
        if (m_error)
            return;
        m_file = link.is_absolute() ? link : m_file.parent_path() / link;
    }
    m_error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

std::error_code SaveTarget::GiveAttributesTo(const fs::path& replacement) const
{
    CopyOwner(m_file, replacement);
    std::error_code failure;
    fs::permissions(replacement, m_status.permissions(), fs::perm_options::replace, failure);
    return failure;
}
