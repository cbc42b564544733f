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
      m_settings(appSettings)
{
}

GraphItem* CCurvixDoc::AddGraph(const GraphItem& item)
{
    try {
        GraphItem* added = &m_graphs.emplace_back(item);
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
    const auto node = std::next(m_graphs.begin(), index);
    if (m_cursor == node)
        m_cursor = m_graphs.end();
    m_graphs.erase(node);
    Changed();
    return true;
}

void CCurvixDoc::RemoveAllGraphs()
{
    m_graphs.clear();
    m_cursor = m_graphs.end();
    Changed();
}

GraphItem* CCurvixDoc::GetFirstGraph()
{
    m_cursor = m_graphs.begin();
    return m_cursor == m_graphs.end() ? nullptr : &*m_cursor;
}

GraphItem* CCurvixDoc::GetNextGraph()
{
    if (m_cursor == m_graphs.end() || ++m_cursor == m_graphs.end())
        return nullptr;
    return &*m_cursor;
}

void CCurvixDoc::Serialize(Archive& archive)
{
    if (archive.IsStoring())
        DocumentFormat::Write(*this, archive);
    else
        DocumentFormat::Read(*this, archive, m_conversionPrompt, m_settings.defaultCoordSystem);
}

bool CCurvixDoc::CanShowAnotherGraph() const
{
    const auto visible = std::count_if(m_graphs.begin(), m_graphs.end(),
                                       [](const GraphItem& graph) { return !graph.hidden; });
    return visible < MAX_DISPLAYED_GRAPHS;
}

void CCurvixDoc::DeleteContents()
{
    RemoveAllGraphs();
    coordSystem = m_settings.defaultCoordSystem;
    zoomX = 100;
    zoomY = 100;
}

bool CCurvixDoc::OnNewDocument()
{
    DeleteContents();
    m_history.Clear();
    coordSystem = m_settings.defaultCoordSystem;
    SetModifiedFlag(false);
    return true;
}

void CCurvixDoc::OnOpenDocument(const std::string& path)
{
    try {
        CCurvixDoc read(m_settings);
        read.SetConversionPrompt(m_conversionPrompt);
        read.ReadFile(path);
        TakeContents(read);
        m_history.Clear();
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
    m_graphs.splice(m_graphs.end(), source.m_graphs);
    m_cursor = m_graphs.end();
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
    m_views.push_back(view);
}

void CCurvixDoc::RemoveView(DocView* view)
{
    std::erase(m_views, view);
}

void CCurvixDoc::UpdateAllViews(DocView* sender, int hint)
{
    // A copy: a view may add or remove views while it updates.
    const std::vector<DocView*> current = m_views;
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
    m_modified = flag;
    m_savedState.reset();
    if (!flag)
        m_savedState = CaptureState();
    Changed();
}

DocumentState CCurvixDoc::CaptureState() const
{
    return {{m_graphs.begin(), m_graphs.end()}, coordSystem, autoRefresh};
}

void CCurvixDoc::RecordStep(StringId name, DocumentState before)
{
    m_modified = true;
    if (!before.SameAs(CaptureState())) {
        try {
            m_history.Record(name, std::move(before));
        } catch (const std::bad_alloc&) {
            // A history that cannot grow loses its steps rather than the change.
            m_history.Clear();
        }
    }
    Changed();
}

bool CCurvixDoc::Undo()
{
    return Restore(m_history.Undo(CaptureState()));
}

bool CCurvixDoc::Redo()
{
    return Restore(m_history.Redo(CaptureState()));
}

bool CCurvixDoc::Restore(std::optional<DocumentState> state)
{
    if (!state)
        return false;
    m_graphs.assign(state->graphs.begin(), state->graphs.end());
    m_cursor = m_graphs.end();
    coordSystem = state->coordSystem;
    autoRefresh = state->autoRefresh;
    m_modified = !m_savedState || !m_savedState->SameAs(*state);
    Changed();
    return true;
}
