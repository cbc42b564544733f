#include "CCurvixView.h"
#include "CMainFrame.h"
#include "FrameStatusBar.h"
#include "FrameTestSupport.h"
#include "HelpWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSplitter>

namespace {

constexpr unsigned kZoomCommands[] = {ID_ZOOM_IN, ID_ZOOM_OUT, ID_ZOOM_IN_X, ID_ZOOM_OUT_X, ID_ZOOM_IN_Y, ID_ZOOM_OUT_Y};

class ComputedFrameTest : public FrameTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Start());
        Frame().resize(900, 700);
        AddGraphs(1);
        Frame().UpdateCommandUI();
    }
    void TearDown() override { Doc().SetModifiedFlag(false); }

    const QLabel& Pane(int i) const
    {
        return i == 1 ? app->MainFrame()->StatusBar().PositionPane() : app->MainFrame()->StatusBar().ZoomPane();
    }
};

TEST_F(ComputedFrameTest, ZoomCommandsFollowTheComputedPicture)
{
    for (unsigned id : kZoomCommands)
        EXPECT_FALSE(Frame().Action(id)->isEnabled()) << id;
    EXPECT_FALSE(Frame().Action(ID_TANGENT)->isEnabled());
    EXPECT_TRUE(Frame().Action(ID_REFRESH)->isEnabled());
    EXPECT_FALSE(Pane(2).isEnabled());
    EXPECT_FALSE(Pane(1).isEnabled());

    Frame().ExecuteCommand(ID_REFRESH);
    Settle();
    for (unsigned id : kZoomCommands)
        EXPECT_TRUE(Frame().Action(id)->isEnabled()) << id;
    EXPECT_EQ(Pane(2).text(), "Current zoom: 100%");

    const struct {
        unsigned command;
        bool xChanges, yChanges;
    } rows[] = {
        {ID_ZOOM_IN_X, true, false}, {ID_ZOOM_OUT_Y, false, true}, {ID_ZOOM_IN, true, true}, {ID_ZOOM_OUT, true, true},
    };
    for (const auto& row : rows) {
        const int x = Doc().zoomX, y = Doc().zoomY;
        Frame().ExecuteCommand(row.command);
        Frame().UpdateCommandUI();
        EXPECT_EQ(Doc().zoomX != x, row.xChanges) << row.command;
        EXPECT_EQ(Doc().zoomY != y, row.yChanges) << row.command;
        const QString expected = Doc().zoomX == Doc().zoomY
                                     ? QString("Current zoom: %1%").arg(Doc().zoomX)
                                     : QString("Current zoom: (X: %1%; Y: %2%)").arg(Doc().zoomX).arg(Doc().zoomY);
        EXPECT_EQ(Pane(2).text(), expected);
    }
}

TEST_F(ComputedFrameTest, ZoomKeysAreOnTheKeypad)
{
    const struct {
        unsigned command;
        QKeyCombination key;
    } rows[] = {
        {ID_ZOOM_IN, Qt::KeypadModifier | Qt::Key_Plus},
        {ID_ZOOM_OUT, Qt::KeypadModifier | Qt::Key_Minus},
        {ID_ZOOM_IN_X, Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus},
        {ID_ZOOM_OUT_Y, Qt::AltModifier | Qt::KeypadModifier | Qt::Key_Minus},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Frame().Action(row.command)->shortcut(), QKeySequence(row.key)) << row.command;
}

TEST_F(ComputedFrameTest, HelpCommandsOpenLocalPages)
{
    const struct {
        unsigned command;
        QString page;
    } rows[] = {
        {ID_HELP_FINDER, HelpWindow::ContentsUrl().fileName()},
        {ID_WEB_PAGE, HelpWindow::TopicUrl(0x10000 + ID_WEB_PAGE).fileName()},
    };
    for (const auto& row : rows) {
        Frame().ExecuteCommand(row.command);
        ASSERT_NE(HelpWindow::Current(), nullptr);
        EXPECT_EQ(HelpWindow::Current()->Source().fileName(), row.page) << row.command;
    }
}

TEST_F(ComputedFrameTest, PositionReadoutAndItsToggle)
{
    Frame().ExecuteCommand(ID_REFRESH);
    Settle();
    QWidget* viewport = Frame().View().viewport();
    const QPointF at(viewport->width() / 3, viewport->height() / 3);
    QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    EXPECT_TRUE(QRegularExpression(R"(^\( *-?\d+\.\d{4}; *-?\d+\.\d{4}\)$)").match(Pane(1).text()).hasMatch())
        << Pane(1).text().toStdString();
    EXPECT_TRUE(Pane(1).isEnabled());

    const int width = Pane(1).maximumWidth();
    Frame().ExecuteCommand(ID_TOGGLE_CURR_POS);
    EXPECT_EQ(Pane(1).maximumWidth(), 1);
    EXPECT_FALSE(Frame().Action(ID_TOGGLE_CURR_POS)->isChecked());
    Frame().ExecuteCommand(ID_TOGGLE_CURR_POS);
    EXPECT_EQ(Pane(1).maximumWidth(), width);
}

TEST_F(ComputedFrameTest, ListPaneHidesShowsAndSnapsBack)
{
    Frame().show();
    QApplication::processEvents();
    QApplication::processEvents();
    QSplitter& splitter = Frame().Splitter();
    EXPECT_EQ(splitter.sizes().value(0), CGraphDataForm::kPaneWidth);
    const struct {
        std::function<void()> act;
        int width;
    } rows[] = {
        {[&] { Frame().ExecuteCommand(ID_HIDE_GRAPH_PANE); }, 0},
        {[&] { Frame().ExecuteCommand(ID_SHOW_GRAPH_PANE); }, CGraphDataForm::kPaneWidth},
        {[&] { splitter.setSizes({400, 400}); }, CGraphDataForm::kPaneWidth},
    };
    auto keys = [this](std::initializer_list<Qt::Key> sequence) {
        for (Qt::Key key : sequence) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(&Frame(), &press);
        }
    };
    const struct {
        std::initializer_list<Qt::Key> keys;
        int width;
    } moves[] = {
        {{Qt::Key_Left, Qt::Key_Left, Qt::Key_Return}, CGraphDataForm::kPaneWidth - 16},
        {{Qt::Key_Left, Qt::Key_Escape}, CGraphDataForm::kPaneWidth - 16},
    };
    for (const auto& move : moves) {
        Frame().ExecuteCommand(ID_WINDOW_SPLIT);
        keys(move.keys);
        EXPECT_EQ(splitter.sizes().value(0), move.width);
    }
    for (const auto& row : rows) {
        row.act();
        QApplication::processEvents();
        QApplication::processEvents();
        EXPECT_EQ(splitter.sizes().value(0), row.width);
    }
}

}  // namespace
