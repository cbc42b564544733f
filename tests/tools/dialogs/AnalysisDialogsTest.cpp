// The points of interest and table of values dialogs: what they find and
// list, their refusals, Stop, the marks and scrolling they ask of the view,
// and copying and saving their tables.

#include "model/AppSettings.h"
#include "AppTestSupport.h"
#include "gui/AppText.h"
#include "model/CCurvixDoc.h"
#include "view/GraphComputation.h"
#include "tools/dialogs/CFindPointsDlg.h"
#include "tools/dialogs/CValueTableDlg.h"
#include "kit/HelpRequests.h"
#include "app/HelpTopics.h"
#include "model/MemorySettingsBackend.h"
#include "tools/dialogs/TableExport.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>

namespace {

constexpr double kPi = std::numbers::pi;

class AnalysisDialogs : public testing::Test {
protected:
    AnalysisDialogs()
    {
        for (auto [kind, expression] : {std::pair{KindYofX, "sin(x)"}, std::pair{KindPolar, "1"},
                                        std::pair{KindYofX, "cos(x)"}, std::pair{KindXofY, "y*y-1"}}) {
            GraphItem graph;
            graph.kind = kind;
            graph.expression = expression;
            m_doc.AddGraph(graph);
        }
        m_computation.Collect(m_doc);
        m_computation.Prepare(m_doc);
        m_hooks.visible = [] { return std::pair{WorldPoint{0.5, -2}, WorldPoint{10, 2}}; };
        m_hooks.selected = [this] { return m_selected; };
        m_hooks.mark = [this](std::vector<WorldPoint> points) { m_marked = std::move(points); };
        m_hooks.reveal = [this](WorldPoint point) { m_revealed.push_back(point); };
    }
    ~AnalysisDialogs() override { TableExport::SetTestFileChooser({}); }

    template <typename T = QLineEdit>
    static T* Control(QWidget& dialog, const char* name)
    {
        return dialog.findChild<T*>(QString::fromLatin1(name));
    }

    // Starts a search and waits, dispatching events, until it has ended.
    static void Search(CFindPointsDlg& dialog)
    {
        dialog.OnSearch();
        QElapsedTimer timer;
        timer.start();
        while (dialog.IsSearching() && timer.elapsed() < 20000)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_FALSE(dialog.IsSearching());
    }

    static QString Cell(QWidget& dialog, int row, int column)
    {
        return Control<QTableWidget>(dialog, "table")->item(row, column)->text();
    }

    MemorySettingsBackend m_backend;
    AppSettings m_settings{m_backend};
    CCurvixDoc m_doc{m_settings};
    GraphComputation m_computation{m_settings.defaultCoordSystem};
    MessageRecorder m_messages;
    AnalysisViewHooks m_hooks;
    int m_selected = -1;
    std::vector<WorldPoint> m_marked;
    std::vector<WorldPoint> m_revealed;
};

TEST_F(AnalysisDialogs, FindsRootsExtremaAndIntersectionsOfTheChosenGraph)
{
    const struct {
        int listPosition;
        const char* goal;
        const char* from;
        const char* to;
        std::vector<FoundPoint> expected;  // world coordinates
        const char* firstRow[3];
    } rows[] = {
        {0, "roots", "0.5", "10",
         {{PointKind::Root, kPi, 0}, {PointKind::Root, 2 * kPi, 0}, {PointKind::Root, 3 * kPi, 0}},
         {"root", "3.14159265359", nullptr}},
        {0, "extrema", "0.5", "10",
         {{PointKind::Maximum, kPi / 2, 1}, {PointKind::Minimum, 3 * kPi / 2, -1}, {PointKind::Maximum, 5 * kPi / 2, 1}},
         {"maximum", nullptr, "1"}},
        {0, "meet", "0", "7",
         {{PointKind::Root, kPi / 4, std::sqrt(0.5)}, {PointKind::Root, 5 * kPi / 4, -std::sqrt(0.5)}},
         {"intersection", "0.785398163397", "0.707106781187"}},
        // x = f(y): the argument is the world's y.
        {3, "roots", "-2", "2", {{PointKind::Root, 0, -1}, {PointKind::Root, 0, 1}}, {"root", "0", "-1"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.goal);
        m_selected = row.listPosition;
        CFindPointsDlg dialog(m_doc, m_computation, m_hooks);
        Control<QRadioButton>(dialog, row.goal)->setChecked(true);
        Control(dialog, "from")->setText(row.from);
        Control(dialog, "to")->setText(row.to);
        Search(dialog);
        const auto& found = dialog.Points();
        ASSERT_EQ(found.size(), row.expected.size());
        ASSERT_EQ(m_marked.size(), row.expected.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].kind, row.expected[i].kind);
            EXPECT_NEAR(found[i].x, row.expected[i].x, 1e-6);
            EXPECT_NEAR(found[i].y, row.expected[i].y, 1e-9);
            EXPECT_EQ(m_marked[i].x, found[i].x);
            EXPECT_EQ(m_marked[i].y, found[i].y);
        }
        for (int c = 0; c < 3; ++c) {
            if (row.firstRow[c]) {  // 12 digits of x are only sure for crossing roots
                EXPECT_EQ(Cell(dialog, 0, c), row.firstRow[c]);
            }
        }
        EXPECT_TRUE(m_messages.Take().empty());
    }
}

