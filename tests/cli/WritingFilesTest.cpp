// How convert and render write their output: whole or not at all, through
// symbolic links, keeping the old file's mode and owner, never over a
// device or a folder, and in place where the folder takes no new file.

#include "CliRunner.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;
const bool kSuperuser = ::geteuid() == 0;

class WritingFiles : public CliRunner {
protected:
    WritingFiles()
    {
        // One graph to draw, and hidden ones that make the file over 1 KB.
        CCurvixDoc doc(m_settings);
        doc.AddGraph(GraphItem())->expression = "x^2";
        for (int i = 0; i < 40; ++i) {
            GraphItem* hidden = doc.AddGraph(GraphItem());
            hidden->expression = "x+" + std::to_string(i), hidden->hidden = true;
        }
        m_source = Write("source.cvx", doc);
        // Without a runtime folder of its own Qt warns on stderr.
        fs::create_directory(m_folder / "runtime");
        fs::permissions(m_folder / "runtime", fs::perms::owner_all);
    }

    // convert or render writing target; before is shell text put in front.
    CliResult RunCommand(bool render, const fs::path& target, const std::string& before = "") const
    {
        const std::string command = render ? "render " + m_source + " -o " + target.string()
                                           : "convert " + m_source + " " + target.string();
        return Run(command, before + "env XDG_RUNTIME_DIR=" + (m_folder / "runtime").string() + " ");
    }
    // The document's own bytes, or a PNG picture.
    bool HoldsOutput(bool render, const fs::path& path) const
    {
        const std::string bytes = Read(path.string());
        return render ? bytes.rfind("\x89PNG", 0) == 0 : bytes == Read(m_source);
    }
    // Temporary files left anywhere below the test's folder.
    int LeftOvers() const
    {
        int count = 0;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(m_folder))
            count += entry.path().filename().string().find(".tmp") != std::string::npos;
        return count;
    }
    static void WriteText(const fs::path& path, const std::string& text, unsigned mode)
    {
        FileBytes::WriteReplacing(path, std::vector<std::uint8_t>(text.begin(), text.end()));
        fs::permissions(path, fs::perms(mode));
    }

    std::string m_source;
};

// A regular file, or the file a link leads to, gets the output with its old
// permission bits (and owner, for the superuser); a new file the umask's mode.
TEST_F(WritingFiles, ReplacesTheFileALinkLeadsToAndKeepsModeAndOwner)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const struct {
        const char* name;
        const char* link;     // what name links to, if anything
        unsigned mode;        // of an old file; 0 for none
        const char* written;  // where the output lands
    } rows[] = {
        {"new.cvx", nullptr, 0, "new.cvx"},
        {"private.cvx", nullptr, 0600, "private.cvx"},
        {"link.cvx", "real/doc.cvx", 0640, "real/doc.cvx"},
        {"dangling.cvx", "real/new.cvx", 0, "real/new.cvx"},
    };
    for (bool render : {false, true}) {
        for (const auto& row : rows) {
            const fs::path dir = m_folder / (std::string(render ? "render-" : "convert-") + row.name);
            SCOPED_TRACE(dir.string());
            fs::create_directories(dir / "real");
            if (row.link)
                fs::create_symlink(row.link, dir / row.name);
            if (row.mode)
                WriteText(dir / row.written, "old", row.mode);
            if (row.mode && kSuperuser) {
                ASSERT_EQ(::chown((dir / row.written).c_str(), kNobody, kNobody), 0);
            }
            const CliResult result = RunCommand(render, dir / row.name);
            EXPECT_EQ(result.status, 0);
            EXPECT_EQ(result.err, "");
            EXPECT_EQ(fs::is_symlink(dir / row.name), row.link != nullptr);
            EXPECT_TRUE(HoldsOutput(render, dir / row.written));
            struct stat info {};
            ASSERT_EQ(::stat((dir / row.written).c_str(), &info), 0);
            EXPECT_EQ(info.st_mode & 07777, row.mode ? row.mode : 0666 & ~mask);
            EXPECT_EQ(info.st_uid, row.mode && kSuperuser ? kNobody : ::geteuid());
        }
    }
    EXPECT_EQ(LeftOvers(), 0);
}

