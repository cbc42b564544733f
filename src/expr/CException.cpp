#include "CException.h"

#include <vector>

std::string CException::Message() const
{
    // Every message of the table with its longest argument fits in 1 KiB.
    std::vector<char> buffer(1024, '\0');
    if (!GetErrorMessage(buffer.data(), static_cast<unsigned>(buffer.size())))
        return {};
    return buffer.data();
}
