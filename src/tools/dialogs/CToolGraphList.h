#pragma once

#include "GraphItem.h"

#include <QListWidget>

#include <vector>

// The tools' list of graphs: one row a graph with its equation(s) in the
// graph's colour; each row keeps a copy of its graph.
class CToolGraphList : public QListWidget {
public:
    explicit CToolGraphList(QWidget* parent = nullptr);

    void AddGraph(const GraphItem& graph);
    // The graph of the selected row, or null without a selection.
    const GraphItem* SelectedGraph() const;

private:
    std::vector<GraphItem> graphs;
};
