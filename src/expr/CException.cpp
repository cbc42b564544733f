#include "expr/CException.h"

#include <vector>

std::string CException::Message() const
{
    // GetErrorMessage refuses a buffer that is too small: grow until the
    // message fits (or is known not to exist).
    for (unsigned size = 1024; size <= 1u << 20; size *= 8) {
        std::vector<char> buffer(size, '\0');
        if (GetErrorMessage(buffer.data(), size))
            return buffer.data();
    }
    return {};
}
