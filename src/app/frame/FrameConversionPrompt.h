#pragma once

#include "model/ConversionPrompt.h"

// Asks with the program's message box whether a previous-version file may
// be converted.
class FrameConversionPrompt : public ConversionPrompt {
public:
    bool AskToConvert() override;
};
