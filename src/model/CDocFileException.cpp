#include "CDocFileException.h"

#include "AppStringFormat.h"
#include "FileMessages.h"

#include <cstring>
#include <utility>

CDocFileException::CDocFileException(Cause reason, std::string text)
    : cause(reason), message(std::move(text))
{
}

CDocFileException CDocFileException::UserCancelled()
{
    return CDocFileException(Cause::UserCancelled, {});
}

CDocFileException CDocFileException::Damaged(const std::string& path)
{
    return CDocFileException(Cause::Damaged, FormatAppString(StringId::DamagedFile, path));
}

CDocFileException CDocFileException::UnknownVersion(const std::string& path)
{
    return CDocFileException(Cause::UnknownVersion, FormatAppString(StringId::UnknownVersion, path));
}

CDocFileException CDocFileException::OutOfMemory(const std::string& path)
{
    return CDocFileException(Cause::SystemError, FileMessages::Opening(path, FileMessages::OutOfMemory()));
}

bool CDocFileException::GetErrorMessage(char* buffer, unsigned maxChars, unsigned* helpContext) const
{
    if (message.empty() || message.size() >= maxChars)
        return false;
    std::memcpy(buffer, message.c_str(), message.size() + 1);
    if (helpContext)
        *helpContext = 0;
    return true;
}
