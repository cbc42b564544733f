#include "CExprException.h"
#include "CExpression.h"
#include "CGraphPropsSheet.h"
#include "CVariableTable.h"
#include "CoordSystem.h"
#include "GraphItem.h"
#include "MessageRecorder.h"
#include "SheetDriver.h"

#include <QGroupBox>
#include <QLabel>

#include <future>
#include <thread>

#include <gtest/gtest.h>

namespace {

GraphItem Graph(GraphKind kind, const char* expression, const char* expression2 = "")
{
    GraphItem graph;
    graph.kind = kind;
    graph.expression = expression;
    graph.expression2 = expression2;
    return graph;
}

class GraphPropsPagesTest : public testing::Test {
protected:
    GraphPropsPagesTest()
    {
        cs.left = -4;
        cs.right = 5;
        cs.bottom = -2;
        cs.top = 3;
        cs.yTimesPi = true;
        cs.precision = 200;
        cs.paramRange = {-1, 2, 400};
        cs.polarRange = {0, 2, 800};
        cs.polarTimesPi = true;
    }

    // Runs the sheet for graph; returns the graph after OK, or nothing.
    std::optional<GraphItem> Run(const GraphItem& graph, bool newGraph, bool canBeShown,
                                 const std::function<void(CAdvPropertySheet&)>& drive)
    {
        SheetDriver driver(drive);
        CGraphPropsSheet sheet(graph, {newGraph, canBeShown, cs, colors}, nullptr);
        if (sheet.DoModal() != IDOK)
            return std::nullopt;
        return sheet.Graph();
    }

    CoordSystem cs;
    std::array<std::uint32_t, 16> colors{};
    MessageRecorder messages;
};

QLabel* Label(QWidget& page, int id)
{
    return page.findChild<QLabel*>(QStringLiteral("control%1").arg(id));
}

// The engine's own message for a text compiled for one argument alone.
std::string EngineMessage(const char* text, const char* argument)
{
    std::lock_guard lock(theVariables.Lock());
    for (const char* name : {"x", "y", "t"})
        theVariables.SetAvailable(name, false);
    theVariables.SetAvailable(argument, true);
    theVariables.SetCurrent(argument);
    try {
        CExpression expression(text, false);
        expression.Simplify();
        expression.Evaluate();
    } catch (const CExprException& error) {
        return error.Message();
    }
    return {};
}

}  // namespace

TEST_F(GraphPropsPagesTest, GeneralPageRefusesInOrder)
{
    const struct {
        GraphKind kind;
        const char* first;
        const char* second;
        QString message;  // empty: accepted
        bool refused;
    } rows[] = {
        {KindYofX, "", "", MessageRecorder::Text(3180), true},
        {KindParametric, "cos(t)", "", MessageRecorder::Text(3180), true},
        {KindYofX, "sin(x", "", QString::fromStdString(EngineMessage("sin(x", "x")), true},
        {KindYofX, "t*2", "", QString::fromStdString(EngineMessage("t*2", "x")), true},  // t is not x's argument
        {KindParametric, "cos(t)", "2*x", QString::fromStdString(EngineMessage("2*x", "t")), true},
        {KindXofY, "y^2", "", "", false},
        {KindPolar, "1+t", "", "", false},
        {KindParametric, "cos(t)", "sin(t)", "", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.first) + " & " + row.second);
        messages.requests.clear();
        const auto result = Run(Graph(row.kind, row.first, row.second), true, true,
                                [](CAdvPropertySheet& sheet) { PressOk(sheet); });
        EXPECT_EQ(result.has_value(), !row.refused);
        if (!row.refused) {
            EXPECT_TRUE(messages.requests.empty());
            EXPECT_EQ(result->expression, row.first);
            EXPECT_EQ(result->kind, row.kind);
            continue;
        }
        ASSERT_EQ(messages.requests.size(), 1u);
        EXPECT_FALSE(row.message.isEmpty()) << "the engine refuses the text";
        EXPECT_EQ(messages.requests[0].text, row.message);
        EXPECT_EQ(messages.requests[0].style, MB_ICONEXCLAMATION);
    }
}

TEST_F(GraphPropsPagesTest, SyntaxCheckRefusesWhileAComputationHoldsTheLock)
{
    std::promise<void> locked;
    std::promise<void> release;
    std::thread computation([&] {
        std::lock_guard lock(theVariables.Lock());
        locked.set_value();
        release.get_future().wait();
    });
    locked.get_future().wait();
    bool stayed = false;
    Run(Graph(KindYofX, "x^2"), true, true, [&](CAdvPropertySheet& sheet) {
        PressOk(sheet);
        stayed = sheet.isVisible();
    });
    release.set_value();
    computation.join();

    EXPECT_TRUE(stayed);
    ASSERT_EQ(messages.requests.size(), 1u);
    EXPECT_EQ(messages.requests[0].text, MessageRecorder::Text(3181));
    EXPECT_EQ(messages.requests[0].caption, "Error");

    // Once the computation is over the same graph passes.
    messages.requests.clear();
    EXPECT_TRUE(Run(Graph(KindYofX, "x^2"), true, true, PressOk).has_value());
    EXPECT_TRUE(messages.requests.empty());
}

