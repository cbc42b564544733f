#pragma once

#include <cstddef>
#include <string>
#include <vector>

class GraphItem;

// A graph's equation as the graph list shows it, and whether the engine can
// take its formulas whole.
namespace GraphEquation {

// "y = f", "x = f" or "r = f" by kind; for a parametric graph the two lines
// "x = f" and "y = g"; nothing for an unknown kind. A formula longer than
// longest characters is cut there and marked as cut.
std::vector<std::string> Lines(const GraphItem& graph, std::size_t longest = std::string::npos);

// The lines joined by line breaks, each formula cut at what the engine
// reads: the graph as a message names it.
std::string Shown(const GraphItem& graph);

// A formula of the graph is longer than the 255 characters the engine reads.
bool TooLong(const GraphItem& graph);

}  // namespace GraphEquation
