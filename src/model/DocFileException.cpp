#include "model/DocFileException.h"

#include "model/AppStringFormat.h"
#include "model/FileMessages.h"

#include <cstring>
#include <utility>

DocFileException::DocFileException(Cause reason, std::string text)
    : m_cause(reason), m_message(std::move(text))
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
    if (m_message.empty() || m_message.size() >= maxChars)
        return false;
    std::memcpy(buffer, m_message.c_str(), m_message.size() + 1);
    if (helpContext)
        *helpContext = 0;
    return true;
}
