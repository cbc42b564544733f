// The graph view on the offscreen platform: what it paints after Refresh,
// what a scroll redraws, and the pointer read-out.

#include "AppMessageBox.h"
#include "AppSettings.h"
#include "CCurvixDoc.h"
#include "CCurvixView.h"
#include "CGraphProgressDlg.h"
#include "ComputeGraphsThread.h"
#include "CursorPosFrame.h"
#include "GraphRenderer.h"
#include "ManualResetEvent.h"
#include "MessageBoxStyle.h"
#include "MemorySettingsBackend.h"
#include "PixelProbe.h"
#include "ViewMapping.h"

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

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
        doc.SetGraphWorker(ComputeGraphsThread);
        settings.ShowGrid = false;
        SetWorld(1);
        view.SetFrame(&frame);
    }

    // -half .. half on both axes.
    void SetWorld(double half)
    {
        doc.coordSystem.left = doc.coordSystem.bottom = -half;
        doc.coordSystem.right = doc.coordSystem.top = half;
    }

    // A client area (the viewport, inside the scroll bars) of this size.
    void Show(int width, int height)
    {
        view.resize(width, height);
        view.show();
        QCoreApplication::processEvents();
        view.resize(2 * width - view.viewport()->width(), 2 * height - view.viewport()->height());
        QCoreApplication::processEvents();
    }

    void AddGraph(const char* expression)
    {
        GraphItem item;
        item.expression = expression;
        item.color = kRed;
        doc.AddGraph(item);
    }

    // Refresh, then let the worker end and its report arrive.
    void RefreshAndWait()
    {
        view.Refresh();
        doc.WaitForComputation(WorkerThread::kInfinite, {});
        for (int i = 0; i < 100 && view.ProgressDialog(); ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::processEvents();
    }

    QImage Screen() { return view.viewport()->grab().toImage(); }

    // A fresh drawing of the whole client area at the view's mapping.
    QImage FullRender()
    {
        const ViewMapping mapping = view.Mapping();
        QImage image(view.viewport()->size(), QImage::Format_RGB32);
        QPainter painter(&image);
        GraphRenderer(doc, settings, mapping).DrawAll(painter);
        return image;
    }

    MemorySettingsBackend backend;
    AppSettings settings{backend};
    CCurvixDoc doc{settings};
    CCurvixView view{doc, settings};
    RecordingFrame frame;
};

}  // namespace

TEST_F(ViewWidgetTest, RefreshDrawsCurveOnDiagonalAndAxesWhereMapped)
{
    AddGraph("x");
    Show(465, 440);  // 400 x 400 drawing area around a 201 x 201 picture
    RefreshAndWait();
    ASSERT_TRUE(doc.IsComputed());
    const ViewMapping mapping = view.Mapping();
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
    settings.ShowGrid = true;
    Show(475, 450);  // 410 x 410 drawing area: lines of 41 pixels, an odd step for the grid's dots
    RefreshAndWait();
    struct Case {
        QScrollBar* bar;
        QAbstractSlider::SliderAction action;
        PixelRect band;
    };
    const Case cases[] = {
        {view.horizontalScrollBar(), QAbstractSlider::SliderSingleStepAdd, {367, 0, 410, 450}},
        {view.horizontalScrollBar(), QAbstractSlider::SliderSingleStepSub, {0, 0, 43, 450}},
        {view.verticalScrollBar(), QAbstractSlider::SliderSingleStepAdd, {0, 367, 475, 410}},
        {view.verticalScrollBar(), QAbstractSlider::SliderSingleStepSub, {0, 0, 475, 43}},
    };
    for (const Case& c : cases) {
        Screen();  // the cache is up to date
        c.bar->triggerAction(c.action);
        const QImage scrolled = Screen();
        const PixelRect drawn = view.LastDrawnRect();
        EXPECT_EQ(drawn.left, c.band.left);
        EXPECT_EQ(drawn.top, c.band.top);
        EXPECT_EQ(drawn.right, c.band.right);
        EXPECT_EQ(drawn.bottom, c.band.bottom);
        // A line clipped at the band's edge may round one pixel otherwise.
        EXPECT_LE(DifferingPixels(scrolled, FullRender()), 4) << "at scroll " << view.horizontalScrollBar()->value() << ","
                                          << view.verticalScrollBar()->value();
    }
}

