#include "model/CCurvixDoc.h"

#include "model/AppSettings.h"
#include "model/Archive.h"
#include "model/DocFileException.h"
#include "model/DocView.h"
#include "model/DocumentFormat.h"
#include "model/FileBytes.h"

#include <algorithm>
#include <iterator>
#include <new>
#include <utility>

CCurvixDoc::CCurvixDoc(const AppSettings& appSettings)
    : coordSystem(appSettings.defaultCoordSystem),
      settings(appSettings)
{
}

GraphItem* CCurvixDoc::AddGraph(const GraphItem& item)
{
    try {
        GraphItem* added = &graphs.emplace_back(item);
        Changed();
        return added;
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
    Changed();
    return true;
}

void CCurvixDoc::RemoveAllGraphs()
{
    graphs.clear();
    cursor = graphs.end();
    Changed();
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

bool CCurvixDoc::CanShowAnotherGraph() const
{
    const auto visible = std::count_if(graphs.begin(), graphs.end(),
                                       [](const GraphItem& graph) { return !graph.hidden; });
    return visible < MAX_DISPLAYED_GRAPHS;
}

void CCurvixDoc::DeleteContents()
{
    RemoveAllGraphs();
    coordSystem = settings.defaultCoordSystem;
    zoomX = 100;
    zoomY = 100;
}

bool CCurvixDoc::OnNewDocument()
{
    DeleteContents();
    history.Clear();
    coordSystem = settings.defaultCoordSystem;
    SetModifiedFlag(false);
    return true;
}

void CCurvixDoc::OnOpenDocument(const std::string& path)
{
    try {
        CCurvixDoc read(settings);
        read.SetConversionPrompt(conversionPrompt);
        read.ReadFile(path);
        TakeContents(read);
        history.Clear();
    } catch (const std::bad_alloc&) {
        throw DocFileException::OutOfMemory(path);
    }
    SetModifiedFlag(false);
}

void CCurvixDoc::ReadFile(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    const std::string failure = FileBytes::Read(path, bytes);
    if (!failure.empty())
        throw DocFileException(DocFileException::Cause::SystemError, failure);
    Archive archive(std::move(bytes), path);
    Serialize(archive);
}

void CCurvixDoc::TakeContents(CCurvixDoc& source)
{
    DeleteContents();
    // Splicing moves the nodes, so the graphs keep their addresses.
    graphs.splice(graphs.end(), source.graphs);
    cursor = graphs.end();
    coordSystem = source.coordSystem;
    zoomX = source.zoomX;
    zoomY = source.zoomY;
    autoRefresh = source.autoRefresh;
}

void CCurvixDoc::OnSaveDocument(const std::string& path)
{
    Archive archive;
    Serialize(archive);
    const std::string failure = FileBytes::WriteReplacing(path, archive.Bytes());
    if (!failure.empty())
        throw DocFileException(DocFileException::Cause::SystemError, failure);
    SetModifiedFlag(false);
}

void CCurvixDoc::OnCloseDocument()
{
    DeleteContents();
}

void CCurvixDoc::AddView(DocView* view)
{
    views.push_back(view);
}

void CCurvixDoc::RemoveView(DocView* view)
{
    std::erase(views, view);
}

void CCurvixDoc::UpdateAllViews(DocView* sender, int hint)
{
    // A copy: a view may add or remove views while it updates.
    const std::vector<DocView*> current = views;
    for (DocView* view : current) {
        if (view != sender)
            view->OnUpdate(sender, hint);
    }
    Changed();
}

void CCurvixDoc::Changed() const
{
    if (m_changeListener)
        m_changeListener();
}

void CCurvixDoc::SetModifiedFlag(bool flag)
{
    modified = flag;
    savedState.reset();
    if (!flag)
        savedState = CaptureState();
    Changed();
}

DocumentState CCurvixDoc::CaptureState() const
{
    return {{graphs.begin(), graphs.end()}, coordSystem, autoRefresh};
}

void CCurvixDoc::RecordStep(StringId name, DocumentState before)
{
    modified = true;
    if (!before.SameAs(CaptureState())) {
        try {
            history.Record(name, std::move(before));
        } catch (const std::bad_alloc&) {
            // A history that cannot grow loses its steps rather than the change.
            history.Clear();
        }
    }
    Changed();
}

bool CCurvixDoc::Undo()
{
    return Restore(history.Undo(CaptureState()));
}

bool CCurvixDoc::Redo()
{
    return Restore(history.Redo(CaptureState()));
}

bool CCurvixDoc::Restore(std::optional<DocumentState> state)
{
    if (!state)
        return false;
    graphs.assign(state->graphs.begin(), state->graphs.end());
    cursor = graphs.end();
    coordSystem = state->coordSystem;
    autoRefresh = state->autoRefresh;
    modified = !savedState || !savedState->SameAs(*state);
    Changed();
    return true;
}
