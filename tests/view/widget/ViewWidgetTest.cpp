// The graph view on the offscreen platform: what it paints after Refresh,
// what a scroll redraws, and the pointer read-out.

#include "kit/AppMessageBox.h"
#include "model/AppSettings.h"
#include "model/CCurvixDoc.h"
#include "view/widget/CCurvixView.h"
#include "view/widget/CGraphProgressDlg.h"
#include "expr/CVariableTable.h"
#include "view/GraphComputation.h"
#include "view/widget/CursorPosFrame.h"
#include "view/render/GraphRenderer.h"
#include "base/ManualResetEvent.h"
#include "kit/MessageBoxStyle.h"
#include "model/MemorySettingsBackend.h"
#include "view/widget/PictureCache.h"
#include "PixelProbe.h"
#include "view/geometry/ViewMapping.h"

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr std::uint32_t kRed = 0x0000FF;  // 0x00BBGGRR

class RecordingFrame : public CursorPosFrame {
public:
    void SetCursorPosText(const QString& text) override { texts.push_back(text); }
    std::vector<QString> texts;
};

class ViewWidgetTest : public testing::Test {
protected:
    ViewWidgetTest()
    {
        m_settings.ShowGrid = false;
        SetWorld(1);
        m_view.SetFrame(&m_frame);
    }

    // -half .. half on both axes.
    void SetWorld(double half)
    {
        m_doc.coordSystem.left = m_doc.coordSystem.bottom = -half;
        m_doc.coordSystem.right = m_doc.coordSystem.top = half;
    }

    // A client area (the viewport, inside the scroll bars) of this size.
    void Show(int width, int height)
    {
        m_view.resize(width, height);
        m_view.show();
        QCoreApplication::processEvents();
        m_view.resize(2 * width - m_view.viewport()->width(), 2 * height - m_view.viewport()->height());
        QCoreApplication::processEvents();
    }

    void AddGraph(const char* expression)
    {
        GraphItem item;
        item.expression = expression;
        item.color = kRed;
        m_doc.AddGraph(item);
    }

    // Refresh, then let the worker end and its report arrive.
    void RefreshAndWait()
    {
        m_view.Refresh();
        m_computation.Wait(WorkerThread::kInfinite, {});
        for (int i = 0; i < 100 && m_view.ProgressDialog(); ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::processEvents();
    }

    QImage Screen() { return m_view.viewport()->grab().toImage(); }

    // A fresh drawing of the whole client area at the view's mapping.
    QImage FullRender()
    {
        const ViewMapping mapping = m_view.Mapping();
        QImage image(m_view.viewport()->size(), QImage::Format_RGB32);
        QPainter painter(&image);
        GraphRenderer(m_computation, m_settings, mapping).DrawAll(painter);
        return image;
    }

    MemorySettingsBackend m_backend;
    AppSettings m_settings{m_backend};
    CCurvixDoc m_doc{m_settings};
    GraphComputation m_computation{m_settings.defaultCoordSystem};
    CCurvixView m_view{m_doc, m_computation, m_settings};
    RecordingFrame m_frame;
};

}  // namespace

TEST_F(ViewWidgetTest, RefreshDrawsCurveOnDiagonalAndAxesWhereMapped)
{
    AddGraph("x");
    Show(465, 440);  // 400 x 400 drawing area around a 201 x 201 picture
    RefreshAndWait();
    ASSERT_TRUE(m_computation.IsComputed());
    const ViewMapping mapping = m_view.Mapping();
    const QImage screen = Screen();
    struct Case {
        double x, y;
        bool red;    // the curve
        bool black;  // an axis
    };
    const Case cases[] = {
        {-0.9, -0.9, true, false}, {-0.3, -0.3, true, false}, {0.55, 0.55, true, false},
        {0.9, 0.9, true, false},   {0.5, 0.0, false, true},   {-0.5, 0.0, false, true},
        {0.0, 0.7, false, true},   {0.0, -0.6, false, true},  {0.5, -0.5, false, false},
    };
    for (const Case& c : cases) {
        const PixelPoint at = mapping.WorldToWindow(c.x, c.y);
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(RedNear(screen, static_cast<int>(at.x), static_cast<int>(at.y)), c.red);
        EXPECT_EQ(screen.pixel(static_cast<int>(at.x), static_cast<int>(at.y)) == qRgb(0, 0, 0), c.black);
    }
}

