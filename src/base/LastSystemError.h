#pragma once

#include <cerrno>
#include <system_error>

// The error the last failed C library call left in errno, or a general
// input/output error when it left none.
inline std::error_code LastSystemError()
{
    return {errno ? errno : EIO, std::generic_category()};
}