// A pipe, a device or a folder is never replaced by a plain file; the
// message names the path and the reason.
TEST_F(WritingFiles, RefusesTargetsThatAreNoRegularFiles)
{
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0644), 0);
    fs::create_directory(Path("folder"));
    const struct {
        const char* name;
        fs::file_type kind;  // what stays at the path
        const char* reason;
    } rows[] = {
        {"pipe", fs::file_type::fifo, "It is not a regular file."},
        {"folder", fs::file_type::directory, "It is not a regular file."},
        {"missing/out", fs::file_type::not_found, "No such file or directory"},
    };
    for (bool render : {false, true}) {
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(render ? "render " : "convert ") + row.name);
            // A writer that waited for a reader of the pipe would be stopped here.
            const CliResult result = RunCommand(render, Path(row.name), "timeout 20 ");
            EXPECT_EQ(result.status, 3);
            EXPECT_EQ(result.err, "Error saving file '" + Path(row.name) + "'.\\n" + row.reason + "\n");
            EXPECT_EQ(fs::symlink_status(Path(row.name)).type(), row.kind);
        }
    }
    EXPECT_TRUE(fs::is_empty(Path("folder")));
    EXPECT_EQ(LeftOvers(), 0);
}

// A write that fails half-way (here at the file size limit, as on a full
// disk) leaves the previous file as it was.
TEST_F(WritingFiles, FailedWriteLeavesThePreviousFile)
{
    for (bool render : {false, true}) {
        const std::string target = Path(render ? "previous.png" : "previous.cvx");
        WriteText(target, "previous", 0644);
        const CliResult result = RunCommand(render, target, "trap '' XFSZ; ulimit -f 1; ");
        EXPECT_EQ(result.status, 3);
        EXPECT_EQ(result.err, "Error saving file '" + target + "'.\\nFile too large\n");
        EXPECT_EQ(Read(target), "previous");
    }
    EXPECT_EQ(LeftOvers(), 0);
}

// In a folder that takes no new file, a writable file is written over in
// place; a file that is not writable either is reported with its path.
// The superuser ignores permission bits, so it runs the command as nobody.
TEST_F(WritingFiles, WritesInPlaceWhenTheFolderTakesNoNewFile)
{
    const std::string asUser = kSuperuser ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    // Where nobody cannot even load the program (a root folder only its
    // owner may enter, as in some build roots), there is nothing to check.
    if (kSuperuser && WEXITSTATUS(std::system((asUser + CURVIX_CLI " >/dev/null 2>&1").c_str())) != 1)
        GTEST_SKIP() << "an unprivileged user cannot run the program here";
    const fs::path locked = m_folder / "locked";
    fs::create_directory(locked);
    WriteText(locked / "open.cvx", std::string(5000, 'z'), 0666);
    WriteText(locked / "closed.cvx", "closed", 0444);
    fs::permissions(locked, fs::perms(0555));
    const CliResult open = RunCommand(false, locked / "open.cvx", asUser);
    const CliResult closed = RunCommand(false, locked / "closed.cvx", asUser);
    fs::permissions(locked, fs::perms(0755));

    EXPECT_EQ(open.status, 0);
    EXPECT_EQ(open.err, "");
    EXPECT_TRUE(HoldsOutput(false, locked / "open.cvx"));
    EXPECT_EQ(closed.status, 3);
    EXPECT_EQ(closed.err, "Error saving file '" + (locked / "closed.cvx").string() + "'.\\nPermission denied\n");
    EXPECT_EQ(Read((locked / "closed.cvx").string()), "closed");
    EXPECT_EQ(LeftOvers(), 0);
}

}  // namespace
