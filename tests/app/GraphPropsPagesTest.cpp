#include "AppTestSupport.h"
#include "expr/CExprException.h"
#include "expr/CExpression.h"
#include "app/GraphPropsSheet.h"
#include "expr/CVariableTable.h"
#include "model/CoordSystem.h"
#include "model/GraphItem.h"
#include "KeyboardInput.h"

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
    // Runs the sheet for a new graph; the graph after OK, or nothing.
    std::optional<GraphItem> Run(const GraphItem& graph, std::function<void(CAdvPropertySheet&)> drive)
    {
        SheetDriver driver(std::move(drive));
        GraphPropsSheet sheet(graph, {true, true, m_cs, m_colors}, nullptr);
        if (sheet.DoModal() != IDOK)
            return std::nullopt;
        return sheet.Graph();
    }

    CoordSystem m_cs;
    std::array<std::uint32_t, 16> m_colors{};
    MessageRecorder m_messages;
};

// The engine's own message for a text compiled for one argument alone.
QString EngineMessage(const char* text, const char* argument)
{
    std::lock_guard lock(theVariables.Lock());
    for (const char* name : {"x", "y", "t"})
        theVariables.SetAvailable(name, name == std::string(argument));
    theVariables.SetCurrent(argument);
    try {
        CExpression expression(text, false);
        expression.Simplify();
        expression.Evaluate();
    } catch (const CExprException& error) {
        return QString::fromStdString(error.Message());
    }
    return "accepted";
}

}  // namespace

// A refusal puts the caret back in the field at fault, its text selected.
TEST_F(GraphPropsPagesTest, GeneralPageRefusesInOrder)
{
    const QString noBody = MessageRecorder::Texts({StringId::NoFunctionBody})[0];
    const struct {
        GraphKind kind;
        const char *first, *second;
        QString message;  // empty: accepted
        int field;        // the control with the focus after a refusal
    } rows[] = {
        {KindYofX, "", "", noBody, 1158},
        {KindParametric, "cos(t)", "", noBody, 1159},
        {GraphKind(4), "x", "", noBody, 1168},  // a file's kind outside the list
        {KindYofX, "sin(x", "", EngineMessage("sin(x", "x"), 1158},
        {KindYofX, "t*2", "", EngineMessage("t*2", "x"), 1158},  // t is not x's argument
        {KindParametric, "cos(t)", "2*x", EngineMessage("2*x", "t"), 1159},
        {KindParametric, "2*x", "sin(t)", EngineMessage("2*x", "t"), 1158},
        {KindXofY, "y^2", "", "", 0},
        {KindPolar, "1+t", "", "", 0},
        {KindParametric, "cos(t)", "sin(t)", "", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.first) + " & " + row.second);
        int opened = 0, refused = 0;
        const auto result = Run(Graph(row.kind, row.first, row.second), [&](CAdvPropertySheet& sheet) {
            Activate(&sheet);
            opened = FocusedControl();
            PressOk(sheet);
            refused = FocusedControl();
        });
        EXPECT_EQ(opened, 1158) << "the sheet opens with the caret in the first equation";
        EXPECT_EQ(result.has_value(), row.message.isEmpty());
        EXPECT_EQ(result.value_or(Graph(row.kind, "")).kind, row.kind);
        EXPECT_NE(row.message, "accepted");
        EXPECT_EQ(m_messages.Take(), row.message.isEmpty() ? std::vector<QString>{}
                                                         : std::vector<QString>{row.message});
        if (!row.message.isEmpty()) {
            EXPECT_EQ(refused, row.field);
        }
    }
}

TEST_F(GraphPropsPagesTest, SyntaxCheckRefusesWhileAComputationHoldsTheLock)
{
    std::promise<void> locked, release;
    std::thread computation([&] {
        std::lock_guard lock(theVariables.Lock());
        locked.set_value();
        release.get_future().wait();
    });
    locked.get_future().wait();
    bool stayed = false;
    Run(Graph(KindYofX, "x^2"), [&](CAdvPropertySheet& sheet) {
        PressOk(sheet);
        stayed = sheet.isVisible();
    });
    release.set_value();
    computation.join();
    EXPECT_TRUE(stayed);
    EXPECT_EQ(m_messages.Take(), MessageRecorder::Texts({StringId::ComputationRunning}));
    EXPECT_TRUE(Run(Graph(KindYofX, "x^2"), PressOk).has_value()) << "passes once the lock is free";
}

