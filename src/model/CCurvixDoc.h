#pragma once

#include "model/CoordSystem.h"
#include "model/DocumentHistory.h"
#include "model/DocumentState.h"
#include "model/GraphItem.h"
#include "model/GraphPoints.h"

#include <cstdint>
#include <functional>
#include <list>
#include <optional>
#include <string>
#include <vector>

class AppSettings;
class Archive;
class ConversionPrompt;
class DocView;

// The single document: the user's graphs in the order they were added, the
// document's coordinate system, the zoom factors and the automatic refresh
// flag. One object lives as long as the program and is emptied and refilled
// on New and Open.
// The graph computation (GraphComputation) keeps copies of what it draws,
// so the document changes freely while it runs.
class CCurvixDoc {
public:
    // A new document takes its coordinate system from the settings' default.
    explicit CCurvixDoc(const AppSettings& settings);
    CCurvixDoc(const CCurvixDoc&) = delete;
    CCurvixDoc& operator=(const CCurvixDoc&) = delete;
    virtual ~CCurvixDoc() = default;

    // Appends a copy and returns the stored graph, whose address stays valid
    // until that graph is removed; null, with the list unchanged, when no
    // memory could be had. Neither duplicates nor visibility are checked.
    GraphItem* AddGraph(const GraphItem& item);
    // Removes the graph at a zero-based position; false for a bad index.
    bool RemoveGraph(int index);
    void RemoveAllGraphs();
    // Iteration in list order through the document's single cursor; null
    // at the end. Iterations are not nested.
    GraphItem* GetFirstGraph();
    GraphItem* GetNextGraph();
    int GetGraphCount() const { return static_cast<int>(m_graphs.size()); }
    // The list itself, for readers that must not move the cursor.
    const std::list<GraphItem>& Graphs() const { return m_graphs; }
    // Fewer than 15 graphs of the list are visible.
    bool CanShowAnotherGraph() const;

    bool IsModified() const { return m_modified; }
    // Clearing the flag marks the current contents as the saved ones, which
    // undo and redo compare with; setting it from outside the history (a
    // zoom, a recovered copy) leaves no saved state to come back to.
    void SetModifiedFlag(bool modified = true);

    // Undo and redo. A change is recorded after it was made, with the state
    // CaptureState gave before it and the string id of its name; it sets the
    // modified flag, and one that changed nothing records no step. Undo and
    // Redo restore the graphs, the coordinate system and the refresh flag
    // (the list's graphs are new objects then) and clear the modified flag
    // exactly when the contents are the saved ones again; false when there
    // was no step. New and Open start an empty history.
    DocumentState CaptureState() const;
    void RecordStep(StringId name, DocumentState before);
    bool Undo();
    bool Redo();
    const DocumentHistory& History() const { return m_history; }

    // Writes the document, or reads it into the emptied document.
    void Serialize(Archive& archive);
    // The question asked before a previous-version file is converted; with
    // none set, such files are declined.
    void SetConversionPrompt(ConversionPrompt* prompt) { m_conversionPrompt = prompt; }

    // Empties the document: no graphs, the default coordinate system, zoom
    // 100/100. autoRefresh keeps its value.
    void DeleteContents();
    bool OnNewDocument();
    // Reads the file into a document of its own and, once the whole file
    // was read, takes its contents over in place of the current ones. On
    // failure (running out of memory included) throws DocFileException and
    // the document, its contents and its modified flag stay as they were.
    void OnOpenDocument(const std::string& path);
    // Writes the file without ever destroying the previous one; on failure
    // throws DocFileException and the document stays modified.
    void OnSaveDocument(const std::string& path);
    void OnCloseDocument();

    // The windows that show the document. UpdateAllViews calls OnUpdate of
    // every added view but sender; no operation of the document calls it by
    // itself.
    void AddView(DocView* view);
    void RemoveView(DocView* view);
    void UpdateAllViews(DocView* sender, int hint);

    // Told after every change a reader of the document may show: a graph
    // added or removed, the contents replaced, the modified flag, a step
    // recorded, undone or redone, and every update of the views (the end of
    // a computation among them). Called on the thread that made the change.
    void SetChangeListener(std::function<void()> listener) { m_changeListener = std::move(listener); }

    CoordSystem coordSystem;       // edited by the user, stored in the file
    std::int32_t zoomX = 100;      // percent
    std::int32_t zoomY = 100;
    bool autoRefresh = false;      // "Refresh &automatically"

private:
    // Reads a file into this new, empty document.
    void ReadFile(const std::string& path);
    // Empties this document and moves the graphs, the coordinate system,
    // the zoom and the refresh flag of source into it.
    void TakeContents(CCurvixDoc& source);
    bool Restore(std::optional<DocumentState> state);
    void Changed() const;

    const AppSettings& m_settings;
    ConversionPrompt* m_conversionPrompt = nullptr;
    std::list<GraphItem> m_graphs;
    std::list<GraphItem>::iterator m_cursor = m_graphs.end();
    bool m_modified = false;
    DocumentHistory m_history;
    std::optional<DocumentState> m_savedState;
    std::vector<DocView*> m_views;
    std::function<void()> m_changeListener;
};