TEST_F(ViewWidgetTest, OneLineScrollRedrawsOnlyTheBand)
{
    SetWorld(10);
    AddGraph("sin(x)*3");
    m_settings.ShowGrid = true;
    Show(475, 450);  // 410 x 410 drawing area: lines of 41 pixels, an odd step for the grid's dots
    RefreshAndWait();
    struct Case {
        QScrollBar* bar;
        QAbstractSlider::SliderAction action;
        PixelRect band;
    };
    const Case cases[] = {
        {m_view.horizontalScrollBar(), QAbstractSlider::SliderSingleStepAdd, {367, 0, 410, 450}},
        {m_view.horizontalScrollBar(), QAbstractSlider::SliderSingleStepSub, {0, 0, 43, 450}},
        {m_view.verticalScrollBar(), QAbstractSlider::SliderSingleStepAdd, {0, 367, 475, 410}},
        {m_view.verticalScrollBar(), QAbstractSlider::SliderSingleStepSub, {0, 0, 475, 43}},
    };
    for (const Case& c : cases) {
        Screen();  // the cache is up to date
        c.bar->triggerAction(c.action);
        const QImage scrolled = Screen();
        const PixelRect drawn = m_view.LastDrawnRect();
        EXPECT_EQ(drawn.left, c.band.left);
        EXPECT_EQ(drawn.top, c.band.top);
        EXPECT_EQ(drawn.right, c.band.right);
        EXPECT_EQ(drawn.bottom, c.band.bottom);
        // A line clipped at the band's edge may round or blend one pixel
        // otherwise.
        EXPECT_LE(DifferingPixels(scrolled, FullRender()), 8) << "at scroll " << m_view.horizontalScrollBar()->value() << ","
                                          << m_view.verticalScrollBar()->value();
    }
}

