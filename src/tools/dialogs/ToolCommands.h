#pragma once

#include "view/geometry/GeometryTypes.h"

#include <functional>
#include <utility>
#include <vector>

class AppSettings;
class CCurvixDoc;
class GraphComputation;
class QWidget;

// What the analysis dialogs need of the graph view and the graph list.
struct AnalysisViewHooks {
    // The world points at the lower left and upper right of the visible area.
    std::function<std::pair<WorldPoint, WorldPoint>()> visible;
    // The list position of the selected graph; -1 for none.
    std::function<int()> selected;
    // Marks found points on the view until its next computation.
    std::function<void(std::vector<WorldPoint>)> mark;
    // Scrolls the view to a point that lies off screen.
    std::function<void(WorldPoint)> reveal;
};

// Runs the integral/area tool modally over the displayed graphs.
void OpenIntegralTool(CCurvixDoc& doc, const GraphComputation& computation, AppSettings& settings, QWidget* parent);
// Runs the tangent/normal tool; true when it added a graph to the list.
bool OpenTangentTool(CCurvixDoc& doc, const GraphComputation& computation, AppSettings& settings,
                     QWidget* parent);
// The computation shows a graph whose points of interest can be searched:
// y = f(x) or x = f(y).
bool HasFunctionGraph(const GraphComputation& computation);
// Runs the points of interest dialog modally.
void OpenPointsTool(CCurvixDoc& doc, const GraphComputation& computation, QWidget* parent, const AnalysisViewHooks& hooks);
// Runs the table of values dialog modally.
void OpenValueTableTool(CCurvixDoc& doc, const GraphComputation& computation, QWidget* parent, const AnalysisViewHooks& hooks);
