#pragma once

#include "CException.h"

// An error of the expression engine: a code from 1000 to 1020 and an optional
// argument text. Thrown by value, so that every thread has its own copy.
class CExprException : public CException {
public:
    CExprException(int code, const char* arg);

    // The long message (string code + 1000) with the argument in place of
    // its "%s" when there is an argument, else the short one (string code).
    bool GetErrorMessage(char* buffer, unsigned maxChars,
                         unsigned* helpContext = nullptr) const override;

    int Code() const { return m_nCode; }
    const char* Argument() const { return m_szArg; }

private:
    int m_nCode;
    char m_szArg[256];  // cut to 255 characters
};

// The engine's error constructor: every error site throws its result.
CExprException ExprError(int code, const char* arg = nullptr);
