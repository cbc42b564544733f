// The integral sheet: runs, stops, refusals and the redisplay of results.

#include "model/AppSettings.h"
#include "AppTestSupport.h"
#include "gui/AppText.h"
#include "model/CCurvixDoc.h"
#include "view/GraphComputation.h"
#include "tools/dialogs/CIntegralCalcResultsPage.h"
#include "tools/dialogs/CIntegralSelGraphPage.h"
#include "KeyboardInput.h"
#include "model/MemorySettingsBackend.h"
#include "tools/dialogs/ToolCommands.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>


namespace {

class IntegralSheet : public testing::Test {
protected:
    IntegralSheet()
    {
        GraphItem graph;
        graph.expression = "x";
        m_doc.AddGraph(graph);
        graph.kind = KindParametric;
        graph.expression = "t";
        graph.expression2 = "-t";
        m_doc.AddGraph(graph);
    }

    // Opens the tool; drive works on the two pages with the sheet shown.
    void Open(const std::function<void(CAdvPropertySheet&, CIntegralSelGraphPage&, CIntegralCalcResultsPage&)>& drive)
    {
        SheetDriver driver([&](CAdvPropertySheet& sheet) {
            drive(sheet, *static_cast<CIntegralSelGraphPage*>(sheet.GetPage(0)),
                  *static_cast<CIntegralCalcResultsPage*>(sheet.GetPage(1)));
        });
        OpenIntegralTool(m_doc, m_computation, m_settings, nullptr);
    }

