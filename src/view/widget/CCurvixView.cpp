#include "view/widget/CCurvixView.h"

#include "gui/AppBitmap.h"
#include "model/AppSettings.h"
#include "model/CCurvixDoc.h"
#include "view/widget/CursorPosFrame.h"
#include "view/GraphComputation.h"
#include "view/qt/GraphDoneEvent.h"
#include "view/render/GraphRenderer.h"
#include "HelpContext.h"
#include "view/widget/OutOfDateNotice.h"
#include "view/geometry/PointerReadout.h"
#include "view/render/ViewLayout.h"
#include "view/geometry/ViewMapping.h"
#include "view/geometry/ViewportMotion.h"
#include "view/geometry/ZoomSteps.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QNativeGestureEvent>
#include <QWheelEvent>


namespace {
constexpr int kCursorHotSpot = 15;

QCursor ViewCursor()
{
    const QPixmap image = LoadAppBitmap(BitmapId::ViewCursor);
    if (image.isNull())
        return QCursor(Qt::CrossCursor);
    return QCursor(image, kCursorHotSpot, kCursorHotSpot);
}

QRect ToQRect(const PixelRect& rect)
{
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

PixelPoint ToPixelPoint(QPoint point)
{
    return {point.x(), point.y()};
}

// The wheel's turn; Alt turns it sideways on some window systems.
int WheelDelta(const QWheelEvent& event)
{
    const QPoint delta = event.angleDelta();
    return delta.y() != 0 ? delta.y() : delta.x();
}

// A pinch that grows the picture by a quarter is one zoom step.
constexpr double kPinchPerStep = 0.25;

}  // namespace

CCurvixView::CCurvixView(CCurvixDoc& doc, GraphComputation& computation, AppSettings& settings, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_computation(computation), m_settings(settings),
      m_viewCursor(ViewCursor()), m_refresher(doc, computation, *this),
      m_analysis(doc, computation, [this] { viewport()->update(); },
                 [this](const QString& text) {
                     if (m_frame)
                         m_frame->SetCursorPosText(text);
                 })
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setProperty("contextHelpId", HelpContext::kGraphView);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    m_doc.AddView(this);
    SetScrollSizes({1, 1});
    // Once the user scrolls, the picture stays where the user put it.
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
        connect(bar, &QScrollBar::actionTriggered, this, [this] { m_centreOnShow = false; });
}

CCurvixView::~CCurvixView()
{
    // The worker reports to this view's sink: it must end first.
    m_computation.Stop();
    m_doc.RemoveView(this);
}

void CCurvixView::SetFrame(CursorPosFrame* frame)
{
    m_frame = frame;
}

ViewMapping CCurvixView::Mapping() const
{
    ViewMapping view(m_computation.InUse(), m_doc.zoomX, m_doc.zoomY);
    view.SetPictureSize(m_picture);
    view.SetClientSize(viewport()->width(), viewport()->height());
    view.SetScrollPosition(m_bars.Position());
    return view;
}

bool CCurvixView::HasPicture() const
{
    return m_computation.IsComputed() && m_computation.DisplayedCount() > 0;
}

void CCurvixView::Refresh()
{
    m_centreOnShow = false;
    m_cache.Empty();
    m_summaries.Clear();
    m_analysis.ClearFoundPoints();
    const bool restart = m_computation.IsComputing();
    if (!m_computation.NeedsRecompute(m_doc)) {
        if (!restart)  // else it may finish
            viewport()->update();
        return;
    }
    viewport()->setCursor(Qt::ArrowCursor);
    if (m_refresher.Start(restart))
        viewport()->update();
}

void CCurvixView::customEvent(QEvent* event)
{
    if (event->type() == WM_GRAPH_DONE)
        OnGraphDone(*static_cast<GraphDoneEvent*>(event));
}

void CCurvixView::OnGraphDone(const GraphDoneEvent& done)
{
    m_refresher.Finish(done);
    if (done.Succeeded() && isVisible())
        m_bars.SetPosition(Mapping().ScrollCentredOnOrigin(), true, true);
    else if (done.Succeeded())
        m_centreOnShow = true;
}

void CCurvixView::OnUpdate(DocView*, int)
{
    m_cache.Empty();
    if (HasPicture()) {
        viewport()->setCursor(m_viewCursor);
        ViewMapping view(m_computation.InUse(), m_doc.zoomX, m_doc.zoomY);
        const PixelSize picture = view.FitPicture();
        m_doc.zoomX = view.ZoomX();
        m_doc.zoomY = view.ZoomY();
        SetScrollSizes(picture);
    } else {
        SetScrollSizes({1, 1});
    }
    m_analysis.DocumentChanged();
    viewport()->update();
}

void CCurvixView::SetScrollSizes(PixelSize picture)
{
    m_picture = picture;
    const ViewLayout layout(viewport()->size());
    m_bars.Configure(picture, {layout.AreaWidth(), layout.AreaHeight()});
}

// Keeps the world point in the middle of the drawing area where it is.
void CCurvixView::Zoom(bool xAxis, bool yAxis, bool in)
{
    const WorldPoint centre = Mapping().ViewCentre();
    StepZoom(xAxis, yAxis, in);
    m_bars.SetPosition(Mapping().ScrollForViewCentre(centre), xAxis, yAxis);
    viewport()->update();
}

void CCurvixView::StepZoom(bool xAxis, bool yAxis, bool in)
{
    m_centreOnShow = false;
    const std::int32_t precision = m_computation.InUse().precision;
    const auto step = [in, precision](std::int32_t zoom) { return in ? ZoomInStep(zoom, precision) : ZoomOutStep(zoom); };
    if (xAxis)
        m_doc.zoomX = step(m_doc.zoomX);
    if (yAxis)
        m_doc.zoomY = step(m_doc.zoomY);
    m_doc.SetModifiedFlag();
    m_doc.UpdateAllViews(nullptr, HintZoomChanged);
}

// Ctrl+Shift zooms X only, Ctrl+Alt Y only; each step keeps the world point
// under the pointer there, as far as the scroll range allows. An axis at its
// limit stays.
void CCurvixView::ZoomAt(QPoint at, int steps, Qt::KeyboardModifiers modifiers)
{
    if (!HasPicture())
        return;
    // Over an axis's label strip the wheel zooms that axis alone: desktops
    // that take Ctrl+Alt+wheel for themselves leave this way to the Y-axis.
    const ViewLayout layout(viewport()->size());
    const bool xAxis = !(modifiers & Qt::AltModifier) && !layout.RightStrip().contains(at);
    const bool yAxis = !(modifiers & Qt::ShiftModifier) && !layout.BottomStrip().contains(at);
    for (; steps != 0; steps += steps > 0 ? -1 : 1) {
        const bool in = steps > 0;
        const bool zoomX = xAxis && (in ? CanZoomInX() : CanZoomOutX());
        const bool zoomY = yAxis && (in ? CanZoomInY() : CanZoomOutY());
        if (!zoomX && !zoomY)
            break;
        const ViewMapping before = Mapping();
        StepZoom(zoomX, zoomY, in);
        m_bars.SetPosition(ViewportMotion::KeepPointUnder(before, Mapping(), ToPixelPoint(at)), true, true);
    }
    viewport()->update();
}

void CCurvixView::CentreOnOrigin()
{
    m_centreOnShow = false;
    if (HasPicture())
        m_bars.SetPosition(ViewportMotion::CentreOnOrigin(Mapping()), true, true);
}

bool CCurvixView::CanZoomInX() const
{
    return CanZoomIn(m_doc.zoomX, m_computation.InUse().precision, m_picture.width);
}

bool CCurvixView::CanZoomInY() const
{
    return CanZoomIn(m_doc.zoomY, m_computation.InUse().precision, m_picture.height);
}

bool CCurvixView::CanZoomOutX() const
{
    return CanZoomOut(m_doc.zoomX);
}

bool CCurvixView::CanZoomOutY() const
{
    return CanZoomOut(m_doc.zoomY);
}

// The world point in the middle of the drawing area stays there, unless the
// origin is still to be centred after a computation.
void CCurvixView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    ViewMapping before = Mapping();
    before.SetClientSize(m_client.width(), m_client.height());
    m_client = viewport()->size();
    SetScrollSizes(m_picture);
    if (m_centreOnShow)
        CentreIfPending();
    else if (HasPicture() && before.ClientSize().width > 0)
        m_bars.SetPosition(ViewportMotion::KeepCentre(before, Mapping()), true, true);
}