TEST_F(ViewWidgetTest, PointerReadout)
{
    AddGraph("x");
    doc.coordSystem.xTimesPi = true;
    Show(965, 440);  // the 630-pixel pi picture fits across
    RefreshAndWait();
    const ViewMapping mapping = view.Mapping();
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
        QMouseEvent move(QEvent::MouseMove, c.at, view.viewport()->mapToGlobal(c.at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(view.viewport(), &move);
        ASSERT_FALSE(frame.texts.empty());
        EXPECT_EQ(frame.texts.back(), c.text);
    }
    QEvent leave(QEvent::Leave);
    const std::size_t before = frame.texts.size();
    QCoreApplication::sendEvent(view.viewport(), &leave);
    QCoreApplication::sendEvent(view.viewport(), &leave);
    EXPECT_EQ(frame.texts.size(), before + 1);  // emptied once
}

TEST_F(ViewWidgetTest, ProgressDialogFollowsReportsAndCancels)
{
    CGraphProgressDlg dialog(nullptr);
    EXPECT_EQ(dialog.CountText(), "");
    ManualResetEvent stop;
    dialog.SetStopEvent(&stop);
    struct Case {
        int percent, lParam, bar;
        const char* percentText;
        const char* countText;
    };
    const Case cases[] = {
        {40, (3 << 16) | 1, 40, "40%", "2 / 3"},
        {99, (3 << 16) | 1, 99, "99%", "2 / 3"},
        {3, (3 << 16) | 2, 3, "3%", "3 / 3"},  // the next graph starts lower
    };
    for (const Case& c : cases) {
        dialog.OnGraphProgress(c.percent, c.lParam);
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
        doc.RemoveAllGraphs();
        for (int i = 0; i < c.graphs; ++i)
            AddGraph("x");
        doc.coordSystem.top = c.top;
        doc.coordSystem.bottom = c.bottom;
        RefreshAndWait();
        EXPECT_EQ(doc.IsComputed(), c.computed);
        if (c.box) {
            EXPECT_EQ(boxes, std::vector<QString>{c.box});
        }
        const QImage screen = Screen();  // draws without dividing by zero
        EXPECT_FALSE(RedNear(screen, 200, 200));
    }
    AppMessageBox::SetTestResponder({});
}

ManualResetEvent workerMayStart;

void HeldWorker(CCurvixDoc& doc)
{
    workerMayStart.Wait();
    ComputeGraphsThread(doc);
}

// Refresh returns with the worker started and the progress dialog shown but
// no sample buffer allocated: the worker allocates and fills it while the
// window keeps painting and answering.
TEST_F(ViewWidgetTest, RefreshLeavesTheSampleBuffersToTheWorker)
{
    workerMayStart.Reset();
    doc.SetGraphWorker(HeldWorker);
    AddGraph("x");
    Show(465, 440);
    view.Refresh();
    EXPECT_TRUE(doc.IsComputing());
    EXPECT_FALSE(doc.GetGraphPoints(0).HasPoints());
    ASSERT_NE(view.ProgressDialog(), nullptr);
    EXPECT_TRUE(view.ProgressDialog()->isVisible());
    workerMayStart.Set();
    RefreshAndWait();
    EXPECT_TRUE(doc.IsComputed());
    EXPECT_TRUE(doc.GetGraphPoints(0).complete);
}

// A Refresh while the worker runs cancels it, waits, and starts again with
// the same dialog; the cancelled worker's end report neither waits nor
// takes the dialog down, the new one's does.
TEST_F(ViewWidgetTest, RefreshDuringComputationRestarts)
{
    SetWorld(40);
    doc.coordSystem.precision = 3200;
    for (int i = 0; i < 6; ++i)
        AddGraph("sin(x)*x^2");
    Show(465, 440);
    view.Refresh();
    const CGraphProgressDlg* dialog = view.ProgressDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(doc.IsComputing());
    doc.GetFirstGraph()->expression = "x";
    view.Refresh();
    EXPECT_EQ(view.ProgressDialog(), dialog);
    RefreshAndWait();
    EXPECT_TRUE(doc.IsComputed());
    EXPECT_EQ(view.ProgressDialog(), nullptr);
    const GraphPoints& first = doc.GetGraphPoints(0);
    EXPECT_EQ(first.source.expression, "x");
    EXPECT_EQ(first.points[first.count - 1].y, first.points[first.count - 1].x);
}