// A range the computation could never sample is refused as the coordinate-
// system page refuses its ranges: the edges' limit for y = f(x) and
// x = f(y), the argument-range limit for parametric and polar graphs, with
// the pi factor counted.
TEST_F(GraphPropsPagesTest, AdvancedPageRefusesInOrder)
{
    const struct {
        GraphKind kind;
        const char *from, *to;
        int precisionIndex;
        bool timesPi;
        std::initializer_list<StringId> messages;
    } rows[] = {
        {KindYofX, "2", "2", 0, false, {StringId::WrongRange}},
        {KindYofX, "3", "2", 0, false, {StringId::WrongRange}},
        {KindYofX, "", "2", 0, false, {StringId::WrongRange}},
        {KindYofX, "", "2", -1, false, {StringId::NoPrecision}},  // the precision first
        {KindYofX, "abc", "1", 2, false, {}},    // reads as 0
        {KindYofX, "-5e4", "5e4", 5, false, {}},  // 1.28e9 units of 1/12800
        {KindYofX, "-1e6", "1e6", 5, false, {StringId::CoordSystemTooLarge}},
        {KindXofY, "-5e4", "5e4", 5, true, {StringId::CoordSystemTooLarge}},
        {KindPolar, "0", "7.8", 5, false, {}},  // 99,840 units of 1/12800
        {KindPolar, "0", "7.9", 5, false, {StringId::CoordSystemTooLarge}},
        {KindParametric, "0", "2", 5, true, {}},
        {KindParametric, "0", "2.5", 5, true, {StringId::CoordSystemTooLarge}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.from) + " .. " + row.to + (row.timesPi ? " pi" : ""));
        const char* expression = row.kind == KindYofX ? "x" : row.kind == KindXofY ? "y" : "t";
        const auto result = Run(Graph(row.kind, expression, expression), [&](CAdvPropertySheet& sheet) {
            ASSERT_TRUE(sheet.SetActivePage(1));
            QWidget* page = sheet.GetPage(1);
            Get<QCheckBox>(page, 1167)->click();
            Get(page, 1164)->setText(row.from);
            Get(page, 1166)->setText(row.to);
            Get<QCheckBox>(page, 1213)->setChecked(row.timesPi);
            Get<QComboBox>(page, 1212)->setCurrentIndex(row.precisionIndex);
            PressOk(sheet);
        });
        EXPECT_EQ(m_messages.Take(), MessageRecorder::Texts(row.messages));
        ASSERT_EQ(result.has_value(), row.messages.size() == 0);
        if (result) {
            EXPECT_TRUE(result->useAdvanced);
            EXPECT_EQ(result->advRange.from, std::strtod(row.from, nullptr));
            EXPECT_EQ(result->advRange.precision, 100 << row.precisionIndex);
        }
    }
}

// Without "Use advanced options" the page shows the coordinate system's
// range, which only the coordinate-system pages can change.
TEST_F(GraphPropsPagesTest, AdvancedPageChecksOnlyTheGraphsOwnRange)
{
    m_cs.left = -1e6;
    m_cs.right = 1e6;
    m_cs.precision = 3200;
    const auto result = Run(Graph(KindYofX, "x"), [&](CAdvPropertySheet& sheet) {
        ASSERT_TRUE(sheet.SetActivePage(1));
        PressOk(sheet);
    });
    EXPECT_TRUE(m_messages.Take().empty());
    ASSERT_TRUE(result.has_value());
    EXPECT_FALSE(result->useAdvanced);
}

// The equation fields take as much as the engine reads, no more.
TEST_F(GraphPropsPagesTest, EquationFieldsTakeWhatTheEngineReads)
{
    for (int field : {1158, 1159}) {
        SCOPED_TRACE(field);
        const auto result = Run(Graph(KindParametric, "t", "t"), [&](CAdvPropertySheet& sheet) {
            Get(sheet.GetPage(0), field)->setText(QString(300, '1'));
            EXPECT_EQ(Get(sheet.GetPage(0), field)->text(), QString(255, '1'));
            PressOk(sheet);
        });
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ((field == 1158 ? result->expression : result->expression2), std::string(255, '1'));
    }
}

TEST_F(GraphPropsPagesTest, UseAdvancedWithoutAPrecisionKeepsTheStoredOne)
{
    m_cs.precision = 300;  // not listed: the list shows no selection
    GraphItem graph = Graph(KindYofX, "x");
    graph.advRange.precision = 800;
    Run(graph, [&](CAdvPropertySheet& sheet) {
        ASSERT_TRUE(sheet.SetActivePage(1));
        EXPECT_EQ(Get<QComboBox>(sheet.GetPage(1), 1212)->currentIndex(), -1);
        Get<QCheckBox>(sheet.GetPage(1), 1167)->click();
        EXPECT_EQ(static_cast<GraphPropsSheet&>(sheet).Graph().advRange.precision, 800);
        PressOk(sheet);
        EXPECT_TRUE(sheet.isVisible());
    });
    EXPECT_EQ(m_messages.Take(), MessageRecorder::Texts({StringId::NoPrecision}));
}