TEST_F(GraphPropsPagesTest, KindListRelabelsTheEquations)
{
    const struct {
        int kind;
        QString firstLabel;
        bool secondLine;
    } rows[] = {
        {KindYofX, "y = ", false},
        {KindXofY, "x = ", false},
        {KindParametric, "x = ", true},
        {KindPolar, "r = ", false},
    };
    Run(Graph(KindYofX, "x"), true, true, [&](CAdvPropertySheet& sheet) {
        QWidget& page = *sheet.GetPage(0);
        for (const auto& row : rows) {
            SCOPED_TRACE(row.kind);
            List(page, 1168)->setCurrentIndex(row.kind);
            EXPECT_EQ(Label(page, 1171)->text(), row.firstLabel);
            EXPECT_EQ(Edit(page, 1159)->isVisible(), row.secondLine);
            EXPECT_EQ(Label(page, 1172)->isVisible(), row.secondLine);
        }
    });
}

TEST_F(GraphPropsPagesTest, SixteenthGraphStartsHiddenAndStaysHidden)
{
    const auto result = Run(Graph(KindYofX, "x"), true, false, [](CAdvPropertySheet& sheet) {
        QCheckBox* hidden = Check(*sheet.GetPage(0), 1040);
        EXPECT_TRUE(hidden->isChecked());
        hidden->click();
        EXPECT_TRUE(hidden->isChecked());
        PressOk(sheet);
    });
    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(result->hidden);
    ASSERT_EQ(messages.requests.size(), 1u);
    EXPECT_EQ(messages.requests[0].text, MessageRecorder::Text(3001));
    EXPECT_EQ(messages.requests[0].caption, "Error");

    // A graph that may be shown is unhidden freely.
    GraphItem hiddenGraph = Graph(KindYofX, "x");
    hiddenGraph.hidden = true;
    const auto shown = Run(hiddenGraph, false, true, [](CAdvPropertySheet& sheet) {
        Check(*sheet.GetPage(0), 1040)->click();
        PressOk(sheet);
    });
    ASSERT_TRUE(shown.has_value());
    EXPECT_FALSE(shown->hidden);
}

TEST_F(GraphPropsPagesTest, AdvancedPageShowsTheDefaultRangeOfTheKind)
{
    const struct {
        GraphKind kind;
        QString from, to;
        bool timesPi;
        int precisionIndex;
        QString kindText, argument;
    } rows[] = {
        {KindYofX, "-4", "5", false, 1, "y = f ( x )", "x"},
        {KindXofY, "-2", "3", true, 1, "x = f ( y )", "y"},
        {KindParametric, "-1", "2", false, 2, "{ x = f ( t ) & y = g ( t ) }", "t"},
        {KindPolar, "0", "2", true, 3, "r = f ( t )", "t"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.kind);
        Run(Graph(row.kind, "1", "1"), true, true, [&](CAdvPropertySheet& sheet) {
            ASSERT_TRUE(sheet.SetActivePage(1));
            QWidget& page = *sheet.GetPage(1);
            EXPECT_EQ(Edit(page, 1164)->text(), row.from);
            EXPECT_EQ(Edit(page, 1166)->text(), row.to);
            EXPECT_EQ(Check(page, 1213)->isChecked(), row.timesPi);
            EXPECT_EQ(List(page, 1212)->currentIndex(), row.precisionIndex);
            EXPECT_FALSE(Edit(page, 1164)->isEnabled());
            EXPECT_FALSE(List(page, 1212)->isEnabled());
            EXPECT_EQ(Label(page, 1168)->text(), row.kindText);
            EXPECT_EQ(Label(page, 1169)->text(), row.argument);
        });
    }
}

