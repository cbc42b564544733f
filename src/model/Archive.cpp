#include "model/Archive.h"

#include "model/DocFileException.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace {

constexpr std::uint8_t kLongLength = 0xFF;
constexpr std::uint16_t kWideMark = 0xFFFE;
constexpr std::uint16_t kDwordLength = 0xFFFF;

// A wide character as a single byte: ASCII and the Latin-1 letters keep
// their value, everything else becomes '?'.
char Narrow(std::uint16_t wide)
{
    if (wide < 0x80 || (wide >= 0xA0 && wide <= 0xFF))
        return static_cast<char>(wide);
    return '?';
}

}  // namespace

Archive::Archive() : m_storing(true)
{
}

Archive::Archive(std::vector<std::uint8_t> bytes, std::string sourcePath)
    : m_buffer(std::move(bytes)), m_storing(false), m_path(std::move(sourcePath))
{
}

void Archive::WriteUnsigned(std::uint64_t value, size_t size)
{
    for (size_t i = 0; i < size; ++i)
        m_buffer.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void Archive::WriteByte(std::uint8_t value) { WriteUnsigned(value, 1); }
void Archive::WriteWord(std::uint16_t value) { WriteUnsigned(value, 2); }
void Archive::WriteDword(std::uint32_t value) { WriteUnsigned(value, 4); }
void Archive::WriteInt32(std::int32_t value) { WriteDword(static_cast<std::uint32_t>(value)); }
void Archive::WriteDouble(double value) { WriteUnsigned(std::bit_cast<std::uint64_t>(value), 8); }

void Archive::WriteBytes(std::span<const std::uint8_t> bytes)
{
    m_buffer.insert(m_buffer.end(), bytes.begin(), bytes.end());
}

void Archive::WriteZeros(size_t count)
{
    m_buffer.insert(m_buffer.end(), count, 0);
}

void Archive::WriteString(std::string_view text)
{
    const size_t length = text.size();
    if (length < kLongLength) {
        WriteByte(static_cast<std::uint8_t>(length));
    } else {
        WriteByte(kLongLength);
        if (length < kWideMark) {
            WriteWord(static_cast<std::uint16_t>(length));
        } else {
            WriteWord(kDwordLength);
            WriteDword(static_cast<std::uint32_t>(length));
        }
    }
    WriteBytes({reinterpret_cast<const std::uint8_t*>(text.data()), length});
}

const std::uint8_t* Archive::Take(size_t count)
{
    if (count > Remaining())
        Fail();
    const std::uint8_t* bytes = m_buffer.data() + m_position;
    m_position += count;
    return bytes;
}

std::uint64_t Archive::ReadUnsigned(size_t size)
{
    const std::uint8_t* bytes = Take(size);
    std::uint64_t value = 0;
    for (size_t i = 0; i < size; ++i)
        value |= std::uint64_t{bytes[i]} << (8 * i);
    return value;
}

std::uint8_t Archive::ReadByte() { return static_cast<std::uint8_t>(ReadUnsigned(1)); }
bool Archive::ReadFlag() { return ReadByte() != 0; }
std::uint16_t Archive::ReadWord() { return static_cast<std::uint16_t>(ReadUnsigned(2)); }
std::uint32_t Archive::ReadDword() { return static_cast<std::uint32_t>(ReadUnsigned(4)); }
std::int32_t Archive::ReadInt32() { return static_cast<std::int32_t>(ReadDword()); }
double Archive::ReadDouble() { return std::bit_cast<double>(ReadUnsigned(8)); }

void Archive::ReadBytes(std::span<std::uint8_t> bytes)
{
    const std::uint8_t* source = Take(bytes.size());
    std::copy(source, source + bytes.size(), bytes.begin());
}

void Archive::Skip(size_t count)
{
    Take(count);
}

size_t Archive::ReadLength(bool allowWide, bool& wide)
{
    const std::uint8_t byteLength = ReadByte();
    if (byteLength < kLongLength)
        return byteLength;
    const std::uint16_t wordLength = ReadWord();
    if (wordLength == kWideMark) {
        if (!allowWide)
            Fail();
        wide = true;
        return ReadLength(false, wide);
    }
    if (wordLength < kDwordLength)
        return wordLength;
    return ReadDword();
}

std::string Archive::ReadString()
{
    bool wide = false;
    const size_t length = ReadLength(true, wide);
    // The length is checked against what is left before anything is
    // allocated, so a damaged length cannot ask for gigabytes.
    if (length > Remaining() / (wide ? 2 : 1))
        Fail();
    std::string text(length, '\0');
    for (char& c : text)
        c = wide ? Narrow(ReadWord()) : static_cast<char>(ReadByte());
    return text;
}

void Archive::Fail() const
{
    throw DocFileException::Damaged(m_path);
}
