#pragma once

#include <QListWidget>

#include <functional>
#include <span>

class CCurvixDoc;
class GraphItem;

// The list of a document's graphs: each row shows the graph's colour and its
// equation, two lines behind a brace for a parametric graph, and optionally
// a check box for the graph's visibility. The rows point to the document's
// graphs, which the list does not own.
class CGraphListBox : public QListWidget {
public:
    explicit CGraphListBox(QWidget* parent = nullptr);

    // Appends a row for the graph; the index of the new row.
    int AddItem(GraphItem* graph);
    // Empties the list and adds every graph of the document in its order.
    void FillFrom(CCurvixDoc& doc);
    // Empties the list and adds the graphs in their order; they must outlive
    // their rows.
    void FillFrom(std::span<GraphItem> graphs);
    // The graph of a row; null for a row without one or a bad index.
    GraphItem* ItemGraph(int row) const;
    // The selected row, -1 when none.
    int CurSel() const { return currentRow(); }
    void SetCurSel(int row);

    // The document whose visible-graph limit the check boxes honour.
    void SetDocument(CCurvixDoc* doc) { m_document = doc; }
    bool HasCheckBoxes() const { return m_withCheckBoxes; }
    void SetCheckBoxes(bool on) { m_withCheckBoxes = on; }
    // Called, after the event, whenever the user changed a graph's visibility.
    void SetVisibilityHandler(std::function<void()> handler) { m_visibilityChanged = std::move(handler); }
    // Called when Delete is pressed on a selected row.
    void SetDeleteHandler(std::function<void()> handler) { m_deletePressed = std::move(handler); }

    // The check box's hit area of a row, in the list's viewport.
    QRect CheckBoxHitArea(int row) const;
    // Shows or hides a row's graph as its check box does: one undo step of
    // the document, refused with a message at a 16th visible graph.
    void ToggleVisibility(int row);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    CCurvixDoc* m_document = nullptr;
    bool m_withCheckBoxes = true;
    std::function<void()> m_visibilityChanged;
    std::function<void()> m_deletePressed;
};
