#pragma once

// A window that shows the document: the graph list pane and the graph view.
// The document tells each of them about changes through OnUpdate.
class DocView {
public:
    // What changed, passed along with an update of all views.
    enum Hint {
        HintGraphsChanged = 0,     // the list pane refills its list
        HintComputed = 1,          // a computation finished
        HintZoomChanged = 2,
        HintSettingsChanged = 4,
        HintDocumentRestored = 8,  // undo or redo replaced the graphs and settings
    };

    virtual ~DocView() = default;
    // sender is the view that caused the update, or null for a full update.
    virtual void OnUpdate(DocView* sender, int hint) = 0;
};
