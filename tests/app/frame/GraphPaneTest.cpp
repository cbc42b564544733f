#include "AppTestSupport.h"
#include "view/widget/CCurvixView.h"
#include "app/frame/GraphChoiceDialog.h"
#include "app/frame/CMainFrame.h"
#include "FrameTestSupport.h"
#include "KeyboardInput.h"

#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>

namespace {

void SetEquation(CAdvPropertySheet& sheet, const char* expression)
{
    Get<QLineEdit>(sheet.GetPage(0), 1158)->setText(expression);
}

// Pixels of the picture in a graph's colour (black here).
int CurvePixels(QWidget& view)
{
    const QImage image = view.grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == qRgb(0, 0, 0);
    return count;
}

void ClickCheckBox(CGraphListBox& list, int row)
{
    const QPointF at = list.CheckBoxHitArea(row).center();
    QMouseEvent release(QEvent::MouseButtonRelease, at, list.viewport()->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &release);
}

TEST_F(FrameTest, AddedGraphIsDrawnAfterAutomaticRefresh)
{
    ASSERT_TRUE(Start());
    Frame().resize(900, 700);
    Get<QCheckBox>(&Frame().Form(), 1042)->click();
    SheetDriver driver([](CAdvPropertySheet& sheet) {
        SetEquation(sheet, "x^2");
        PressOk(sheet);
    });
    Frame().ExecuteCommand(CommandId::AddGraph);
    EXPECT_EQ(Frame().Form().List().CurSel(), 0);
    Settle();
    EXPECT_TRUE(Doc().autoRefresh);
    EXPECT_EQ(Computation().DisplayedCount(), 1);
    const int drawn = CurvePixels(Frame().View());

    // Hiding it from its check box redraws the picture without it.
    ClickCheckBox(Frame().Form().List(), 0);
    Settle();
    EXPECT_TRUE(Doc().GetFirstGraph()->hidden);
    EXPECT_LT(CurvePixels(Frame().View()) + 100, drawn);
}

// A duplicate keeps the sheet open with the caret in the equation, so the
// user can change it; a 16th graph is added hidden, and the status bar says
// so.
TEST_F(FrameTest, AddingThroughTheSheet)
{
    const QString duplicate = AppText(StringId::DuplicateGraph);
    const QString limit = AppText(StringId::TooManyGraphs);
    const struct {
        int visible;
        const char* expression;
        bool clickHidden;
        std::vector<QString> messages;
        bool addedHidden;
    } rows[] = {
        {2, "x^2", false, {}, false},
        {2, "x + 1", false, {duplicate}, false},
        {15, "x^2", true, {limit}, true},
        {15, "x^2", false, {}, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expression);
        ASSERT_TRUE(Start());
        AddGraphs(row.visible);
        m_asked.clear();
        bool stayedOpen = false;
        int focused = 0;
        SheetDriver driver([&](CAdvPropertySheet& sheet) {
            Activate(&sheet);
            SetEquation(sheet, row.expression);
            if (row.clickHidden)
                Get<QCheckBox>(sheet.GetPage(0), 1040)->click();
            PressOk(sheet);
            stayedOpen = sheet.isVisible();
            focused = FocusedControl();
            if (stayedOpen) {
                SetEquation(sheet, "x^5");
                PressOk(sheet);
            }
        });
        Frame().ExecuteCommand(CommandId::AddGraph);
        EXPECT_EQ(AskedTexts(), row.messages);
        EXPECT_EQ(stayedOpen, row.messages == std::vector<QString>{duplicate});
        if (stayedOpen) {
            EXPECT_EQ(focused, 1158);
        }
        ASSERT_EQ(Doc().GetGraphCount(), row.visible + 1);
        EXPECT_EQ(Frame().Form().List().count(), row.visible + 1);
        EXPECT_EQ(Frame().Form().List().CurSel(), row.visible);
        EXPECT_EQ(Frame().Form().List().ItemGraph(row.visible)->hidden, row.addedHidden);
        EXPECT_EQ(Frame().statusBar()->currentMessage() == AppText(StringId::AddedHidden), row.addedHidden);
        Doc().SetModifiedFlag(false);
        m_app.reset();
    }
}

TEST_F(FrameTest, SixteenthVisibleGraphRefusedFromTheCheckBox)
{
    ASSERT_TRUE(Start());
    AddGraphs(15);
    AddGraphs(1, true);
    ClickCheckBox(Frame().Form().List(), 15);
    EXPECT_EQ(AskedTexts(), std::vector<QString>{AppText(StringId::TooManyGraphs)});
    EXPECT_TRUE(Frame().Form().List().ItemGraph(15)->hidden);
    EXPECT_FALSE(Doc().IsModified());
}

// The two dialogs driven from the keyboard: they open with the focus in the
// list; Enter there is the action, Enter on a focused Cancel or Help button
// presses that button.
TEST_F(FrameTest, MenuDialogsRemoveAndEdit)
{
    const struct {
        CommandId command;
        int row;
        int button;  // 0: Enter in the list
        bool accepted;
        std::vector<std::string> expressions;
    } rows[] = {
        {CommandId::RemoveGraph, 1, 0, true, {"x+0", "x+2"}},
        {CommandId::RemoveGraph, 1, IDCANCEL, false, {"x+0", "x+1", "x+2"}},
        {CommandId::RemoveGraph, 1, IDHELP, false, {"x+0", "x+1", "x+2"}},
        {CommandId::RemoveGraph, -1, 0, false, {"x+0", "x+1", "x+2"}},
        {CommandId::GraphProperties, 2, 0, true, {"x+0", "x+1", "x^3"}},
        {CommandId::GraphProperties, 2, IDCANCEL, false, {"x+0", "x+1", "x+2"}},
        {CommandId::GraphProperties, -1, 0, false, {"x+0", "x+1", "x+2"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.command << " row " << row.row << " button " << row.button);
        ASSERT_TRUE(Start());
        AddGraphs(3);
        GraphChoiceDialog::SetTestDriver([&row](GraphChoiceDialog& dialog) {
            Activate(&dialog);
            EXPECT_EQ(QApplication::focusWidget(), &dialog.List());
            dialog.List().SetCurSel(row.row);
            if (row.button) {
                ASSERT_TRUE(TabTo(dialog.findChild<QPushButton*>(QString("control%1").arg(row.button))));
            }
            Type(Qt::Key_Return);
        });
        SheetDriver driver([](CAdvPropertySheet& sheet) {
            SetEquation(sheet, "x^3");
            PressOk(sheet);
        });
        Frame().ExecuteCommand(row.command);
        GraphChoiceDialog::SetTestDriver({});
        std::vector<std::string> expressions;
        for (GraphItem* graph = Doc().GetFirstGraph(); graph; graph = Doc().GetNextGraph())
            expressions.push_back(graph->expression);
        EXPECT_EQ(expressions, row.expressions);
        EXPECT_EQ(Frame().Form().List().count(), static_cast<int>(expressions.size()));
        EXPECT_EQ(Doc().IsModified(), row.accepted);
        Doc().SetModifiedFlag(false);
        m_app.reset();
    }
}

// In the list pane Enter opens the selected graph's properties (the pane's
// default button) and Space shows or hides it.
TEST_F(FrameTest, ListPaneKeys)
{
    ASSERT_TRUE(Start());
    AddGraphs(2);
    CGraphListBox& list = Frame().Form().List();
    list.SetCurSel(1);
    Activate(&Frame());
    list.setFocus();
    int sheets = 0;
    SheetDriver driver([&](CAdvPropertySheet& sheet) {
        ++sheets;
        SetEquation(sheet, "x^3");
        PressOk(sheet);
    });
    Type(Qt::Key_Return);
    EXPECT_EQ(sheets, 1);
    ASSERT_NE(list.ItemGraph(1), nullptr);
    EXPECT_EQ(list.ItemGraph(1)->expression, "x^3");
    list.SetCurSel(0);
    list.setFocus();
    Type(Qt::Key_Space);
    EXPECT_EQ(sheets, 1);
    EXPECT_TRUE(list.ItemGraph(0)->hidden);
    Doc().SetModifiedFlag(false);
}

// A graph that fails to compute, or that the computation refuses, is named
// in the message, its equation as the list shows it, and selected in the
// list; the graphs before it are neither named nor selected.
TEST_F(FrameTest, AFailingGraphIsNamedAndSelected)
{
    const QString tooLarge = AppText(StringId::CoordSystemTooLarge);
    const std::string longFormula(300, '2');
    const auto graph = [](const std::string& expression, GraphKind kind = KindYofX, bool hidden = false) {
        GraphItem item;
        item.expression = expression;
        item.expression2 = "sin(t";
        item.kind = kind;
        item.hidden = hidden;
        return item;
    };
    GraphItem wide = graph("1", KindPolar);
    wide.useAdvanced = true;
    wide.advRange = {0, 1e12, 3200};
    const struct {
        const char* what;
        std::vector<GraphItem> graphs;
        QString message;
        int selected;
    } rows[] = {
        {"syntax error", {graph("x", KindYofX, true), graph("x^2"), graph("sin(x")},
         "Graph:\ny = sin(x\n\n[Syntax error] ')' expected.", 2},
        {"run-time error", {graph("x"), graph("root(8,x)")},
         "Graph:\ny = root(8,x)\n\n[Run-time error] Wrong argument in function 'root(x, y)' call.\n"
         "Tip: y must always be an integer.", 1},
        {"both lines of a parametric graph", {graph("cos(t)", KindParametric)},
         "Graph:\nx = cos(t)\ny = sin(t\n\n[Syntax error] ')' expected.", 0},
        {"too large", {graph("x"), wide}, "Graph:\nr = 1\n\n" + tooLarge, 1},
        {"formula too long", {graph(longFormula)},
         QString::fromStdString("Graph:\ny = " + longFormula.substr(0, 255) + "...\n\n") + AppText(StringId::FormulaTooLong), 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(Start());
        for (const GraphItem& item : row.graphs)
            Doc().AddGraph(item);
        Doc().UpdateAllViews(nullptr, 0);
        Frame().Form().List().SetCurSel(-1);
        m_asked.clear();
        Frame().ExecuteCommand(CommandId::Refresh);
        Computation().Wait(WorkerThread::kInfinite, {});
        for (int i = 0; i < 100 && Frame().View().ProgressDialog(); ++i)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_EQ(AskedTexts(), std::vector<QString>{row.message});
        EXPECT_EQ(Frame().Form().List().CurSel(), row.selected);
        Doc().SetModifiedFlag(false);
        m_app.reset();
    }
}

TEST_F(FrameTest, RemovingTheOnlyGraphDisablesItsCommands)
{
    ASSERT_TRUE(Start());
    AddGraphs(1);
    QApplication::processEvents();
    EXPECT_TRUE(Frame().Action(CommandId::RemoveGraph)->isEnabled());
    Frame().Form().List().SetCurSel(0);
    Get<QPushButton>(&Frame().Form(), 1030)->click();
    QApplication::processEvents();
    EXPECT_EQ(Frame().Form().List().CurSel(), -1);
    for (CommandId id : {CommandId::RemoveGraph, CommandId::GraphProperties})
        EXPECT_FALSE(Frame().Action(id)->isEnabled());
    EXPECT_FALSE(Get<QPushButton>(&Frame().Form(), 1031)->isEnabled());
    Doc().SetModifiedFlag(false);
}

}  // namespace
