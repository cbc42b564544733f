#pragma once

#include "Ids.h"

class AppSettings;
class CCurvixDoc;
class CMainFrame;
class GraphComputation;

// Whether each command of the main window can run and whether it is ticked,
// from the document, the computation, the view, the list pane's selection,
// the settings and the bars.
class FrameCommandState {
public:
    FrameCommandState(const CMainFrame& frame, const CCurvixDoc& doc, const GraphComputation& computation,
                      const AppSettings& settings);

    // Commands without a rule of their own can always run.
    bool IsEnabled(CommandId id) const;
    bool IsChecked(CommandId id) const;
    // The displayed graphs are computed and there is at least one.
    bool IsComputed() const;

private:
    bool CanZoom(CommandId id) const;
    bool IsIdle() const;

    const CMainFrame& m_frame;
    const CCurvixDoc& m_doc;
    const GraphComputation& m_computation;
    const AppSettings& m_settings;
};
