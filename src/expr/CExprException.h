#pragma once

#include "expr/CException.h"

#include <cstddef>

// An error of the expression engine: a code from 1000 to 1020 and an optional
// argument text. Thrown by value, so that every thread has its own copy.
class CExprException : public CException {
public:
    CExprException(int code, const char* arg);

    // The long message (string code + 1000) with the argument in place of
    // its "%s" when there is an argument, else the short one (string code).
    bool GetErrorMessage(char* buffer, unsigned maxChars,
                         unsigned* helpContext = nullptr) const override;

    int Code() const { return m_code; }
    const char* Argument() const { return m_argument; }

    // Where in the compiled text the error was found, as a byte offset; -1
    // when it is not known (errors thrown while evaluating). Extra data for
    // callers that mark the spot: the message never shows it.
    int Position() const { return m_position; }
    void SetPosition(int position) { m_position = position; }
    // Makes the position relative to an enclosing text in which the piece
    // that threw starts at offset. An error without a position is placed at
    // the piece's start.
    void AddOffset(size_t offset) { m_position = (m_position < 0 ? 0 : m_position) + static_cast<int>(offset); }

private:
    int m_code;
    char m_argument[256];  // cut to 255 characters
    int m_position = -1;
};

// The engine's error constructor: every error site throws its result.
CExprException ExprError(int code, const char* arg = nullptr);