    // Waits, dispatching events, until the run has reported its end.
    static void WaitForRun(const CIntegralCalcResultsPage& page)
    {
        QElapsedTimer timer;
        timer.start();
        while (page.IsCalculating() && timer.elapsed() < 20000)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    static void Calculate(CIntegralCalcResultsPage& page, const char* from, const char* to)
    {
        Get(&page, 1075)->setText(from);
        Get(&page, 1074)->setText(to);
        Get<CImageButton>(&page, 1077)->click();
    }

    MemorySettingsBackend m_backend;
    AppSettings m_settings{m_backend};
    CCurvixDoc m_doc{m_settings};
    GraphComputation m_computation{m_settings.defaultCoordSystem};
    MessageRecorder m_messages;
};

TEST_F(IntegralSheet, RunsAndShowsTheResultRoundedAsAsked)
{
    Open([&](CAdvPropertySheet& sheet, CIntegralSelGraphPage&, CIntegralCalcResultsPage& page) {
        ASSERT_TRUE(sheet.SetActivePage(1));
        EXPECT_EQ(Get<QLabel>(&page, 1083)->text(), "(x) dx");
        Get<QComboBox>(&page, 1216)->setCurrentIndex(0);
        Calculate(page, "-1", "0.25");
        EXPECT_FALSE(sheet.Button(IDCLOSE)->isEnabled());
        EXPECT_EQ(Get<CImageButton>(&page, 1077)->text(), AppText(StringId::Stop));
        WaitForRun(page);
        EXPECT_TRUE(sheet.Button(IDCLOSE)->isEnabled());
        auto* places = Get<QSpinBox>(&page, 1091);
        EXPECT_EQ(places->maximum(), 2);  // lowered from 8 at 100 %
        EXPECT_EQ(Get<QLabel>(&page, 1085)->text(), "Result >> -0.47");
        places->setValue(1);
        EXPECT_EQ(Get<QLabel>(&page, 1085)->text(), "Result >> -0.5");
        Get<QRadioButton>(&page, 1138)->setChecked(true);
        EXPECT_EQ(Get<QLabel>(&page, 1085)->text(), "Result >> 0.5");
        EXPECT_NEAR(page.areaResult, 0.53125, 1e-9);  // the stored value keeps every place
    });
    EXPECT_TRUE(m_messages.Take().empty());
}

TEST_F(IntegralSheet, StopsOnRequestAndWhenTheUserLeaves)
{
    Open([&](CAdvPropertySheet& sheet, CIntegralSelGraphPage&, CIntegralCalcResultsPage& page) {
        ASSERT_TRUE(sheet.SetActivePage(1));
        Calculate(page, "0", "99999");
        Get<CImageButton>(&page, 1077)->click();  // now Stop
        WaitForRun(page);
        EXPECT_EQ(Get<QLabel>(&page, 1085)->text(), AppText(StringId::UserBreak));
        EXPECT_FALSE(page.resultValid);

        Calculate(page, "0", "99999");
        AppMessageBox::SetTestResponder([](const AppMessageBox::Request&) { return IDCANCEL; });
        EXPECT_FALSE(sheet.SetActivePage(0));
        AppMessageBox::SetTestResponder([](const AppMessageBox::Request&) { return IDOK; });
        EXPECT_TRUE(sheet.SetActivePage(0));
        WaitForRun(page);
        EXPECT_EQ(Get<QLabel>(&page, 1085)->text(), AppText(StringId::UserBreak));
    });
}

TEST_F(IntegralSheet, RefusesUnusableChoicesAndBounds)
{
    const struct {
        int row;  // graph row, or -1 for the custom function below
        const char* expression;
        const char* letter;
        const char* from;
        const char* to;
        QString message;  // the box shown, empty for none
        QString result;   // the result text afterwards, empty to skip
    } rows[] = {
        {-1, "", "x", "0", "1", AppText(StringId::NothingChosen), ""},
        {-1, "z", "z", "0", "1", AppText(StringId::LetterNotSupported), ""},
        {-1, "x)", "x", "0", "1", "[Syntax error] Unexpected symbol was found", ""},
        {-1, "1/x", "x", "-1", "1", "", AppText(StringId::NotContinuous)},
        {-1, "x", "x", "0,5", "1", "The string you have entered '0,5' contains incorrect characters ','.", ""},
        {1, "", "", "0", "1", "", "Result >> -0.5"},  // y = g(t) of the parametric graph
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expression);
        Open([&](CAdvPropertySheet& sheet, CIntegralSelGraphPage& selection, CIntegralCalcResultsPage& page) {
            if (row.row < 0) {
                Get<QRadioButton>(&selection, 1197)->setChecked(true);
                Get(&selection, 1198)->setText(row.expression);
                Get(&selection, 1199)->setText(row.letter);
            } else {
                Get<QListWidget>(&selection, 1214)->setCurrentRow(row.row);
                Get<QRadioButton>(&selection, 1202)->setChecked(true);
            }
            if (sheet.SetActivePage(1)) {
                Calculate(page, row.from, row.to);
                WaitForRun(page);
            }
            const std::vector<QString> shown = m_messages.Take();
            if (row.message.isEmpty()) {
                EXPECT_TRUE(shown.empty());
            } else {
                ASSERT_EQ(shown.size(), 1u);
                EXPECT_TRUE(shown[0].startsWith(row.message)) << shown[0].toStdString();
            }
            if (!row.result.isEmpty()) {
                EXPECT_EQ(Get<QLabel>(&page, 1085)->text(), row.result);
            }
        });
    }
}

// A run of more than 1e9 steps at the chosen precision (here 200 %, the
// document's) asks first; No leaves the page as it was, with the result of
// the run before.
TEST_F(IntegralSheet, AsksBeforeARunOfTooManySteps)
{
    const QString question = QString::fromStdString(
        "The range holds 200000000000000 steps at the chosen precision, more than 1000000000: the calculation "
        "may take a very long time.\n\nCalculate anyway?");
    const struct {
        const char* to;
        int answer;
        bool asked;
        bool runs;
    } rows[] = {
        {"1e12", IDNO, true, false},
        {"1e12", IDYES, true, true},
        {"5e6", IDNO, false, true},  // 1e9 steps exactly
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.to) + (row.answer == IDYES ? " yes" : " no"));
        Open([&](CAdvPropertySheet& sheet, CIntegralSelGraphPage&, CIntegralCalcResultsPage& page) {
            ASSERT_TRUE(sheet.SetActivePage(1));
            Calculate(page, "0", "1");
            WaitForRun(page);
            const QString before = Get<QLabel>(&page, 1085)->text();
            std::vector<AppMessageBox::Request> asked;
            AppMessageBox::SetTestResponder([&](const AppMessageBox::Request& request) {
                asked.push_back(request);
                return row.answer;
            });
            Calculate(page, "0", row.to);
            EXPECT_EQ(page.IsCalculating(), row.runs);
            ASSERT_EQ(asked.size(), row.asked ? 1u : 0u);
            if (row.asked) {
                EXPECT_EQ(asked[0].text, question);
                EXPECT_EQ(asked[0].style, MB_YESNO | MB_ICONQUESTION);
            }
            if (row.runs) {
                Get<CImageButton>(&page, 1077)->click();  // Stop
                WaitForRun(page);
            } else {
                EXPECT_EQ(Get<QLabel>(&page, 1085)->text(), before);
                EXPECT_TRUE(page.resultValid);
                EXPECT_TRUE(Get<QSpinBox>(&page, 1091)->isEnabled());
                EXPECT_EQ(Get(&page, 1074)->text(), row.to);
            }
            AppMessageBox::SetTestResponder([](const AppMessageBox::Request&) { return IDOK; });
        });
    }
}

