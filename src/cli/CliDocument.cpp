#include "CliDocument.h"

#include "CDocFileException.h"
#include "CliOutput.h"
#include "ConversionPrompt.h"
#include "StringTable.h"

#include <cstdio>
#include <cstring>

// Answers the conversion question from --convert; declining prints the
// question, as the user would have seen it.
class CliDocument::Prompt : public ConversionPrompt {
public:
    Prompt(bool convert, bool& converted) : convert(convert), converted(converted) {}

    bool AskToConvert() override
    {
        if (!convert)
            std::fprintf(stderr, "%s\n", CliOutput::OneLine(LoadAppString(3140)).c_str());
        converted = convert;
        return convert;
    }

private:
    bool convert;
    bool& converted;
};

CliDocument::CliDocument() : settings(backend), doc(settings)
{
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
    Prompt prompt(convert, converted);
    doc.SetConversionPrompt(&prompt);
    try {
        doc.OnOpenDocument(operands.front());
    } catch (const CDocFileException& error) {
        if (!error.Text().empty())
            std::fprintf(stderr, "%s\n", CliOutput::OneLine(error.Text()).c_str());
        doc.SetConversionPrompt(nullptr);
        return 3;
    }
    doc.SetConversionPrompt(nullptr);
    return 0;
}
