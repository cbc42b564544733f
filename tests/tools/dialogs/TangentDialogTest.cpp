// The tangent dialog: the equations shown, its refusals and adding a line.

#include "model/AppSettings.h"
#include "AppTestSupport.h"
#include "gui/AppText.h"
#include "tools/dialogs/CAddTangentNormalDlg.h"
#include "model/CCurvixDoc.h"
#include "view/GraphComputation.h"
#include "app/CGraphListBox.h"
#include "KeyboardInput.h"
#include "model/MemorySettingsBackend.h"
#include "tools/dialogs/ToolCommands.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

class TangentDialog : public testing::Test {
protected:
    TangentDialog()
    {
        for (auto [kind, expression] : {std::pair{KindYofX, "x*x"}, std::pair{KindPolar, "1"}}) {
            GraphItem graph;
            graph.kind = kind;
            graph.expression = expression;
            m_doc.AddGraph(graph);
        }
        m_computation.Collect(m_doc);
        m_computation.Prepare(m_doc);
        m_dialogOwner = std::make_unique<CAddTangentNormalDlg>(m_doc, m_computation, m_settings);
    }

    // Calculates at the argument; the result text and the label before it.
    std::pair<QString, QString> Calculate(int row, const char* argument, bool timesPi, bool normal)
    {
        Get<QListWidget>(&Dialog(), 1139)->setCurrentRow(row);
        Get(&Dialog(), 1096)->setText(argument);
        Get<QCheckBox>(&Dialog(), 1218)->setChecked(timesPi);
        Get<QRadioButton>(&Dialog(), normal ? 1149 : 1148)->setChecked(true);
        Dialog().OnCalculate();
        return {Get(&Dialog(), 1140)->text(), Get<QLabel>(&Dialog(), 1186)->text()};
    }

    MemorySettingsBackend m_backend;
    AppSettings m_settings{m_backend};
    CCurvixDoc m_doc{m_settings};
    GraphComputation m_computation{m_settings.defaultCoordSystem};
    MessageRecorder m_messages;
    CAddTangentNormalDlg& Dialog() { return *m_dialogOwner; }
    std::unique_ptr<CAddTangentNormalDlg> m_dialogOwner;
};

TEST_F(TangentDialog, ShowsTheChosenLineOrWhyThereIsNone)
{
    const struct {
        int row;
        const char* argument;
        bool timesPi, normal;
        int answer;  // to the out-of-range question
        const char* result;
        const char* label;
        std::vector<QString> messages;
    } rows[] = {
        {0, "1", false, false, IDOK, "2x - 1", "y =", {}},
        {0, "0", false, true, IDOK, "0", "x =", {}},
        {0, "abc", false, false, IDOK, "0", "y =", {}},  // unreadable text is 0
        {1, "0.5", true, false, IDOK, "1", "y =", {}},
        {0, "1e9", false, false, IDCANCEL, "1", "y =", {AppText(StringId::ArgumentOutsideRange)}},  // the last line stays
        {0, "1e9", false, false, IDOK, "[not calculated]", "y =", {AppText(StringId::ArgumentOutsideRange), AppText(StringId::NoFunctionAtArgument)}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.argument);
        AppMessageBox::SetTestResponder([&](const AppMessageBox::Request& request) {
            m_messages.requests.push_back(request);
            return row.answer;
        });
        const auto [result, label] = Calculate(row.row, row.argument, row.timesPi, row.normal);
        EXPECT_EQ(result, row.result);
        EXPECT_EQ(label, row.label);
        EXPECT_EQ(m_messages.Take(), row.messages);
        EXPECT_EQ(Get<CImageButton>(&Dialog(), 1141)->isEnabled(), row.result != AppText(StringId::NotCalculated));
    }
}

TEST_F(TangentDialog, AddsTheLineOnceThroughTheGraphSheet)
{
    SheetDriver driver(PressOk);
    Calculate(0, "1", false, true);
    Dialog().OnAddToList();
    EXPECT_TRUE(Dialog().added);
    ASSERT_EQ(m_doc.GetGraphCount(), 3);
    EXPECT_TRUE(m_doc.IsModified());
    const auto* list = Get<CGraphListBox>(&Dialog(), 1139);
    ASSERT_EQ(list->count(), 3);
    EXPECT_FALSE(list->HasCheckBoxes());
    EXPECT_EQ(list->ItemGraph(2)->expression, "-0.5x + 1.5");
    // The same line again: the sheet stays open with the message.
    bool stayedOpen = false;
    SheetDriver again([&](CAdvPropertySheet& sheet) {
        PressOk(sheet);
        stayedOpen = sheet.isVisible();
    });
    Dialog().OnAddToList();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(m_doc.GetGraphCount(), 3);
    EXPECT_EQ(m_messages.Take(), MessageRecorder::Texts({StringId::DuplicateTangent}));

    // The added line, not yet computed, still has its tangent.
    EXPECT_EQ(Calculate(2, "0", false, false).first, "-0.5x + 1.5");
}

TEST_F(TangentDialog, ToolReportsWhetherAGraphWasAdded)
{
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_FALSE(OpenTangentTool(m_doc, m_computation, m_settings, nullptr));
}

}  // namespace

// The dialog opens with the caret in the argument field; Enter there
// calculates (Calculate is the default button while it is enabled), and a
// refused argument gets the caret back.
TEST_F(TangentDialog, EnterInTheArgumentFieldCalculates)
{
    Dialog().show();
    Activate(&Dialog());
    EXPECT_EQ(FocusedControl(), 1096);
    QTest::keyClicks(QApplication::focusWidget(), "2");
    Type(Qt::Key_Return);
    EXPECT_EQ(Get(&Dialog(), 1140)->text(), "4x - 4");
    EXPECT_TRUE(Dialog().isVisible());

    AppMessageBox::SetTestResponder([&](const AppMessageBox::Request& request) {
        m_messages.requests.push_back(request);
        return IDCANCEL;
    });
    Get(&Dialog(), 1096)->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "1e9");
    Type(Qt::Key_Return);
    EXPECT_EQ(m_messages.Take(), std::vector<QString>{AppText(StringId::ArgumentOutsideRange)});
    EXPECT_EQ(FocusedControl(), 1096);
}
