#include "ModelTest.h"

namespace {

// Lengths up to 254 take a byte, up to 65533 a word after 0xFF, longer ones
// a double word after 0xFF 0xFFFF. The wide form (0xFF 0xFFFE, then a
// length in the same forms) is read narrowed, "?" for what Latin-1 lacks;
// damaged strings throw naming the file.
TEST(Archive, StringForms)
{
    const std::pair<size_t, Bytes> forms[] = {
        {0, {0x00}}, {254, {0xFE}}, {255, {0xFF, 0xFF, 0x00}}, {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0}}};
    for (const auto& [length, prefix] : forms) {
        Archive archive;
        archive.WriteString(std::string(length, 'x'));
        const Bytes& bytes = archive.Bytes();
        ASSERT_EQ(bytes.size(), prefix.size() + length);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(prefix.size())), prefix) << length;
        EXPECT_EQ(Archive(bytes, "a").ReadString(), std::string(length, 'x'));
    }
    const std::pair<Bytes, const char*> rows[] = {
        {{0xFF, 0xFD, 0xFF}, nullptr},  // 65533 announced, nothing follows
        {{0xFF, 0xFE, 0xFF, 0x02, 'h', 0, 'i', 0}, "hi"},
        {{0xFF, 0xFE, 0xFF, 0x03, 0xE9, 0x00, 0xAC, 0x20, 0x81, 0x00}, "\xE9??"},
        {{0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00, 'a', 0}, "a"},
        {{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0, 0, 0, 'b', 0}, "b"},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}, nullptr},  // 2 GB announced
        {{0xFF, 0xFE, 0xFF, 0x02, 'a', 0, 'b'}, nullptr},            // half a wide character
        {{0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0x01, 'a', 0}, nullptr},     // wide mark twice
        {{0xFF, 0x01}, nullptr},                                     // cut inside the length
        {{}, nullptr},
    };
    for (const auto& [bytes, text] : rows) {
        Archive archive(bytes, "/docs/a.cvx");
        try {
            EXPECT_EQ(archive.ReadString(), text ? text : "<damaged>") << bytes.size() << " bytes";
        } catch (const DocFileException& error) {
            EXPECT_FALSE(text) << bytes.size() << " bytes";
            EXPECT_EQ(error.GetCause(), Cause::Damaged);
            EXPECT_EQ(error.Text(),
                      "Error opening file '/docs/a.cvx'.\nThe file is damaged or is not a Curvix document.");
        }
    }
}

}  // namespace
