#pragma once

#include "expr/CException.h"

#include <string>

// A document file that could not be read or written. The caller shows the
// message with the caption "Error" (string 102), except when the user
// declined the load: then there is no message and nothing more is shown.
class DocFileException : public CException {
public:
    enum class Cause {
        UserCancelled,   // the user declined; no message
        Damaged,         // string 3165 with the file's path
        UnknownVersion,  // string 3141 with the file's path
        SystemError,     // a failed read or write, naming the file and the reason
    };

    DocFileException(Cause cause, std::string message);

    static DocFileException UserCancelled();
    static DocFileException Damaged(const std::string& path);
    static DocFileException UnknownVersion(const std::string& path);
    // The memory ran out while the file was read or its document built.
    static DocFileException OutOfMemory(const std::string& path);

    Cause GetCause() const { return m_cause; }
    // The whole message; empty when the user cancelled.
    const std::string& Text() const { return m_message; }

    bool GetErrorMessage(char* buffer, unsigned maxChars,
                         unsigned* helpContext = nullptr) const override;

private:
    Cause m_cause;
    std::string m_message;
};
