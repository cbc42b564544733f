#include "cli/JsonWriter.h"

#include "cli/CliOutput.h"

#include <cstdio>

void JsonWriter::BeforeValue()
{
    if (afterKey) {
        afterKey = false;
        return;
    }
    if (!hasValue.empty()) {
        if (hasValue.back())
            text += ',';
        hasValue.back() = true;
    }
}

void JsonWriter::Open(char bracket)
{
    BeforeValue();
    text += bracket;
    hasValue.push_back(false);
}

void JsonWriter::Close(char bracket)
{
    text += bracket;
    hasValue.pop_back();
}

void JsonWriter::BeginObject() { Open('{'); }
void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::BeginArray() { Open('['); }
void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::Key(std::string_view name)
{
    BeforeValue();
    AppendString(name);
    text += ':';
    afterKey = true;
}

void JsonWriter::String(std::string_view value)
{
    BeforeValue();
    AppendString(value);
}

void JsonWriter::Flag(bool flag)
{
    BeforeValue();
    text += flag ? "true" : "false";
}

void JsonWriter::Integer(std::int64_t number)
{
    BeforeValue();
    text += std::to_string(number);
}

void JsonWriter::Number(double number)
{
    BeforeValue();
    text += CliOutput::Number(number);
}

void JsonWriter::AppendString(std::string_view value)
{
    text += '"';
    for (char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text += '\\';
            text += c;
        } else if (byte < 0x20 || byte >= 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            text += escape;
        } else {
            text += c;
        }
    }
    text += '"';
}
