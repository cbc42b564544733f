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

SaveTarget::SaveTarget(fs::path requested) : file(std::move(requested))
{
    FollowLinks();
}

void SaveTarget::FollowLinks()
{
    for (int links = 0; links <= kMostLinks; ++links) {
        status = fs::symlink_status(file, error);
        if (status.type() == fs::file_type::not_found) {
            // A new file, or the missing file a link leads to.
            error.clear();
            return;
        }
        if (error || !fs::is_symlink(status))
            return;
        const fs::path link = fs::read_symlink(file, error);
        if (error)
            return;
        file = link.is_absolute() ? link : file.parent_path() / link;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

std::error_code SaveTarget::GiveAttributesTo(const fs::path& replacement) const
{
    CopyOwner(file, replacement);
    std::error_code failure;
    fs::permissions(replacement, status.permissions(), fs::perm_options::replace, failure);
    return failure;
}
