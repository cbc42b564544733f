#pragma once

// Asks the user whether a file of the previous version may be opened and
// converted (string 3140, caption "Warning", OK and Cancel). The window
// answers with its message box, curvix-cli from its --convert option.
class ConversionPrompt {
public:
    virtual ~ConversionPrompt() = default;
    // True for OK.
    virtual bool AskToConvert() = 0;
};
