#pragma once

#include "model/AppSettings.h"
#include "model/CCurvixDoc.h"
#include "model/ConversionPrompt.h"
#include "view/GraphComputation.h"
#include "model/MemorySettingsBackend.h"

#include <span>
#include <vector>

// A document read from a file for the commands that take one: the options
// "[--convert] FILE ..." and the reading with the program's own checks.
// The settings are the program's defaults; the user's store is not read.
// The conversion question is answered from --convert.
class CliDocument : private ConversionPrompt {
public:
    CliDocument();

    // Takes "--convert" and the operands; false for an unknown option or a
    // number of operands other than operandCount.
    bool ParseArgs(std::span<char* const> args, size_t operandCount);
    const std::vector<const char*>& Operands() const { return m_operands; }

    // Reads the first operand. On a refusal prints the message the program
    // would show (or the conversion question when --convert is missing) on
    // stderr and returns exit status 3; 0 on success.
    int Open();
    // 2, or 1 for a converted previous-version file.
    int Version() const { return m_converted ? 1 : 2; }
    CCurvixDoc& Document() { return m_doc; }
    // The computation that samples the document's graphs.
    GraphComputation& Computation() { return m_computation; }

private:
    // Declining prints the question, as the user would have seen it.
    bool AskToConvert() override;

    MemorySettingsBackend m_backend;
    AppSettings m_settings;
    CCurvixDoc m_doc;
    GraphComputation m_computation;
    std::vector<const char*> m_operands;
    bool m_convert = false;
    bool m_converted = false;
};
