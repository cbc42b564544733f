// What the commands that read a document say about files that are no
// document: devices, pipes, folders, huge files, pictures and noise.

#include "CliRunner.h"
#include "PreviousVersionFile.h"

#include <sys/stat.h>

#include <random>

namespace {

using ReadingFiles = CliRunner;

const char* const kNotRegular = "It is not a regular file.";
const char* const kTooLarge = "The file is larger than 64 MB; no Curvix document is that large.";
const char* const kDamaged = "The file is damaged or is not a Curvix document.";

// A picture: the smallest complete PNG file.
const std::vector<std::uint8_t> kPicture = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00,
    0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0x1F, 0x15, 0xC4, 0x89, 0x00,
    0x00, 0x00, 0x0D, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0x00, 0x01, 0x00, 0x00, 0x05, 0x00, 0x01,
    0x0D, 0x0A, 0x2D, 0xB4, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

std::vector<std::uint8_t> Noise()
{
    std::mt19937 random(14);
    std::vector<std::uint8_t> bytes(500);
    for (std::uint8_t& byte : bytes)
        byte = static_cast<std::uint8_t>(random());
    return bytes;
}

// Each file is refused at once with its path and the reason; only a file
// that reads completely as a previous-version document brings the question.
TEST_F(ReadingFiles, RefusesWhatIsNoDocument)
{
    ASSERT_EQ(::mkfifo(Path("pipe.cvx").c_str(), 0644), 0);
    std::filesystem::create_directory(Path("folder.cvx"));
    Write("huge.cvx", std::vector<std::uint8_t>(10, 0));
    std::filesystem::resize_file(Path("huge.cvx"), (std::uintmax_t{64} << 20) + 1);  // sparse
    std::vector<std::uint8_t> cutOld = PreviousVersionFile().Bytes();
    cutOld.pop_back();
    std::vector<std::uint8_t> longOld = PreviousVersionFile().Bytes();
    longOld.push_back(0);
    const struct {
        std::string path;
        std::string reason;
    } rows[] = {
        {Path("pipe.cvx"), kNotRegular},
        {Path("folder.cvx"), kNotRegular},
        {Path("huge.cvx"), kTooLarge},
        {Write("picture.png", kPicture), kDamaged},
        {Write("noise.cvx", Noise()), kDamaged},
        {Write("cut-old.cvx", cutOld), kDamaged},
        {Write("long-old.cvx", longOld), kDamaged},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path);
        // A reader that waited for the pipe would be stopped here.
        const CliResult result = Run("info " + row.path, "timeout 20 ");
        EXPECT_EQ(result.status, 3);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "Error opening file '" + row.path + "'.\\n" + row.reason + "\n");
    }
}

}  // namespace
