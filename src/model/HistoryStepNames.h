#pragma once

class GraphItem;

// The names of undo steps, as string ids.
namespace HistoryStepNames {

constexpr unsigned kAddGraph = 19820;
constexpr unsigned kRemoveGraph = 19821;
constexpr unsigned kEditGraph = 19822;
constexpr unsigned kShowGraph = 19823;
constexpr unsigned kHideGraph = 19824;
constexpr unsigned kChangeColour = 19825;
constexpr unsigned kEditCoordSystem = 19826;
constexpr unsigned kAutoRefresh = 19827;
constexpr unsigned kAddTangent = 19828;

// The name of a change of one graph from before to after: showing, hiding
// or recolouring when that is all that changed, editing otherwise.
unsigned ForGraphEdit(const GraphItem& before, const GraphItem& after);

}  // namespace HistoryStepNames
