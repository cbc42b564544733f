#include "view/widget/CCurvixView.h"
#include "app/frame/CMainFrame.h"
#include "app/frame/FrameStatusBar.h"
#include "FrameTestSupport.h"
#include "app/HelpWindow.h"
#include "model/DocView.h"
#include "KeyboardInput.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenuBar>
#include <QLineEdit>
#include <QTest>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSplitter>
#include <QToolBar>

namespace {

constexpr CommandId kZoomCommands[] = {CommandId::ZoomIn,  CommandId::ZoomOut, CommandId::ZoomInX,
                                       CommandId::ZoomOutX, CommandId::ZoomInY, CommandId::ZoomOutY};

class ComputedFrameTest : public FrameTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Start());
        Frame().resize(900, 700);
        AddGraphs(1);
        QApplication::processEvents();
    }
    void TearDown() override { Doc().SetModifiedFlag(false); }

    const QLabel& Pane(int i) const
    {
        return i == 1 ? m_app->MainFrame()->StatusBar().PositionPane() : m_app->MainFrame()->StatusBar().ZoomPane();
    }
};

TEST_F(ComputedFrameTest, ZoomCommandsFollowTheComputedPicture)
{
    for (CommandId id : kZoomCommands)
        EXPECT_FALSE(Frame().Action(id)->isEnabled()) << id;
    EXPECT_FALSE(Frame().Action(CommandId::Tangent)->isEnabled());
    EXPECT_TRUE(Frame().Action(CommandId::Refresh)->isEnabled());
    EXPECT_FALSE(Pane(2).isEnabled());
    EXPECT_FALSE(Pane(1).isEnabled());

    Frame().ExecuteCommand(CommandId::Refresh);
    Settle();
    for (CommandId id : kZoomCommands)
        EXPECT_TRUE(Frame().Action(id)->isEnabled()) << id;
    EXPECT_EQ(Pane(2).text(), "Current zoom: 100%");

    const struct {
        CommandId command;
        bool xChanges, yChanges;
    } rows[] = {
        {CommandId::ZoomInX, true, false},
        {CommandId::ZoomOutY, false, true},
        {CommandId::ZoomIn, true, true},
        {CommandId::ZoomOut, true, true},
    };
    for (const auto& row : rows) {
        const int x = Doc().zoomX, y = Doc().zoomY;
        Frame().ExecuteCommand(row.command);
        QApplication::processEvents();
        EXPECT_EQ(Doc().zoomX != x, row.xChanges) << row.command;
        EXPECT_EQ(Doc().zoomY != y, row.yChanges) << row.command;
        const QString expected = Doc().zoomX == Doc().zoomY
                                     ? QString("Current zoom: %1%").arg(Doc().zoomX)
                                     : QString("Current zoom: (X: %1%; Y: %2%)").arg(Doc().zoomX).arg(Doc().zoomY);
        EXPECT_EQ(Pane(2).text(), expected);
    }
}

// Each command's state follows its inputs as they change, within one pass
// of the event loop: the document, the computation, the selected graph, the
// toolbar. Nothing polls for them.
TEST_F(ComputedFrameTest, CommandsFollowTheirInputsAtOnce)
{
    Frame().ExecuteCommand(CommandId::Refresh);
    Settle();
    const auto enabled = [this](CommandId id) { return Frame().Action(id)->isEnabled(); };
    const auto computeAgain = [this] {
        Frame().View().Refresh();
        Settle();
    };
    const struct {
        const char* change;
        std::function<void()> make;
        std::function<bool()> holds;
    } rows[] = {
        {"no graph selected", [this] { Frame().Form().List().SetCurSel(-1); },
         [&] { return !enabled(CommandId::SelectedGraphProperties); }},
        {"a graph selected", [this] { Frame().Form().List().SetCurSel(0); },
         [&] { return enabled(CommandId::SelectedGraphProperties) && !enabled(CommandId::EditUndo); }},
        {"a graph hidden in the list", [this] { Frame().Form().List().ToggleVisibility(0); },
         [&] { return enabled(CommandId::EditUndo) && Frame().isWindowModified(); }},
        {"undone", [this] { Doc().Undo(); }, [&] { return enabled(CommandId::EditRedo); }},
        {"saved", [this] { Doc().OnSaveDocument(Path("saved.cvx").toStdString()); },
         [this] { return !Frame().isWindowModified(); }},
        {"the picture dropped", [this] { Computation().Reset(Doc().coordSystem); },
         [&] { return !enabled(CommandId::CopyPicture) && !enabled(CommandId::ZoomIn); }},
        {"computed again", computeAgain,
         [&] { return enabled(CommandId::CopyPicture) && enabled(CommandId::ZoomIn); }},
        {"toolbar hidden", [this] { Frame().ToolBar().hide(); },
         [this] { return !Frame().Action(CommandId::ViewToolbar)->isChecked(); }},
        {"every graph removed",
         [this] {
             Doc().RemoveAllGraphs();
             Doc().UpdateAllViews(nullptr, DocView::HintGraphsChanged);
         },
         [&] { return !enabled(CommandId::RemoveGraph) && !enabled(CommandId::GraphProperties); }},
    };
    for (const auto& row : rows) {
        row.make();
        QApplication::processEvents();
        EXPECT_TRUE(row.holds()) << row.change;
    }
}

