#include "cli/ConvertCommand.h"

#include "model/DocFileException.h"
#include "cli/CliDocument.h"
#include "cli/CliOutput.h"

#include <cstdio>

namespace {

constexpr const char* kUsage = "curvix-cli convert [--convert] FILE OUT";

}  // namespace

int RunConvertCommand(std::span<char* const> args)
{
    CliDocument file;
    if (!file.ParseArgs(args, 2))
        return CliOutput::UsageError(kUsage);
    if (int status = file.Open())
        return status;
    try {
        file.Document().OnSaveDocument(file.Operands()[1]);
    } catch (const DocFileException& error) {
        std::fprintf(stderr, "%s\n", CliOutput::OneLine(error.Text()).c_str());
        return 3;
    }
    return 0;
}