TEST_F(GraphPropsPagesTest, AdvancedPageValidatesItsRange)
{
    const struct {
        const char* from;
        const char* to;
        int precisionIndex;
        unsigned message;  // 0: accepted
    } rows[] = {
        {"2", "2", 0, 3138},
        {"3", "2", 0, 3138},
        {"", "2", 0, 3138},
        {"0", "1", -1, 3139},
        {"abc", "1", 2, 0},  // reads as 0
        {"-1e6", "1e6", 5, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.from) + " .. " + row.to);
        messages.requests.clear();
        const auto result = Run(Graph(KindYofX, "x"), true, true, [&](CAdvPropertySheet& sheet) {
            ASSERT_TRUE(sheet.SetActivePage(1));
            QWidget& page = *sheet.GetPage(1);
            Check(page, 1167)->click();
            Edit(page, 1164)->setText(row.from);
            Edit(page, 1166)->setText(row.to);
            List(page, 1212)->setCurrentIndex(row.precisionIndex);
            PressOk(sheet);
        });
        EXPECT_EQ(result.has_value(), row.message == 0);
        if (row.message) {
            EXPECT_EQ(messages.Texts(), std::vector<QString>{MessageRecorder::Text(row.message)});
            continue;
        }
        EXPECT_TRUE(result->useAdvanced);
        EXPECT_EQ(result->advRange.from, std::strtod(row.from, nullptr));
        EXPECT_EQ(result->advRange.precision, 100 << row.precisionIndex);
    }
}

TEST_F(GraphPropsPagesTest, UseAdvancedStoresAtOnceAndRefillsDefaults)
{
    GraphItem graph = Graph(KindYofX, "x");
    graph.useAdvanced = true;
    graph.advRange = {0.5, 7, 1600};
    graph.advTimesPi = true;
    Run(graph, false, true, [&](CAdvPropertySheet& sheet) {
        ASSERT_TRUE(sheet.SetActivePage(1));
        QWidget& page = *sheet.GetPage(1);
        EXPECT_EQ(Edit(page, 1164)->text(), "0.5");
        EXPECT_EQ(List(page, 1212)->currentIndex(), 4);
        EXPECT_TRUE(Edit(page, 1164)->isEnabled());
        Check(page, 1167)->click();  // off: the coordinate system's range
        EXPECT_EQ(Edit(page, 1164)->text(), "-4");
        EXPECT_FALSE(Edit(page, 1164)->isEnabled());
    });

    const auto result = Run(Graph(KindYofX, "x"), true, true, [&](CAdvPropertySheet& sheet) {
        ASSERT_TRUE(sheet.SetActivePage(1));
        QWidget& page = *sheet.GetPage(1);
        Check(page, 1167)->click();  // on: takes the shown range at once
        Edit(page, 1164)->setText("-9");
        ASSERT_TRUE(sheet.SetActivePage(0));
        sheet.Button(IDOK)->click();
    });
    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(result->useAdvanced);
    EXPECT_EQ(result->advRange.from, -9);
    EXPECT_EQ(result->advRange.to, 5);
    EXPECT_EQ(result->advRange.precision, 200);
}

TEST_F(GraphPropsPagesTest, OkOnGeneralLeavesTheUnseenAdvancedFields)
{
    GraphItem graph = Graph(KindYofX, "x");
    graph.advRange = {2, 2, 300};  // would not pass the Advanced page
    const auto result = Run(graph, false, true, PressOk);
    ASSERT_TRUE(result.has_value());
    EXPECT_FALSE(result->advRange.Differs(graph.advRange));
    EXPECT_FALSE(result->useAdvanced);
}

TEST_F(GraphPropsPagesTest, CaptionsOfTheAddAndEditFlows)
{
    const struct {
        bool newGraph;
        QString sheet, group, advanced;
    } rows[] = {
        {true, "Add new graph", "New graph properties:", "New graph's advanced properties:"},
        {false, "Edit graph properties", "Graph properties:", "Graph's advanced properties:"},
    };
    for (const auto& row : rows) {
        Run(Graph(KindYofX, "x"), row.newGraph, true, [&](CAdvPropertySheet& sheet) {
            EXPECT_EQ(sheet.windowTitle(), row.sheet);
            EXPECT_EQ(sheet.GetPage(0)->findChild<QGroupBox*>("control1170")->title(), row.group);
            ASSERT_TRUE(sheet.SetActivePage(1));
            EXPECT_EQ(Label(*sheet.GetPage(1), 1170)->text(), row.advanced);
        });
    }
}

TEST_F(GraphPropsPagesTest, UseAdvancedWithoutAPrecisionKeepsTheStoredOne)
{
    cs.precision = 300;  // not one of the six: the list shows no selection
    GraphItem graph = Graph(KindYofX, "x");
    graph.advRange.precision = 800;
    Run(graph, true, true, [&](CAdvPropertySheet& sheet) {
        ASSERT_TRUE(sheet.SetActivePage(1));
        QWidget& page = *sheet.GetPage(1);
        EXPECT_EQ(List(page, 1212)->currentIndex(), -1);
        Check(page, 1167)->click();
        EXPECT_EQ(static_cast<CGraphPropsSheet&>(sheet).Graph().advRange.precision, 800);
        PressOk(sheet);
        EXPECT_TRUE(sheet.isVisible());
    });
    EXPECT_EQ(messages.Texts(), std::vector<QString>{MessageRecorder::Text(3139)});
}