// Real key events on the keypad, with the focus in the list pane and in the
// view; a text field keeps its keys.
TEST_F(ComputedFrameTest, KeypadKeysZoomWhereverTheFocusIs)
{
    Frame().ExecuteCommand(CommandId::Refresh);
    Settle();
    const struct {
        Qt::KeyboardModifiers modifiers;
        Qt::Key key;
        int zoomX, zoomY;
        const char* menuKey;
        CommandId command;
    } rows[] = {
        {Qt::NoModifier, Qt::Key_Plus, 200, 200, "Num +", CommandId::ZoomIn},
        {Qt::ControlModifier, Qt::Key_Plus, 400, 200, "Ctrl+Num +", CommandId::ZoomInX},
        {Qt::AltModifier, Qt::Key_Plus, 400, 400, "Alt+Num +", CommandId::ZoomInY},
        {Qt::ControlModifier, Qt::Key_Minus, 200, 400, "Ctrl+Num -", CommandId::ZoomOutX},
        {Qt::AltModifier, Qt::Key_Minus, 200, 200, "Alt+Num -", CommandId::ZoomOutY},
        {Qt::NoModifier, Qt::Key_Minus, 100, 100, "Num -", CommandId::ZoomOut},
    };
    QWidget* targets[] = {&Frame().Form().List(), Frame().View().viewport()};
    for (QWidget* target : targets) {
        for (const auto& row : rows) {
            QTest::keyClick(target, row.key, row.modifiers | Qt::KeypadModifier);
            EXPECT_EQ(Doc().zoomX, row.zoomX) << row.menuKey;
            EXPECT_EQ(Doc().zoomY, row.zoomY) << row.menuKey;
            EXPECT_TRUE(Frame().Action(row.command)->text().endsWith(QString("\t") + row.menuKey)) << row.menuKey;
        }
    }
    // The same keys off the keypad, or typed into a field, zoom nothing.
    QTest::keyClick(targets[1], Qt::Key_Plus);
    QLineEdit field(&Frame());
    field.show();
    Activate(&Frame());
    field.setFocus();
    QTest::keyClick(&field, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(Doc().zoomX, 100);
    EXPECT_EQ(field.text(), "+");
}

TEST_F(ComputedFrameTest, HelpCommandsOpenLocalPages)
{
    const struct {
        CommandId command;
        QString page;
    } rows[] = {
        {CommandId::HelpFinder, HelpWindow::ContentsUrl().fileName()},
        {CommandId::WebPage, HelpWindow::TopicUrl(HelpContext::OfCommand(CommandId::WebPage)).fileName()},
    };
    for (const auto& row : rows) {
        Frame().ExecuteCommand(row.command);
        ASSERT_NE(HelpWindow::Current(), nullptr);
        EXPECT_EQ(HelpWindow::Current()->Source().fileName(), row.page) << row.command;
    }
}

TEST_F(ComputedFrameTest, PositionReadoutAndItsToggle)
{
    Frame().ExecuteCommand(CommandId::Refresh);
    Settle();
    QWidget* viewport = Frame().View().viewport();
    const QPointF at(viewport->width() / 3, viewport->height() / 3);
    QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    EXPECT_TRUE(QRegularExpression(R"(^\( *-?\d+\.\d{4}; *-?\d+\.\d{4}\)$)").match(Pane(1).text()).hasMatch())
        << Pane(1).text().toStdString();
    EXPECT_TRUE(Pane(1).isEnabled());

    const int width = Pane(1).maximumWidth();
    Frame().ExecuteCommand(CommandId::ToggleCursorPosition);
    EXPECT_EQ(Pane(1).maximumWidth(), 1);
    EXPECT_FALSE(Frame().Action(CommandId::ToggleCursorPosition)->isChecked());
    Frame().ExecuteCommand(CommandId::ToggleCursorPosition);
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
        {[&] { Frame().ExecuteCommand(CommandId::HideGraphPane); }, 0},
        {[&] { Frame().ExecuteCommand(CommandId::ShowGraphPane); }, CGraphDataForm::kPaneWidth},
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
        Frame().ExecuteCommand(CommandId::WindowSplit);
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

// Alt and a menu's letter open that menu wherever the focus is: no control of
// the window shares the mnemonic of a menu's title.
TEST_F(FrameTest, MenuMnemonicsBelongToTheMenus)
{
    ASSERT_TRUE(Start());
    const auto mnemonic = [](const QString& text) {
        const qsizetype at = QString(text).replace("&&", "").indexOf('&');
        return at < 0 ? QChar() : text.at(at + 1).toLower();
    };
    const QMenuBar* bar = Frame().findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 6);
    std::map<QChar, QStringList> owners;
    for (const QAction* menu : bar->actions())
        owners[mnemonic(menu->text())] << menu->text();
    for (const QWidget* widget : Frame().findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&Frame()))
            continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            owners[mnemonic(button->text())] << button->text();
        else if (const auto* label = qobject_cast<const QLabel*>(widget))
            owners[mnemonic(label->text())] << label->text();
        else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            owners[mnemonic(group->title())] << group->title();
    }
    for (const QAction* menu : bar->actions())
        EXPECT_EQ(owners[mnemonic(menu->text())], QStringList{menu->text()});
}
