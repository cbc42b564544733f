#include "cli/CliDocument.h"

#include "model/DocFileException.h"
#include "cli/CliOutput.h"
#include "StringTable.h"

#include <cstdio>
#include <cstring>

CliDocument::CliDocument() : m_settings(m_backend), m_doc(m_settings), m_computation(m_settings.defaultCoordSystem)
{
    m_doc.SetConversionPrompt(this);
}

bool CliDocument::ParseArgs(std::span<char* const> args, size_t operandCount)
{
    for (const char* arg : args) {
        if (std::strcmp(arg, "--convert") == 0)
            m_convert = true;
        else if (std::strncmp(arg, "--", 2) == 0)
            return false;
        else
            m_operands.push_back(arg);
    }
    return m_operands.size() == operandCount;
}

int CliDocument::Open()
{
    try {
        m_doc.OnOpenDocument(m_operands.front());
    } catch (const DocFileException& error) {
        if (!error.Text().empty())
            std::fprintf(stderr, "%s\n", CliOutput::OneLine(error.Text()).c_str());
        return 3;
    }
    return 0;
}

bool CliDocument::AskToConvert()
{
    if (!m_convert)
        std::fprintf(stderr, "%s\n", CliOutput::OneLine(LoadAppString(StringId::ConvertQuestion)).c_str());
    m_converted = m_convert;
    return m_convert;
}