TEST_F(AnalysisDialogs, OffersOnlyFunctionGraphsAndTheVisibleRange)
{
    m_selected = 1;  // a polar graph: not offered, the first one is chosen
    CFindPointsDlg dialog(m_doc, m_computation, m_hooks);
    EXPECT_EQ(Control<QComboBox>(dialog, "graph")->count(), 3);
    EXPECT_EQ(Control<QComboBox>(dialog, "graph")->currentText(), "y = sin(x)");
    EXPECT_EQ(Control(dialog, "from")->text(), "0.5");
    EXPECT_EQ(Control(dialog, "to")->text(), "10");
    EXPECT_EQ(Control<QComboBox>(dialog, "second")->count(), 1);  // cos(x), not itself nor x = f(y)
    EXPECT_EQ(Control<QSpinBox>(dialog, "precision")->value(), 200);
    Control<QComboBox>(dialog, "graph")->setCurrentIndex(2);  // x = f(y): the visible y
    EXPECT_EQ(Control(dialog, "from")->text(), "-2");
    EXPECT_EQ(Control(dialog, "to")->text(), "2");
    EXPECT_FALSE(Control<QRadioButton>(dialog, "meet")->isEnabled());
}

TEST_F(AnalysisDialogs, RefusesUnusableBoundsAndAsksBeforeHugeSearches)
{
    const struct {
        const char* from;
        const char* to;
        const char* precision;
        int answer;
        bool runs;
    } rows[] = {
        {"abc", "1", "200", IDOK, false},
        {"2", "1", "200", IDOK, false},
        {"0", "1e9", "200", IDNO, false},  // 2e11 samples: asked, declined
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.from);
        CFindPointsDlg dialog(m_doc, m_computation, m_hooks);
        Control(dialog, "from")->setText(row.from);
        Control(dialog, "to")->setText(row.to);
        AppMessageBox::SetTestResponder([&](const AppMessageBox::Request& request) {
            m_messages.requests.push_back(request);
            return row.answer;
        });
        dialog.OnSearch();
        EXPECT_EQ(dialog.IsSearching(), row.runs);
        EXPECT_EQ(m_messages.Take().size(), 1u);
    }
}

TEST_F(AnalysisDialogs, StopEndsASearchAndClosingWaitsForIt)
{
    auto dialog = std::make_unique<CFindPointsDlg>(m_doc, m_computation, m_hooks);
    Control(*dialog, "from")->setText("0");
    Control(*dialog, "to")->setText("100000");
    Control<QSpinBox>(*dialog, "precision")->setValue(100000);
    AppMessageBox::SetTestResponder([](const AppMessageBox::Request&) { return IDYES; });
    dialog->OnSearch();
    ASSERT_TRUE(dialog->IsSearching());
    dialog->OnSearch();  // Stop
    QElapsedTimer timer;
    timer.start();
    while (dialog->IsSearching() && timer.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_FALSE(dialog->IsSearching());
    EXPECT_EQ(Control<QLabel>(*dialog, "status")->text(), AppText(StringId::SearchStopped));
    EXPECT_TRUE(m_marked.empty());
    // A dialog destroyed during a search stops it first.
    dialog->OnSearch();
    ASSERT_TRUE(dialog->IsSearching());
    dialog.reset();
}

TEST_F(AnalysisDialogs, SelectingARowRevealsItsPointAndTablesCopyAndSave)
{
    CFindPointsDlg dialog(m_doc, m_computation, m_hooks);
    Search(dialog);  // sin(x) on [0.5, 10]
    Control<QTableWidget>(dialog, "table")->selectRow(1);
    ASSERT_EQ(m_revealed.size(), 1u);
    EXPECT_NEAR(m_revealed[0].x, 2 * kPi, 1e-12);

    dialog.OnCopy();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith("Point\tx\ty\nroot\t3.14159265359\t")) << copied.toStdString();
    EXPECT_EQ(copied.count('\n'), 4);

    QTemporaryDir dir;
    const QString path = dir.filePath("points.csv");
    TableExport::SetTestFileChooser([&] { return path; });
    dialog.OnSave();
    std::stringstream saved;
    saved << std::ifstream(path.toStdString()).rdbuf();
    EXPECT_EQ(QString::fromStdString(saved.str()), QString(copied).replace('\t', ','));
    EXPECT_TRUE(m_messages.Take().empty());
    // A folder that does not exist: reported, nothing written.
    TableExport::SetTestFileChooser([&] { return dir.filePath("none/points.csv"); });
    dialog.OnSave();
    EXPECT_EQ(m_messages.Take().size(), 1u);
}

