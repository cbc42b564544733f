#include "CCurvixDoc.h"

#include "AppSettings.h"
#include "Archive.h"
#include "CDocFileException.h"
#include "DocumentFormat.h"
#include "FileBytes.h"

#include <iterator>
#include <new>

CCurvixDoc::CCurvixDoc(const AppSettings& settings)
    : coordSystemInUse(settings.defaultCoordSystem),
      coordSystem(settings.defaultCoordSystem),
      settings(settings)
{
}

GraphItem* CCurvixDoc::AddGraph(const GraphItem& item)
{
    try {
        return &graphs.emplace_back(item);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

bool CCurvixDoc::RemoveGraph(int index)
{
    if (index < 0 || index >= GetGraphCount())
        return false;
    const auto node = std::next(graphs.begin(), index);
    if (cursor == node)
        cursor = graphs.end();
    graphs.erase(node);
    return true;
}

void CCurvixDoc::RemoveAllGraphs()
{
    graphs.clear();
    cursor = graphs.end();
}

GraphItem* CCurvixDoc::GetFirstGraph()
{
    cursor = graphs.begin();
    return cursor == graphs.end() ? nullptr : &*cursor;
}

GraphItem* CCurvixDoc::GetNextGraph()
{
    if (cursor == graphs.end() || ++cursor == graphs.end())
        return nullptr;
    return &*cursor;
}

void CCurvixDoc::Serialize(Archive& archive)
{
    if (archive.IsStoring())
        DocumentFormat::Write(*this, archive);
    else
        DocumentFormat::Read(*this, archive, conversionPrompt, settings.defaultCoordSystem);
}

void CCurvixDoc::DeleteContents()
{
    StopComputation();
    RemoveAllGraphs();
    coordSystem = settings.defaultCoordSystem;
    coordSystemInUse = coordSystem;
    zoomX = 100;
    zoomY = 100;
}

bool CCurvixDoc::OnNewDocument()
{
    DeleteContents();
    coordSystem = settings.defaultCoordSystem;
    SetModifiedFlag(false);
    return true;
}

void CCurvixDoc::OnOpenDocument(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    const std::string failure = FileBytes::Read(path, bytes);
    if (!failure.empty())
        throw CDocFileException(CDocFileException::Cause::SystemError, failure);
    const bool previousAutoRefresh = autoRefresh;
    DeleteContents();
    Archive archive(std::move(bytes), path);
    try {
        Serialize(archive);
    } catch (...) {
        // Nothing of a file that failed to load stays in the document.
        DeleteContents();
        autoRefresh = previousAutoRefresh;
        throw;
    }
    SetModifiedFlag(false);
}

void CCurvixDoc::OnSaveDocument(const std::string& path)
{
    Archive archive;
    Serialize(archive);
    const std::string failure = FileBytes::WriteReplacing(path, archive.Bytes());
    if (!failure.empty())
        throw CDocFileException(CDocFileException::Cause::SystemError, failure);
    SetModifiedFlag(false);
}

void CCurvixDoc::OnCloseDocument()
{
    StopComputation();
    DeleteContents();
}
