#include "model/DocFileException.h"

#include "model/AppStringFormat.h"
#include "model/FileMessages.h"

#include <cstring>
#include <utility>

DocFileException::DocFileException(Cause reason, std::string text)
    : cause(reason), message(std::move(text))
{
}

DocFileException DocFileException::UserCancelled()
{
    return DocFileException(Cause::UserCancelled, {});
}

DocFileException DocFileException::Damaged(const std::string& path)
{
    return DocFileException(Cause::Damaged, FormatAppString(StringId::DamagedFile, path));
}

DocFileException DocFileException::UnknownVersion(const std::string& path)
{
    return DocFileException(Cause::UnknownVersion, FormatAppString(StringId::UnknownVersion, path));
}

DocFileException DocFileException::OutOfMemory(const std::string& path)
{
    return DocFileException(Cause::SystemError, FileMessages::Opening(path, FileMessages::OutOfMemory()));
}

bool DocFileException::GetErrorMessage(char* buffer, unsigned maxChars, unsigned* helpContext) const
{
    if (message.empty() || message.size() >= maxChars)
        return false;
    std::memcpy(buffer, message.c_str(), message.size() + 1);
    if (helpContext)
        *helpContext = 0;
    return true;
}