// A result belongs to the function it was calculated for: choosing another
// one clears it, choosing the same one again keeps it.
TEST_F(IntegralSheet, AnotherIntegrandClearsTheResult)
{
    const auto chooseGraph = [](int row, int function) {
        return [row, function](CIntegralSelGraphPage& selection) {
            Get<QRadioButton>(&selection, 1196)->setChecked(true);
            Get<QListWidget>(&selection, 1214)->setCurrentRow(row);
            Get<QRadioButton>(&selection, function)->setChecked(true);
        };
    };
    const struct {
        const char* what;
        std::function<void(CIntegralSelGraphPage&)> choose;
        bool cleared;
    } rows[] = {
        {"the same function", chooseGraph(1, 1201), false},
        {"the other function of the graph", chooseGraph(1, 1202), true},
        {"another graph", chooseGraph(0, 1201), true},
        {"a custom function",
         [](CIntegralSelGraphPage& selection) {
             Get<QRadioButton>(&selection, 1197)->setChecked(true);
             Get(&selection, 1198)->setText("2*t");
             Get(&selection, 1199)->setText("t");
         },
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Open([&](CAdvPropertySheet& sheet, CIntegralSelGraphPage& selection, CIntegralCalcResultsPage& page) {
            chooseGraph(1, 1201)(selection);  // x = f(t) of the parametric graph: t
            ASSERT_TRUE(sheet.SetActivePage(1));
            Calculate(page, "0", "1");
            WaitForRun(page);
            ASSERT_EQ(Get<QLabel>(&page, 1085)->text(), "Result >> 0.5");
            ASSERT_TRUE(sheet.SetActivePage(0));
            row.choose(selection);
            ASSERT_TRUE(sheet.SetActivePage(1));
            EXPECT_EQ(Get<QLabel>(&page, 1085)->text(), row.cleared ? AppText(StringId::IntegralTip) : "Result >> 0.5");
            EXPECT_EQ(page.resultValid, !row.cleared);
            EXPECT_EQ(Get<QSpinBox>(&page, 1091)->isEnabled(), !row.cleared);
        });
    }
}

// A refused bound gets the caret back, its text selected.
TEST_F(IntegralSheet, RefusedBoundTakesTheFocus)
{
    const struct {
        const char *from, *to;
        int field;
    } rows[] = {
        {"", "1", 1075}, {"0", "", 1074}, {"0,5", "1", 1075}, {"0", "1x", 1074}, {"2", "1", 1075}, {"1e999", "1", 1075},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.from) + " .. " + row.to);
        Open([&](CAdvPropertySheet& sheet, CIntegralSelGraphPage&, CIntegralCalcResultsPage& page) {
            Activate(&sheet);
            ASSERT_TRUE(sheet.SetActivePage(1));
            Calculate(page, row.from, row.to);
            EXPECT_EQ(m_messages.Take().size(), 1u);
            EXPECT_EQ(FocusedControl(), row.field);
        });
    }
}

}  // namespace
