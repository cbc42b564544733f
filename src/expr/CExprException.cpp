#include "expr/CExprException.h"

#include "expr/ExprConstants.h"
#include "StringTable.h"

#include <cstdio>
#include <cstring>

CExprException::CExprException(int code, const char* arg)
    : m_code(code)
{
    std::snprintf(m_argument, sizeof m_argument, "%.255s", arg ? arg : "");
}

bool CExprException::GetErrorMessage(char* buffer, unsigned maxChars,
                                     unsigned* helpContext) const
{
    const bool hasArg = m_argument[0] != '\0';
    const char* loaded = LoadAppStringNumber(static_cast<unsigned>(m_code + (hasArg ? 1000 : 0)));
    if (!loaded)
        return false;
    char text[MAX_EXPR_TEXT + 1];
    std::snprintf(text, sizeof text, "%.255s", loaded);

    if (std::strlen(m_argument) + std::strlen(text) + 6 > maxChars)
        return false;
    if (helpContext)
        *helpContext = 0;
    // The argument takes the place of the text's "%s"; the text itself is
    // never used as a format.
    const char* slot = hasArg ? std::strstr(text, "%s") : nullptr;
    if (slot) {
        std::snprintf(buffer, maxChars, "%.*s%s%s", static_cast<int>(slot - text), text,
                      m_argument, slot + 2);
    } else {
        std::snprintf(buffer, maxChars, "%s", text);
    }
    return true;
}

CExprException ExprError(int code, const char* arg)
{
    return CExprException(code, arg);
}
