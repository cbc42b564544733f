#pragma once

#include <string>

// Base of the program's exceptions: an error that can describe itself with a
// message from the string table.
class CException {
public:
    virtual ~CException() = default;

    // Writes the message into buffer (maxChars including the terminator).
    // Returns false, leaving buffer unchanged, when the message is unknown or
    // does not fit. helpContext, when given, receives the help topic (0).
    virtual bool GetErrorMessage(char* buffer, unsigned maxChars,
                                 unsigned* helpContext = nullptr) const = 0;

    // The whole message as a string (empty when there is none).
    std::string Message() const;
};