TEST_F(AnalysisDialogs, ValueTableListsEachKindAndRefusesAbsurdSteps)
{
    m_selected = 0;
    CValueTableDlg dialog(m_doc, m_computation, m_hooks);
    EXPECT_EQ(Control(dialog, "from")->text(), "0.5");
    EXPECT_EQ(Control(dialog, "to")->text(), "10");
    EXPECT_EQ(Control(dialog, "step")->text(), "0.95");
    const struct {
        int graph;
        const char* from;
        const char* to;
        const char* step;
        std::vector<StringId> messages;
        int rows;
        QString lastRow;
    } rows[] = {
        {0, "0", "1", "0.5", {}, 3, "1\t0.841470984808\t"},
        {1, "0", "3.141592653589793", "3.141592653589793", {}, 2, "3.14159265359\t-1\t1.22464679915e-16\t"},
        {3, "-1", "1", "1", {}, 3, "0\t1\t"},
        {0, "0", "1", "abc", {StringId::BadStep}, 3, "0\t1\t"},
        {0, "0", "1", "0", {StringId::BadTableRange}, 3, "0\t1\t"},
        {0, "0", "1e6", "1e-6", {StringId::TooManyRows}, 3, "0\t1\t"},  // refused at once, not computed
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.step);
        Control<QComboBox>(dialog, "graph")->setCurrentIndex(row.graph);
        Control(dialog, "from")->setText(row.from);
        Control(dialog, "to")->setText(row.to);
        Control(dialog, "step")->setText(row.step);
        dialog.OnMakeTable();
        const std::vector<QString> shown = m_messages.Take();
        ASSERT_EQ(shown.size(), row.messages.size());
        if (!row.messages.empty()) {
            EXPECT_TRUE(shown[0].startsWith(AppText(row.messages[0]).left(10)));
        }
        auto* table = Control<QTableWidget>(dialog, "table");
        ASSERT_EQ(table->rowCount(), row.rows);
        QString last;
        for (int c = 0; c < table->columnCount(); ++c)
            last += table->item(row.rows - 1, c)->text() + "\t";
        EXPECT_EQ(last, row.lastRow);
    }
    dialog.OnCopy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "x\ty\n0\t-1\n-1\t0\n0\t1\n");
}

}  // namespace

// F1 in either dialog, wherever the focus is, opens the dialog's own topic.
TEST_F(AnalysisDialogs, F1OpensEachDialogsTopic)
{
    CFindPointsDlg points(m_doc, m_computation, m_hooks);
    CValueTableDlg table(m_doc, m_computation, m_hooks);
    const struct {
        QDialog* dialog;
        const char* field;
        const char* page;
    } cases[] = {{&points, "from", "analysis.html#points"}, {&table, "step", "analysis.html#table"}};
    for (const auto& c : cases) {
        HelpRequests::ClearSubmitted();
        c.dialog->show();
        QWidget* field = Control(*c.dialog, c.field);
        field->setFocus();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(field, &press);
        ASSERT_EQ(HelpRequests::Submitted().size(), 1u) << c.page;
        EXPECT_EQ(HelpTopicPage(HelpRequests::Submitted().back().contextId), c.page);
        c.dialog->hide();
    }
}
