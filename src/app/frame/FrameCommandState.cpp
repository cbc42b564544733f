#include "app/frame/FrameCommandState.h"

#include "app/frame/CGraphDataForm.h"
#include "app/frame/CMainFrame.h"
#include "app/frame/FrameStatusBar.h"
#include "model/AppSettings.h"
#include "model/CCurvixDoc.h"
#include "tools/dialogs/ToolCommands.h"
#include "view/GraphComputation.h"
#include "view/widget/CCurvixView.h"

#include <QToolBar>

FrameCommandState::FrameCommandState(const CMainFrame& frame, const CCurvixDoc& doc,
                                     const GraphComputation& computation, const AppSettings& settings)
    : m_frame(frame), m_doc(doc), m_computation(computation), m_settings(settings)
{
}

bool FrameCommandState::IsComputed() const
{
    return m_computation.IsComputed() && m_computation.DisplayedCount() > 0;
}

// A computed picture that no computation is replacing.
bool FrameCommandState::IsIdle() const
{
    return IsComputed() && !m_computation.IsComputing();
}

bool FrameCommandState::CanZoom(CommandId id) const
{
    const CCurvixView& view = m_frame.View();
    switch (id) {
    case CommandId::ZoomIn:
        return view.CanZoomInX() && view.CanZoomInY();
    case CommandId::ZoomOut:
        return view.CanZoomOutX() && view.CanZoomOutY();
    case CommandId::ZoomInX:
        return view.CanZoomInX();
    case CommandId::ZoomOutX:
        return view.CanZoomOutX();
    case CommandId::ZoomInY:
        return view.CanZoomInY();
    case CommandId::ZoomOutY:
        return view.CanZoomOutY();
    default:
        return false;
    }
}

bool FrameCommandState::IsEnabled(CommandId id) const
{
    switch (id) {
    case CommandId::RemoveGraph:
    case CommandId::GraphProperties:
        return m_frame.Form().HasGraphs();
    case CommandId::ZoomIn:
    case CommandId::ZoomOut:
    case CommandId::ZoomInX:
    case CommandId::ZoomOutX:
    case CommandId::ZoomInY:
    case CommandId::ZoomOutY:
        return IsComputed() && CanZoom(id);
    case CommandId::Integral:
        return !m_computation.IsComputing();
    case CommandId::Tangent:
        return IsComputed();
    case CommandId::FindPoints:
        return IsIdle() && HasFunctionGraph(m_computation);
    case CommandId::ValueTable:
    case CommandId::Trace:
    case CommandId::CopyPicture:
    case CommandId::ExportPicture:
        return IsIdle();
    case CommandId::EditUndo:
        return m_doc.History().CanUndo();
    case CommandId::EditRedo:
    case CommandId::EditRedoShift:
        return m_doc.History().CanRedo();
    case CommandId::SelectedGraphProperties:
    case CommandId::SelectedGraphVisibility:
    case CommandId::SelectedGraphRemove:
        return m_frame.Form().HasSelection();
    default:
        return true;
    }
}

bool FrameCommandState::IsChecked(CommandId id) const
{
    switch (id) {
    case CommandId::ViewToolbar:
        return !m_frame.ToolBar().isHidden();
    case CommandId::ViewStatusBar:
        return !m_frame.StatusBar().isHidden();
    case CommandId::ToggleGrid:
        return m_settings.ShowGrid;
    case CommandId::ToggleCursorPosition:
        return m_settings.ShowCurrPos;
    default:
        return false;
    }
}
