#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A byte buffer with the little-endian encodings of document files. A storing
// archive appends to its buffer; a loading archive reads its buffer from the
// start, and any read past the end, or any value the reader refuses, throws
// DocFileException::Damaged naming the archive's file.
class Archive {
public:
    // A storing archive with an empty buffer.
    Archive();
    // A loading archive over bytes read from the file at path.
    Archive(std::vector<std::uint8_t> bytes, std::string path);

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }
    const std::string& GetFilePath() const { return m_path; }
    const std::vector<std::uint8_t>& Bytes() const { return m_buffer; }
    // Bytes not yet read.
    size_t Remaining() const { return m_buffer.size() - m_position; }
    // Reading starts again at the first byte.
    void Rewind() { m_position = 0; }

    void WriteByte(std::uint8_t value);
    void WriteWord(std::uint16_t value);
    void WriteDword(std::uint32_t value);
    void WriteInt32(std::int32_t value);
    void WriteDouble(double value);
    void WriteBytes(std::span<const std::uint8_t> bytes);
    void WriteZeros(size_t count);
    // The string form: a one-byte length below 255, 0xFF and a WORD length
    // up to 65533, else 0xFF 0xFFFF and a DWORD length; then the characters.
    void WriteString(std::string_view text);

    std::uint8_t ReadByte();
    bool ReadFlag();
    std::uint16_t ReadWord();
    std::uint32_t ReadDword();
    std::int32_t ReadInt32();
    double ReadDouble();
    void ReadBytes(std::span<std::uint8_t> bytes);
    void Skip(size_t count);
    // Reads the string form above, and also the wide form (0xFF 0xFFFE, then
    // a length in the same forms counting two-byte characters), whose
    // characters are narrowed: those without a single-byte form become '?'.
    std::string ReadString();

    // Throws DocFileException::Damaged for this archive's file.
    [[noreturn]] void Fail() const;

private:
    std::uint64_t ReadUnsigned(size_t size);
    void WriteUnsigned(std::uint64_t value, size_t size);
    size_t ReadLength(bool allowWide, bool& wide);
    const std::uint8_t* Take(size_t count);

    std::vector<std::uint8_t> m_buffer;
    size_t m_position = 0;
    bool m_storing;
    std::string m_path;
};