void CCurvixView::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    CentreIfPending();
}

// The window may settle its layout after it shows (the list pane snaps back
// to its width): every size the view takes until the user scrolls, zooms or
// refreshes centres the origin again.
void CCurvixView::CentreIfPending()
{
    if (m_centreOnShow && isVisible())
        m_bars.SetPosition(Mapping().ScrollCentredOnOrigin(), true, true);
}

// Moves the pixels of the drawing area and the label strip along the
// scrolled direction; the uncovered band and the two pixels beside it are
// drawn again.
void CCurvixView::scrollContentsBy(int dx, int dy)
{
    const ViewLayout layout(viewport()->size());
    constexpr int kSlack = 2;
    if (dx != 0) {
        viewport()->scroll(dx, 0, layout.Area());
        viewport()->scroll(dx, 0, layout.BottomStrip());
        const int band = std::abs(dx) + kSlack;
        viewport()->update(QRect(dx < 0 ? layout.AreaWidth() - band : 0, 0, band, layout.Client().height()));
    }
    if (dy != 0) {
        viewport()->scroll(0, dy, layout.Area());
        viewport()->scroll(0, dy, layout.RightStrip());
        const int band = std::abs(dy) + kSlack;
        viewport()->update(QRect(0, dy < 0 ? layout.AreaHeight() - band : 0, layout.Client().width(), band));
    }
    // The notice stays in its corner: where it was moved to is drawn again.
    if (IsOutOfDate()) {
        const QRect notice = OutOfDateNotice::Rect(layout);
        viewport()->update(notice.translated(dx, dy) | notice);
    }
    if (m_pointer)
        ShowCursorPos(*m_pointer);
}