TEST_F(ViewWidgetTest, PointerReadout)
{
    AddGraph("x");
    m_doc.coordSystem.xTimesPi = true;
    Show(965, 440);  // the 630-pixel pi picture fits across
    RefreshAndWait();
    const ViewMapping mapping = m_view.Mapping();
    const PixelPoint origin = mapping.WorldToWindow(0, 0);
    struct Case {
        QPoint at;
        QString text;
    };
    const Case cases[] = {
        {QPoint(origin.x, origin.y), "(  0.0000 pi;  0.0000)"},
        {QPoint(origin.x + 157, origin.y - 50), "(  0.5000 pi;  0.5000)"},
        {QPoint(origin.x, 420), ""},              // bottom strip
        {QPoint(origin.x - 318, origin.y), ""},  // margin left of the picture
    };
    for (const Case& c : cases) {
        QMouseEvent move(QEvent::MouseMove, c.at, m_view.viewport()->mapToGlobal(c.at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(m_view.viewport(), &move);
        ASSERT_FALSE(m_frame.texts.empty());
        EXPECT_EQ(m_frame.texts.back(), c.text);
    }
    QEvent leave(QEvent::Leave);
    const std::size_t before = m_frame.texts.size();
    QCoreApplication::sendEvent(m_view.viewport(), &leave);
    QCoreApplication::sendEvent(m_view.viewport(), &leave);
    EXPECT_EQ(m_frame.texts.size(), before + 1);  // emptied once
}

TEST_F(ViewWidgetTest, ProgressDialogFollowsReportsAndCancels)
{
    CGraphProgressDlg dialog(nullptr);
    EXPECT_EQ(dialog.CountText(), "");
    ManualResetEvent stop;
    dialog.SetStopEvent(&stop);
    struct Case {
        int percent, complete, displayed, bar;
        const char* percentText;
        const char* countText;
    };
    const Case cases[] = {
        {40, 1, 3, 40, "40%", "2 / 3"},
        {99, 1, 3, 99, "99%", "2 / 3"},
        {3, 2, 3, 3, "3%", "3 / 3"},  // the next graph starts lower
    };
    for (const Case& c : cases) {
        dialog.OnGraphProgress(c.percent, c.complete, c.displayed);
        EXPECT_EQ(dialog.Progress(), c.bar);
        EXPECT_EQ(dialog.PercentText(), c.percentText);
        EXPECT_EQ(dialog.CountText(), c.countText);
    }
    dialog.OnCancel();
    EXPECT_TRUE(stop.IsSet());
    EXPECT_TRUE(dialog.IsCancelling());
    dialog.ResetProgress();
    EXPECT_FALSE(dialog.IsCancelling());
    EXPECT_EQ(dialog.Progress(), 0);
    EXPECT_EQ(dialog.CountText(), "3 / 3");
}

// Inside the view's white picture area the window still shows its dark
// caption bar and the face colour of a dialog.
TEST_F(ViewWidgetTest, ProgressDialogKeepsItsCaptionAndFaceOverThePicture)
{
    QScrollArea area;
    area.viewport()->setBackgroundRole(QPalette::Base);
    area.resize(400, 300);
    CGraphProgressDlg dialog(area.viewport());
    const QImage image = dialog.grab().toImage();
    EXPECT_EQ(QColor(image.pixel(5, 5)), QColor(10, 36, 106)) << "caption bar";
    EXPECT_EQ(QColor(image.pixel(5, image.height() - 5)), QApplication::palette().color(QPalette::Window))
        << "dialog face";
}

TEST_F(ViewWidgetTest, RefusalsAndEmptyPictures)
{
    std::vector<QString> boxes;
    AppMessageBox::SetTestResponder([&](const AppMessageBox::Request& request) {
        boxes.push_back(request.text);
        return IDOK;
    });
    Show(465, 440);
    struct Case {
        int graphs;
        double top, bottom;
        const char* box;  // the message shown, if any
        bool computed;
    };
    const Case cases[] = {
        {16, 1, -1, "Cannot display more than 15 graphs at a time.\nHide some of them that you don't need and try again.", false},
        {1, -1, 1, nullptr, true},  // inverted vertical range
        {1, 1, 1, nullptr, true},   // no vertical extent
        {0, 1, -1, nullptr, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.graphs);
        boxes.clear();
        m_doc.RemoveAllGraphs();
        for (int i = 0; i < c.graphs; ++i)
            AddGraph("x");
        m_doc.coordSystem.top = c.top;
        m_doc.coordSystem.bottom = c.bottom;
        RefreshAndWait();
        EXPECT_EQ(m_computation.IsComputed(), c.computed);
        if (c.box) {
            EXPECT_EQ(boxes, std::vector<QString>{c.box});
        }
        const QImage screen = Screen();  // draws without dividing by zero
        EXPECT_FALSE(RedNear(screen, 200, 200));
    }
    AppMessageBox::SetTestResponder({});
}

// Refresh returns with the worker started and the progress dialog shown,
// and the window keeps painting while the worker waits for the engine's
// lock (held here) to compile.
TEST_F(ViewWidgetTest, RefreshReturnsWhileTheWorkerWaits)
{
    AddGraph("x");
    Show(465, 440);
    {
        std::lock_guard held(theVariables.Lock());
        m_view.Refresh();
        EXPECT_TRUE(m_computation.IsComputing());
        EXPECT_FALSE(m_computation.Points(0).complete);
        ASSERT_NE(m_view.ProgressDialog(), nullptr);
        EXPECT_TRUE(m_view.ProgressDialog()->isVisible());
        EXPECT_FALSE(Screen().isNull());
    }
    RefreshAndWait();
    EXPECT_TRUE(m_computation.IsComputed());
    EXPECT_TRUE(m_computation.Points(0).complete);
}

// A Refresh while the worker runs cancels it, waits, and starts again with
// the same dialog; the cancelled worker's end report neither waits nor
// takes the dialog down, the new one's does.
TEST_F(ViewWidgetTest, RefreshDuringComputationRestarts)
{
    SetWorld(40);
    m_doc.coordSystem.precision = 3200;
    for (int i = 0; i < 6; ++i)
        AddGraph("sin(x)*x^2");
    Show(465, 440);
    m_view.Refresh();
    const CGraphProgressDlg* dialog = m_view.ProgressDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(m_computation.IsComputing());
    m_doc.GetFirstGraph()->expression = "x";
    m_view.Refresh();
    EXPECT_EQ(m_view.ProgressDialog(), dialog);
    RefreshAndWait();
    EXPECT_TRUE(m_computation.IsComputed());
    EXPECT_EQ(m_view.ProgressDialog(), nullptr);
    const GraphPoints& first = m_computation.Points(0);
    EXPECT_EQ(first.source.expression, "x");
    EXPECT_EQ(first.points[first.count - 1].y, first.points[first.count - 1].x);
}

namespace {

// -10..10 at zoom 100 (a 2001-pixel picture) in a 400 x 400 drawing area,
// computed and centred on the origin.
class ViewMotionTest : public ViewWidgetTest {
protected:
    void SetUp() override
    {
        SetWorld(10);
        AddGraph("x");
        Show(465, 440);
        RefreshAndWait();
        ASSERT_TRUE(m_computation.IsComputed());
    }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, m_view.viewport()->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(m_view.viewport(), &event);
    }

    void Wheel(QPoint at, int delta, Qt::KeyboardModifiers modifiers)
    {
        QWheelEvent event(at, m_view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(m_view.viewport(), &event);
    }

    using Position = std::pair<std::int64_t, std::int64_t>;

    Position Scroll() const
    {
        return {m_view.horizontalScrollBar()->value(), m_view.verticalScrollBar()->value()};
    }
};

}  // namespace

// Ctrl+wheel zooms about the pointer: the world point under it stays.
TEST_F(ViewMotionTest, CtrlWheelZoomsAboutThePointer)
{
    struct Case {
        const char* what;
        int delta;
        Qt::KeyboardModifiers modifiers;
        int zoomX, zoomY;
        QPoint pointer = {120, 90};
    };
    const Case cases[] = {
        {"in", 120, Qt::ControlModifier, 200, 200},
        {"out", -120, Qt::ControlModifier, 50, 50},
        {"x only", 120, Qt::ControlModifier | Qt::ShiftModifier, 200, 100},
        {"y only", 120, Qt::ControlModifier | Qt::AltModifier, 100, 200},
        {"half a notch waits", 60, Qt::ControlModifier, 100, 100},
        {"y only over its labels", 120, Qt::ControlModifier, 100, 200, {430, 90}},
        {"x only over its labels", -120, Qt::ControlModifier, 50, 100, {120, 425}},
    };
    for (const Case& c : cases) {
        const QPoint pointer = c.pointer;
        SCOPED_TRACE(c.what);
        m_doc.zoomX = m_doc.zoomY = 100;
        m_doc.UpdateAllViews(nullptr, DocView::HintZoomChanged);
        m_view.CentreOnOrigin();
        const WorldPoint before = m_view.Mapping().WindowToWorld(pointer.x(), pointer.y());
        Wheel(pointer, c.delta, c.modifiers);
        EXPECT_EQ(m_doc.zoomX, c.zoomX);
        EXPECT_EQ(m_doc.zoomY, c.zoomY);
        const WorldPoint after = m_view.Mapping().WindowToWorld(pointer.x(), pointer.y());
        EXPECT_NEAR(after.x, before.x, 1e-9);
        EXPECT_NEAR(after.y, before.y, 1e-9);
        Wheel(pointer, -c.delta / 2, Qt::ControlModifier);  // forget a half notch
    }
}

// The plain wheel scrolls down, Shift+wheel sideways; the read-out shows the
// point now under the pointer.
TEST_F(ViewMotionTest, WheelScrollsAndTheReadoutFollows)
{
    const QPoint pointer(200, 200);
    Send(QEvent::MouseMove, pointer, Qt::NoButton, Qt::NoButton);
    ASSERT_EQ(m_frame.texts.back(), "(  0.0000;  0.0000)");
    const auto start = Scroll();
    Wheel(pointer, -120, Qt::NoModifier);
    EXPECT_EQ(Scroll().first, start.first);
    EXPECT_GT(Scroll().second, start.second);
    EXPECT_NE(m_frame.texts.back(), "(  0.0000;  0.0000)");
    const QString down = m_frame.texts.back();
    Wheel(pointer, -120, Qt::ShiftModifier);
    EXPECT_GT(Scroll().first, start.first);
    EXPECT_NE(m_frame.texts.back(), down);
    const WorldPoint shown = m_view.Mapping().WindowToWorld(pointer.x(), pointer.y());
    EXPECT_EQ(m_frame.texts.back(), QString("(%1;%2)").arg(shown.x, 8, 'f', 4).arg(shown.y, 8, 'f', 4));
}

TEST_F(ViewMotionTest, DragPansAndAClickDoesNot)
{
    const auto start = Scroll();
    Send(QEvent::MouseButtonPress, QPoint(200, 200), Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, QPoint(200, 200), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Scroll(), start) << "click";
    Send(QEvent::MouseButtonPress, QPoint(200, 200), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(m_view.viewport()->cursor().shape(), Qt::ClosedHandCursor);
    Send(QEvent::MouseMove, QPoint(250, 170), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(Scroll(), Position(start.first - 50, start.second + 30));
    Send(QEvent::MouseMove, QPoint(5000, -5000), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(Scroll(), Position(0, 1601)) << "within the range";
    Send(QEvent::MouseButtonRelease, QPoint(5000, -5000), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(m_view.viewport()->cursor().shape(), Qt::OpenHandCursor);
    Send(QEvent::MouseMove, QPoint(100, 100), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(Scroll(), Position(0, 1601)) << "released";
}

TEST_F(ViewMotionTest, HomeCentresAndResizeKeepsTheCentre)
{
    m_view.horizontalScrollBar()->setValue(300);
    m_view.verticalScrollBar()->setValue(1100);
    const WorldPoint centre = m_view.Mapping().ViewCentre();
    Show(565, 340);  // 500 x 300 drawing area
    const WorldPoint resized = m_view.Mapping().ViewCentre();
    EXPECT_NEAR(resized.x, centre.x, 0.01);
    EXPECT_NEAR(resized.y, centre.y, 0.01);
    QKeyEvent home(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);
    QCoreApplication::sendEvent(&m_view, &home);
    EXPECT_EQ(Scroll(), Position(750, 850));
}

// The notice shows on the window while the document differs from the
// picture, never in the picture itself.
TEST_F(ViewMotionTest, OutOfDateNoticeUntilTheNextComputation)
{
    const QRect corner(330, 6, 64, 14);  // within the notice, right of the area
    const auto tinted = [&](const QImage& image) {
        for (int y = corner.top(); y <= corner.bottom(); ++y) {
            for (int x = corner.left(); x <= corner.right(); ++x) {
                if (image.pixel(x, y) == qRgb(0xFF, 0xF8, 0xD0))
                    return true;
            }
        }
        return false;
    };
    EXPECT_FALSE(m_view.IsOutOfDate());
    EXPECT_FALSE(tinted(Screen()));
    AddGraph("x^2");
    m_view.OnUpdate(nullptr, DocView::HintGraphsChanged);
    EXPECT_TRUE(m_view.IsOutOfDate());
    EXPECT_TRUE(tinted(Screen()));
    EXPECT_FALSE(tinted(FullRender()));
    RefreshAndWait();
    EXPECT_FALSE(m_view.IsOutOfDate());
    EXPECT_FALSE(tinted(Screen()));
}

// The cache at a device pixel ratio holds ratio times the client's pixels;
// after one-line scrolls, the area wrapping around in its image many times
// over in both directions, it shows what a fresh drawing shows, having drawn
// only the uncovered bands where the ratio is whole.
TEST_F(ViewMotionTest, PictureCacheAtDevicePixelRatios)
{
    struct Case {
        double ratio;
        std::vector<QPoint> scrolls;
        int drawnWidth;  // of the region drawn after the last scroll
    };
    const std::vector<QPoint> wrapping = {{40, 0}, {40, 0}, {-170, 0}, {0, 150}, {0, 150}, {0, 150}, {-40, 0},
                                          {0, -90}, {200, 0}, {200, 0}, {200, 0}};
    const Case cases[] = {
        {1.0, {{40, 0}}, 42},
        {2.0, {{40, 0}}, 42},
        {3.0, {{40, 0}}, 42},
        {1.5, {{40, 0}}, 465},
        {1.0, wrapping, 202},
        {2.0, wrapping, 202},
        {2.0, {{30, 20}, {-10, 0}}, 12},  // both at once: drawn whole, then a band
    };
    const auto draw = [](PictureCache& cache, const GraphRenderer& renderer, const QRect& region) {
        cache.Draw(region, [&renderer](QPainter& painter, const QRect& piece) {
            renderer.DrawBackground(painter, piece);
            renderer.DrawGridAndAxes(painter, piece);
            renderer.DrawCurves(painter, piece);
        });
    };
    const auto picture = [](const QSize& size, double ratio, const std::function<void(QPainter&)>& paint) {
        QImage image(size, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        QPainter painter(&image);
        paint(painter);
        return image;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ratio << " after " << c.scrolls.size() << " scrolls");
        const QRect whole(0, 0, 465, 440);
        const QSize pixels(std::ceil(465 * c.ratio), std::ceil(440 * c.ratio));
        ViewMapping mapping = m_view.Mapping();
        mapping.SetScrollPosition({500, 500});
        PictureCache cache;
        ASSERT_TRUE(cache.Rebuild(mapping.PictureSize(), mapping.ClientSize(), mapping.ScrollPosition(), c.ratio));
        draw(cache, GraphRenderer(m_computation, m_settings, mapping), whole);
        PixelRect band;
        for (QPoint scroll : c.scrolls) {
            const PixelPoint at = mapping.ScrollPosition();
            mapping.SetScrollPosition({at.x + scroll.x(), at.y + scroll.y()});
            ASSERT_EQ(cache.Compare(mapping.PictureSize(), mapping.ClientSize(), mapping.ScrollPosition(), c.ratio),
                      PictureCache::State::Scrolled);
            band = cache.Scroll(mapping.ScrollPosition());
            draw(cache, GraphRenderer(m_computation, m_settings, mapping),
                 QRect(band.left, band.top, band.right - band.left, band.bottom - band.top));
        }
        EXPECT_EQ(band.right - band.left, c.drawnWidth);
        const GraphRenderer renderer(m_computation, m_settings, mapping);
        const QImage shown = picture(pixels, c.ratio, [&](QPainter& p) { cache.CopyTo(p, whole); });
        const QImage fresh = picture(pixels, c.ratio, [&](QPainter& p) { renderer.DrawAll(p); });
        // Where the picture's edge cuts a line, the curve pass starts it at
        // another sample than in the picture scrolled in: a smoothed line
        // may blend a few pixels there otherwise.
        const int edges = static_cast<int>(c.scrolls.size());
        EXPECT_LE(DifferingPixels(shown, fresh), static_cast<int>(16 * c.ratio * c.ratio) * edges);
    }
}

// Smooth curves go straight into the pixels of the view's image and of
// curvix-cli's; any other device strokes them with the painter. Both give
// the same line: the same amount of ink, in the same places.
TEST_F(ViewWidgetTest, SmoothCurvesAreTheSameDrawnDirectlyOrStroked)
{
    SetWorld(10);
    AddGraph("5sin(x)");
    AddGraph("x^2/4-8");
    Show(465, 440);
    RefreshAndWait();
    const auto redInk = [](QRgb pixel) { return std::max(qRed(pixel) - qGreen(pixel), 0); };
    for (const double ratio : {1.0, 2.0}) {
        for (const int width : {1, 2, 3}) {
            SCOPED_TRACE(testing::Message() << "ratio " << ratio << ", width " << width);
            m_settings.CurveWidth = width;
            QImage direct(m_view.viewport()->size() * ratio, QImage::Format_RGB32);
            QImage stroked(direct.size(), QImage::Format_RGB888);
            for (QImage* image : {&direct, &stroked}) {
                image->setDevicePixelRatio(ratio);
                QPainter painter(image);
                GraphRenderer(m_computation, m_settings, m_view.Mapping()).DrawAll(painter);
            }
            long directInk = 0;
            long strokedInk = 0;
            int apart = 0;
            for (int y = 0; y < direct.height(); ++y) {
                for (int x = 0; x < direct.width(); ++x) {
                    const int a = redInk(direct.pixel(x, y));
                    const int b = redInk(stroked.pixel(x, y));
                    directInk += a;
                    strokedInk += b;
                    apart += std::abs(a - b) > 100;
                }
            }
            // Round joins give a one-pixel line a little more ink.
            EXPECT_NEAR(static_cast<double>(directInk) / strokedInk, 1.0, 0.1);
            EXPECT_LT(apart, directInk / 255 / 100);
        }
    }
}
