#pragma once

#include "CoordSystem.h"
#include "GraphItem.h"

#include <cstdint>
#include <list>
#include <string>

class AppSettings;
class Archive;
class ConversionPrompt;

// The single document: the user's graphs in the order they were added, the
// document's coordinate system, the zoom factors and the automatic refresh
// flag. One object lives as long as the program and is emptied and refilled
// on New and Open.
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
    int GetGraphCount() const { return static_cast<int>(graphs.size()); }

    bool IsModified() const { return modified; }
    void SetModifiedFlag(bool modified = true) { this->modified = modified; }

    // Writes the document, or reads it into the emptied document.
    void Serialize(Archive& archive);
    // The question asked before a previous-version file is converted; with
    // none set, such files are declined.
    void SetConversionPrompt(ConversionPrompt* prompt) { conversionPrompt = prompt; }

    // Empties the document: no graphs, the default coordinate system, zoom
    // 100/100. autoRefresh keeps its value.
    void DeleteContents();
    bool OnNewDocument();
    // Empties the document and reads the file. On failure throws
    // CDocFileException and leaves an empty document, except when the file
    // cannot be read at all: then the document is unchanged.
    void OnOpenDocument(const std::string& path);
    // Writes the file without ever destroying the previous one; on failure
    // throws CDocFileException and the document stays modified.
    void OnSaveDocument(const std::string& path);
    void OnCloseDocument();

    CoordSystem coordSystemInUse;  // the copy the last computation used
    CoordSystem coordSystem;       // edited by the user, stored in the file
    std::int32_t zoomX = 100;      // percent
    std::int32_t zoomY = 100;
    bool autoRefresh = false;      // "Refresh &automatically"

private:
    // Stops a running graph worker and waits for it. The computation is not
    // part of the document yet, so there is nothing to stop.
    void StopComputation() {}

    const AppSettings& settings;
    ConversionPrompt* conversionPrompt = nullptr;
    std::list<GraphItem> graphs;
    std::list<GraphItem>::iterator cursor = graphs.end();
    bool modified = false;
};
