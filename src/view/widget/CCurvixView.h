#pragma once

#include "view/render/CurveSummaries.h"
#include "model/DocView.h"
#include "view/geometry/GeometryTypes.h"
#include "view/widget/PictureCache.h"
#include "view/widget/ViewAnalysis.h"
#include "view/widget/ViewRefresher.h"
#include "view/widget/ViewScrollBars.h"
#include "view/geometry/WheelSteps.h"

#include <QAbstractScrollArea>
#include <QCursor>

#include <functional>
#include <memory>
#include <optional>

class AppSettings;
class CCurvixDoc;
class CGraphProgressDlg;
class CursorPosFrame;
class GraphComputation;
class GraphDoneEvent;
class GraphRenderer;
class ViewMapping;

// The graph view: the picture of the coordinate system in use with its
// grid, axes and curves, seen through a scrollable drawing area with tick
// label strips along its right and bottom edges. Starts the computation
// (Refresh), shows its progress dialog, zooms (also with Ctrl and the wheel
// about the pointer), pans with a drag, and reports the world position
// under the pointer to its frame.
class CCurvixView : public QAbstractScrollArea, public DocView {
public:
    CCurvixView(CCurvixDoc& doc, GraphComputation& computation, AppSettings& settings, QWidget* parent = nullptr);
    ~CCurvixView() override;  // stops the computation, doc.RemoveView(this)

    // The window that shows the pointer position; may be null.
    void SetFrame(CursorPosFrame* frame);
    // How the view selects, in the graph list, a graph it reports a failure
    // of: called with the graph's list position.
    void SetGraphSelector(std::function<void(int)> select) { m_refresher.SetGraphSelector(std::move(select)); }
    // Command 32775: computes what changed and redraws.
    void Refresh();
    void ZoomIn(bool xAxis, bool yAxis) { Zoom(xAxis, yAxis, true); }
    void ZoomOut(bool xAxis, bool yAxis) { Zoom(xAxis, yAxis, false); }
    bool CanZoomInX() const;
    bool CanZoomInY() const;
    bool CanZoomOutX() const;
    bool CanZoomOutY() const;
    // Scrolls so that the world origin is in the middle of the drawing area.
    void CentreOnOrigin();
    // The picture no longer shows the document and is not being computed.
    bool IsOutOfDate() const;
    void OnUpdate(DocView* sender, int hint) override;

    // The mapping of the current zooms, picture, client size and scroll
    // position.
    ViewMapping Mapping() const;
    // The progress dialog while a computation is shown; null otherwise.
    CGraphProgressDlg* ProgressDialog() const { return m_refresher.ProgressDialog(); }
    // The region the last paint drew into the cached picture, in window
    // pixels (empty when it only copied the cache).
    PixelRect LastDrawnRect() const { return m_lastDrawn; }
    // The trace and the marks of found points.
    ViewAnalysis& Analysis() { return m_analysis; }
    // Scrolls a world point that lies off the drawing area into its middle.
    void RevealWorldPoint(WorldPoint point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void customEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The completion handler of WM_GRAPH_DONE.
    void OnGraphDone(const GraphDoneEvent& done);
    void SetScrollSizes(PixelSize picture);
    void CentreIfPending();
    void Zoom(bool xAxis, bool yAxis, bool in);
    // Ctrl+wheel and pinch: steps zoom in (positive) or out about a window
    // point; the modifiers or a label strip under the point choose the axes.
    void ZoomAt(QPoint at, int steps, Qt::KeyboardModifiers modifiers);
    // One zoom step on the axes asked for; marks the document modified.
    void StepZoom(bool xAxis, bool yAxis, bool in);
    // Scrolls a drag in progress to follow the pointer at a window point.
    void DragTo(QPoint at);
    // Brings the cache up to the mapping; the region (window pixels) left to
    // draw into it, empty when it is valid.
    QRect PrepareCache(const ViewMapping& view);
    static void DrawPicture(QPainter& painter, const GraphRenderer& renderer, const QRect& region);
    void ShowCursorPos(QPoint point);
    void DrawNotice(QPainter& painter) const;
    bool HasPicture() const;

    CCurvixDoc& m_doc;
    GraphComputation& m_computation;
    AppSettings& m_settings;
    CursorPosFrame* m_frame = nullptr;
    bool m_trackingLeave = false;
    QCursor m_viewCursor;
    // The last pointer position over the view, while the pointer is there,
    // so that the read-out follows every scroll.
    std::optional<QPoint> m_pointer;
    // A drag in progress: where it started and the scroll position then.
    std::optional<QPoint> m_dragFrom;
    PixelPoint m_dragScroll;
    // The client size the scroll position was last laid out for.
    QSize m_client;
    WheelSteps m_zoomWheel;
    WheelSteps m_sideWheel;
    WheelSteps m_pinch;
    PixelSize m_picture{1, 1};
    // A computation ended while the view was hidden (at start-up, before the
    // window is laid out): the origin is centred once the view shows, and
    // again at every size it takes until the user scrolls, zooms or
    // refreshes.
    bool m_centreOnShow = false;
    ViewRefresher m_refresher;
    ViewScrollBars m_bars{*this};
    PictureCache m_cache;
    CurveSummaries m_summaries;
    PixelRect m_lastDrawn;
    ViewAnalysis m_analysis;
};