void CCurvixView::paintEvent(QPaintEvent* event)
{
    const ViewMapping view = Mapping();
    const GraphRenderer renderer(m_computation, m_settings, view, &m_summaries);
    const QRect exposed = event->rect();
    QPainter screen(viewport());
    m_lastDrawn = {};
    if (m_computation.IsComputing() || !renderer.HasPicture()) {
        renderer.DrawBackground(screen, exposed);
        if (!m_computation.IsComputing())
            renderer.DrawEmptyMessage(screen);
        return;
    }
    const QRect region = PrepareCache(view);
    if (m_cache.IsEmpty()) {
        // No off-screen image: straight to the screen.
        DrawPicture(screen, renderer, exposed);
    } else {
        if (!region.isEmpty()) {
            m_cache.Draw(region, [&renderer](QPainter& cached, const QRect& piece) {
                DrawPicture(cached, renderer, piece);
            });
            m_lastDrawn = {region.left(), region.top(), region.right() + 1, region.bottom() + 1};
        }
        m_cache.CopyTo(screen, exposed);
    }
    m_analysis.Draw(screen, view);
    if (IsOutOfDate())
        OutOfDateNotice::Draw(screen, ViewLayout(viewport()->size()));
}

bool CCurvixView::IsOutOfDate() const
{
    return HasPicture() && !m_computation.IsComputing() && m_computation.NeedsRecompute(m_doc);
}

QRect CCurvixView::PrepareCache(const ViewMapping& view)
{
    const PixelSize client = view.ClientSize();
    const QRect whole(0, 0, client.width, client.height);
    // The picture is drawn at the screen's resolution.
    const double ratio = viewport()->devicePixelRatioF();
    switch (m_cache.Compare(view.PictureSize(), client, view.ScrollPosition(), ratio)) {
    case PictureCache::State::Rebuild:
        m_cache.Rebuild(view.PictureSize(), client, view.ScrollPosition(), ratio);
        return whole;
    case PictureCache::State::Scrolled:
        return ToQRect(m_cache.Scroll(view.ScrollPosition())) & whole;
    case PictureCache::State::Valid:
        break;
    }
    return {};
}

void CCurvixView::DrawPicture(QPainter& painter, const GraphRenderer& renderer, const QRect& region)
{
    renderer.DrawBackground(painter, region);
    renderer.DrawGridAndAxes(painter, region);
    renderer.DrawCurves(painter, region);
}

void CCurvixView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    m_pointer = at;
    DragTo(at);
    m_analysis.PointerMoved(Mapping(), at.x(), at.y());
    ShowCursorPos(at);
    QAbstractScrollArea::mouseMoveEvent(event);
}

