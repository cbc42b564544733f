#include "cli/CliDocument.h"

#include "model/DocFileException.h"
#include "cli/CliOutput.h"
#include "StringTable.h"

#include <cstdio>
#include <cstring>

CliDocument::CliDocument() : settings(backend), doc(settings), computation(settings.defaultCoordSystem)
{
    doc.SetConversionPrompt(this);
}

bool CliDocument::ParseArgs(std::span<char* const> args, size_t operandCount)
{
    for (const char* arg : args) {
        if (std::strcmp(arg, "--convert") == 0)
            convert = true;
        else if (std::strncmp(arg, "--", 2) == 0)
            return false;
        else
            operands.push_back(arg);
    }
    return operands.size() == operandCount;
}

int CliDocument::Open()
{
    try {
        doc.OnOpenDocument(operands.front());
    } catch (const DocFileException& error) {
        if (!error.Text().empty())
            std::fprintf(stderr, "%s\n", CliOutput::OneLine(error.Text()).c_str());
        return 3;
    }
    return 0;
}

bool CliDocument::AskToConvert()
{
    if (!convert)
        std::fprintf(stderr, "%s\n", CliOutput::OneLine(LoadAppString(StringId::ConvertQuestion)).c_str());
    converted = convert;
    return convert;
}
