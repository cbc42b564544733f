#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Builds compact JSON text. Objects and arrays nest; commas are placed
// automatically. Strings are taken as single-byte text: bytes above 127 are
// written as the code points of the same value.
class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The key of the next value inside an object.
    void Key(std::string_view name);

    void String(std::string_view value);
    void Flag(bool flag);
    void Integer(std::int64_t number);
    // A double as CliOutput::Number writes it.
    void Number(double number);

    const std::string& Text() const { return m_text; }

private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);
    void AppendString(std::string_view value);

    std::string m_text;
    // For each open object or array: whether it holds a value yet.
    std::vector<bool> m_hasValue;
    bool m_afterKey = false;
};