void CCurvixView::DragTo(QPoint at)
{
    if (!m_dragFrom)
        return;
    m_centreOnShow = false;
    const QPoint moved = at - *m_dragFrom;
    m_bars.SetPosition(ViewportMotion::Dragged(Mapping(), m_dragScroll, ToPixelPoint(moved)), true, true);
}

// The left button held over the picture drags it; a click that does not
// move leaves everything as it was.
void CCurvixView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && HasPicture()) {
        m_dragFrom = event->position().toPoint();
        m_dragScroll = Mapping().ScrollPosition();
        viewport()->setCursor(Qt::ClosedHandCursor);
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void CCurvixView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_dragFrom) {
        // The window system may fold the last movement into the release.
        DragTo(event->position().toPoint());
        m_dragFrom.reset();
        viewport()->setCursor(Qt::OpenHandCursor);
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

// Ctrl zooms about the pointer, Shift scrolls sideways; the plain wheel
// scrolls up and down.
void CCurvixView::wheelEvent(QWheelEvent* event)
{
    m_pointer = event->position().toPoint();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & Qt::ControlModifier) {
        ZoomAt(*m_pointer, m_zoomWheel.Add(WheelDelta(*event)), modifiers);
        event->accept();
    } else if (modifiers & Qt::ShiftModifier) {
        m_centreOnShow = false;
        m_bars.ScrollSideways(m_sideWheel.Add(WheelDelta(*event)));
        event->accept();
    } else {
        QAbstractScrollArea::wheelEvent(event);
    }
}

void CCurvixView::keyPressEvent(QKeyEvent* event)
{
    if (m_analysis.HandleKey(*event))
        return;
    if (event->key() == Qt::Key_Home && event->modifiers() == Qt::NoModifier) {
        CentreOnOrigin();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CCurvixView::ShowCursorPos(QPoint point)
{
    if (!m_settings.ShowCurrPos || !HasPicture() || m_analysis.IsTracing())
        return;
    const ViewMapping view = Mapping();
    const PixelPoint offset = view.CentringOffset();
    const PixelSize usable = view.DrawingSize();
    const std::int64_t px = point.x() - offset.x;
    const std::int64_t py = point.y() - offset.y;
    QString text;
    if (px >= 0 && px <= usable.width && py >= 0 && py <= usable.height) {
        const WorldPoint world = view.WindowToWorld(point.x(), point.y());
        text = QString::fromStdString(
            PointerReadout(world, view.ZoomX(), view.ZoomY(), view.XTimesPi(), view.YTimesPi()));
        m_trackingLeave = true;
    }
    // The hand over the picture, which a drag moves; the view's own pointer
    // over the margins and strips.
    if (!m_dragFrom)
        viewport()->setCursor(text.isEmpty() ? m_viewCursor : QCursor(Qt::OpenHandCursor));
    if (m_frame)
        m_frame->SetCursorPosText(text);
}

bool CCurvixView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave)
        m_pointer.reset();
    if (event->type() == QEvent::Leave && m_trackingLeave) {
        m_trackingLeave = false;
        if (m_frame)
            m_frame->SetCursorPosText(QString());
    }
    if (event->type() == QEvent::NativeGesture) {
        const auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            const int delta = static_cast<int>(gesture->value() / kPinchPerStep * WheelSteps::kNotch);
            ZoomAt(gesture->position().toPoint(), m_pinch.Add(delta), Qt::NoModifier);
            return true;
        }
    }
    return QAbstractScrollArea::viewportEvent(event);
}

// The trace's keys come before the window's shortcuts.
bool CCurvixView::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && m_analysis.WantsKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

// Tab and Shift+Tab move a trace to the next or previous graph.
bool CCurvixView::focusNextPrevChild(bool next)
{
    return m_analysis.HandleTab(next) || QAbstractScrollArea::focusNextPrevChild(next);
}

void CCurvixView::RevealWorldPoint(WorldPoint point)
{
    QPointF at;
    if (!HasPicture() || VisibleWindowPoint(Mapping(), point.x, point.y, at))
        return;
    m_centreOnShow = false;
    const ViewMapping view = Mapping();
    m_bars.SetPosition(view.ClampedScroll(view.ScrollForViewCentre(point)), true, true);
    viewport()->update();
}
