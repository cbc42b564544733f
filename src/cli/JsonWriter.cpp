#include "cli/JsonWriter.h"

#include "cli/CliOutput.h"

#include <cstdio>

void JsonWriter::BeforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasValue.empty()) {
        if (m_hasValue.back())
            m_text += ',';
        m_hasValue.back() = true;
    }
}

void JsonWriter::Open(char bracket)
{
    BeforeValue();
    m_text += bracket;
    m_hasValue.push_back(false);
}

void JsonWriter::Close(char bracket)
{
    m_text += bracket;
    m_hasValue.pop_back();
}

void JsonWriter::BeginObject() { Open('{'); }
void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::BeginArray() { Open('['); }
void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::Key(std::string_view name)
{
    BeforeValue();
    AppendString(name);
    m_text += ':';
    m_afterKey = true;
}

void JsonWriter::String(std::string_view value)
{
    BeforeValue();
    AppendString(value);
}

void JsonWriter::Flag(bool flag)
{
    BeforeValue();
    m_text += flag ? "true" : "false";
}

void JsonWriter::Integer(std::int64_t number)
{
    BeforeValue();
    m_text += std::to_string(number);
}

void JsonWriter::Number(double number)
{
    BeforeValue();
    m_text += CliOutput::Number(number);
}

void JsonWriter::AppendString(std::string_view value)
{
    m_text += '"';
    for (char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            m_text += '\\';
            m_text += c;
        } else if (byte < 0x20 || byte >= 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            m_text += escape;
        } else {
            m_text += c;
        }
    }
    m_text += '"';
}
