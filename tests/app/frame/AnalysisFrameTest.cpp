// The analysis commands in the main window: when they are enabled, and
// tracing with the keys of the graph view while the document changes.

#include "view/widget/CCurvixView.h"
#include "app/frame/CMainFrame.h"
#include "model/DocView.h"
#include "app/frame/FrameStatusBar.h"
#include "FrameTestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>

namespace {

class AnalysisFrameTest : public FrameTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Start());
        for (const char* expression : {"x^2", "sin(x)"}) {
            GraphItem graph;
            graph.expression = expression;
            Doc().AddGraph(graph);
        }
        Doc().UpdateAllViews(nullptr, DocView::HintGraphsChanged);
    }

    CCurvixView& View() { return Frame().View(); }
    QString Readout() { return Frame().StatusBar().PositionPane().text(); }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(&View(), Qt::Key(key), modifiers); }
};

TEST_F(AnalysisFrameTest, CommandsNeedAComputedPicture)
{
    QApplication::processEvents();
    for (CommandId id : {CommandId::FindPoints, CommandId::ValueTable, CommandId::Trace})
        EXPECT_FALSE(Frame().Action(id)->isEnabled()) << id;
    Key(Qt::Key_T);
    EXPECT_FALSE(View().Analysis().IsTracing());
    Frame().ExecuteCommand(CommandId::Refresh);
    Settle();
    for (CommandId id : {CommandId::FindPoints, CommandId::ValueTable, CommandId::Trace})
        EXPECT_TRUE(Frame().Action(id)->isEnabled()) << id;
}

TEST_F(AnalysisFrameTest, TracesWithTheKeysAndEndsWhenItsGraphGoes)
{
    Frame().ExecuteCommand(CommandId::Refresh);
    Settle();
    View().setFocus();
    Key(Qt::Key_T);
    ASSERT_TRUE(View().Analysis().IsTracing());
    EXPECT_EQ(Readout(), "x = 0; y = 0");
    Key(Qt::Key_Right);
    const QString one = Readout();
    Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(Readout(), one);
    EXPECT_TRUE(one.startsWith("x = 0.") && one != "x = 0; y = 0") << one.toStdString();
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), one);

    Key(Qt::Key_Tab);
    EXPECT_EQ(View().Analysis().Trace().Displayed(), 1);
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(View().Analysis().Trace().Displayed(), 0);
    Key(Qt::Key_Tab);

    // The list pane removes the traced graph.
    Doc().RemoveGraph(1);
    Doc().UpdateAllViews(nullptr, DocView::HintGraphsChanged);
    EXPECT_FALSE(View().Analysis().IsTracing());
    EXPECT_EQ(Readout(), "");
    View().grab();  // paints without the trace

    Frame().ExecuteCommand(CommandId::Refresh);
    Settle();
    Frame().ExecuteCommand(CommandId::Trace);
    ASSERT_TRUE(View().Analysis().IsTracing());
    Frame().ExecuteCommand(CommandId::FileNew);
    EXPECT_FALSE(View().Analysis().IsTracing());
}

TEST_F(AnalysisFrameTest, EscapeOrTEndsTheTraceAndRefreshKeepsIt)
{
    Frame().ExecuteCommand(CommandId::Refresh);
    Settle();
    View().setFocus();
    for (int endKey : {Qt::Key_Escape, Qt::Key_T}) {
        Key(Qt::Key_T);
        ASSERT_TRUE(View().Analysis().IsTracing());
        Key(endKey);
        EXPECT_FALSE(View().Analysis().IsTracing());
    }
    Key(Qt::Key_T);
    Key(Qt::Key_Right);
    const QString before = Readout();
    GraphItem graph;
    graph.expression = "x+1";
    Doc().AddGraph(graph);
    Doc().UpdateAllViews(nullptr, DocView::HintGraphsChanged);
    Frame().ExecuteCommand(CommandId::Refresh);
    Settle();
    EXPECT_TRUE(View().Analysis().IsTracing());
    EXPECT_EQ(Readout(), before);
}

}  // namespace
