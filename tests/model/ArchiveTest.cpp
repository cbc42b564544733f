#include "ModelTest.h"

namespace {

Archive Loading(Bytes bytes)
{
    return Archive(std::move(bytes), "/docs/a.cvx");
}

TEST(Archive, PrimitivesAreLittleEndian)
{
    Archive archive;
    archive.WriteByte(0x01);
    archive.WriteWord(0x0302);
    archive.WriteDword(0x07060504);
    archive.WriteInt32(-2);
    archive.WriteDouble(1.0);
    const Bytes expected = {1, 2, 3, 4, 5, 6, 7, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
    EXPECT_EQ(archive.Bytes(), expected);

    Archive back = Loading(archive.Bytes());
    EXPECT_EQ(back.ReadByte(), 0x01);
    EXPECT_EQ(back.ReadWord(), 0x0302);
    EXPECT_EQ(back.ReadDword(), 0x07060504u);
    EXPECT_EQ(back.ReadInt32(), -2);
    EXPECT_EQ(back.ReadDouble(), 1.0);
    EXPECT_EQ(back.Remaining(), 0u);
}

TEST(Archive, StringLengthForms)
{
    const std::pair<size_t, Bytes> rows[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const auto& [length, prefix] : rows) {
        SCOPED_TRACE(length);
        const std::string text(length, 'x');
        Archive archive;
        archive.WriteString(text);
        const Bytes& bytes = archive.Bytes();
        ASSERT_EQ(bytes.size(), prefix.size() + length);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(prefix.size())), prefix);
        EXPECT_EQ(Loading(bytes).ReadString(), text);
    }
}

// The wide form is read narrowed, "?" for what Latin-1 lacks; damaged
// strings throw naming the file.
TEST(Archive, ReadsTheWideFormAndRefusesDamagedStrings)
{
    const std::pair<Bytes, std::optional<std::string>> rows[] = {
        {{0xFF, 0xFE, 0xFF, 0x02, 'h', 0, 'i', 0}, "hi"},
        {{0xFF, 0xFE, 0xFF, 0x03, 0xE9, 0x00, 0xAC, 0x20, 0x81, 0x00}, "\xE9??"},
        {{0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00, 'a', 0}, "a"},
        {{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0, 0, 0, 'b', 0}, "b"},
        {{0x05, 'a', 'b'}, std::nullopt},                                 // shorter than its length
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}, std::nullopt},  // 2 GB announced
        {{0xFF, 0xFE, 0xFF, 0x02, 'a', 0, 'b'}, std::nullopt},            // half a wide character
        {{0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0x01, 'a', 0}, std::nullopt},     // wide mark twice
        {{0xFF, 0x01}, std::nullopt},                                     // cut inside the length
    };
    for (const auto& [bytes, text] : rows) {
        SCOPED_TRACE(testing::Message() << bytes.size() << " bytes");
        Archive archive = Loading(bytes);
        try {
            EXPECT_EQ(archive.ReadString(), text.value_or("<damaged>"));
        } catch (const CDocFileException& error) {
            EXPECT_FALSE(text);
            EXPECT_EQ(error.GetCause(), Cause::Damaged);
            EXPECT_EQ(error.Text(), "Error opening file '/docs/a.cvx'.\n"
                                    "The file is damaged or is not a Curvix document.");
        }
    }
    Archive archive = Loading({1, 2, 3});
    EXPECT_THROW(archive.ReadDword(), CDocFileException);
}

}  // namespace
