#include "AppTestSupport.h"
#include "view/widget/CCurvixView.h"
#include "app/frame/CMainFrame.h"
#include "app/CSplashWindow.h"
#include "FrameTestSupport.h"
#include "model/MemorySettingsBackend.h"
#include "PreviousVersionFile.h"
#include "view/geometry/ViewMapping.h"
#include "app/frame/WindowPlacementQt.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QToolBar>

namespace {

TEST_F(FrameTest, CommandLineStarts)
{
    PreviousVersionFile previous;
    previous.graphs = {{false, 0x0000FF, "x^2"}, {true, 0x00FF00, "sin(x)"}};
    WriteFile(Path("old.cvx"), previous.Bytes());
    WriteFile(Path("new.cvx"), TwoGraphDocument());
    const QString question = AppText(StringId::ConvertQuestion);
    struct Row {
        QStringList arguments;
        int answer;
        bool started;
        std::vector<QString> messages;
        QString title;
    } rows[] = {
        {{"/p", Path("new.cvx")}, IDOK, false, {AppText(StringId::PrintRefused)}, ""},
        {{"-pt", Path("new.cvx"), "printer"}, IDOK, false, {AppText(StringId::PrintRefused)}, ""},
        {{}, IDOK, true, {}, "Untitled[*] - Curvix"},
        {{Path("new.cvx")}, IDOK, true, {}, "new.cvx[*] - Curvix"},
        {{Path("old.cvx")}, IDOK, true, {question}, "old.cvx[*] - Curvix"},
        {{Path("old.cvx")}, IDCANCEL, false, {question}, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        m_asked.clear();
        m_shownWhenAsked.clear();
        m_answers = {row.answer};
        EXPECT_EQ(Start(row.arguments), row.started);
        EXPECT_EQ(AskedTexts(), row.messages);
        // Every question comes before the window shows.
        EXPECT_EQ(std::count(m_shownWhenAsked.begin(), m_shownWhenAsked.end(), true), 0);
        if (row.started) {
            EXPECT_TRUE(Frame().isVisible());
            EXPECT_EQ(Frame().windowTitle(), row.title);
            EXPECT_EQ(Doc().GetGraphCount(), row.arguments.isEmpty() ? 0 : 2);
        }
        m_app.reset();
    }
}

// The computation of a refreshing document may end behind the splash,
// before the window is laid out; the origin is still centred in the view.
TEST_F(FrameTest, StartWithAFileCentresTheOrigin)
{
    WriteFile(Path("auto.cvx"), TwoGraphDocument(true));
    EditStore([](AppSettings& stored) { stored.ShowSplash = true; });
    ASSERT_TRUE(Start({Path("auto.cvx")}));
    CSplashWindow::HideSplashWindow();
    Settle();
    ASSERT_TRUE(Computation().IsComputed());
    const ViewMapping view = Frame().View().Mapping();
    const PixelPoint origin = view.WorldToWindow(0, 0);
    EXPECT_NEAR(origin.x, view.AreaWidth() / 2, 1);
    EXPECT_NEAR(origin.y, view.AreaHeight() / 2, 1);
}

TEST_F(FrameTest, KeyPressEndsTheSplashWait)
{
    for (bool pressKey : {true, false}) {
        SCOPED_TRACE(pressKey);
        EditStore([](AppSettings& stored) { stored.ShowSplash = true; });
        if (pressKey)
            QTimer::singleShot(0, [] {
                if (QWidget* window = QApplication::topLevelWidgets().value(0))
                    QApplication::postEvent(window, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier));
            });
        ASSERT_TRUE(Start());
        EXPECT_TRUE(Frame().isVisible());
        // Without the key the wait ends first and the splash stays a while.
        EXPECT_EQ(CSplashWindow::IsShown(), !pressKey);
        CSplashWindow::HideSplashWindow();
        m_app.reset();
    }
}

TEST_F(FrameTest, MissingFileEndsStartup)
{
    EXPECT_FALSE(Start({Path("missing.cvx")}));
    ASSERT_EQ(m_asked.size(), 1u);
    EXPECT_EQ(m_asked[0].caption, AppText(StringId::ErrorCaption));
    m_app.reset();
    // The window never showed: no placement was stored for it.
    EditStore([](AppSettings& stored) { EXPECT_EQ(stored.windowPlacement.length, 0); });
}

TEST_F(FrameTest, FrameworkMessagesTakeTheExclamationIcon)
{
    const struct {
        unsigned style;
        unsigned shown;
    } rows[] = {
        {MB_OK, MB_OK | MB_ICONEXCLAMATION},
        {MB_YESNOCANCEL, MB_YESNOCANCEL | MB_ICONEXCLAMATION},
        {MB_YESNO, MB_YESNO | MB_ICONEXCLAMATION},
        {MB_ABORTRETRYIGNORE, MB_ABORTRETRYIGNORE},
        {MB_YESNO | MB_ICONQUESTION, MB_YESNO | MB_ICONQUESTION},
    };
    for (const auto& row : rows) {
        m_asked.clear();
        CCurvixApp::DoMessageBox("text", row.style);
        ASSERT_EQ(m_asked.size(), 1u);
        EXPECT_EQ(m_asked[0].style, row.shown) << row.style;
        EXPECT_EQ(m_asked[0].caption, "Curvix");
    }
}

TEST_F(FrameTest, SettingsSurviveARestart)
{
    ASSERT_TRUE(Start());
    Frame().ExecuteCommand(CommandId::ToggleGrid);
    Frame().ExecuteCommand(CommandId::ToggleCursorPosition);
    Frame().ExecuteCommand(CommandId::ViewToolbar);
    Frame().ExecuteCommand(CommandId::ViewStatusBar);
    SheetDriver driver([](CAdvPropertySheet& sheet) {
        Get<QCheckBox>(sheet.GetPage(0), 1181)->click();
        PressOk(sheet);
    });
    Frame().ExecuteCommand(CommandId::Settings);
    Frame().showNormal();
    Frame().setGeometry(40, 50, 640, 480);
    QApplication::processEvents();
    const QRect geometry = Frame().geometry();
    Frame().close();
    m_app.reset();

    ASSERT_TRUE(Start());
    EXPECT_FALSE(m_app->Settings().ShowGrid);
    EXPECT_FALSE(m_app->Settings().ShowCurrPos);
    EXPECT_FALSE(m_app->Settings().ShowLogo);
    EXPECT_TRUE(Frame().ToolBar().isHidden());
    EXPECT_FALSE(Frame().Action(CommandId::ViewStatusBar)->isChecked());
    EXPECT_EQ(Frame().geometry(), geometry);
}

// A show command the program never writes shows a normal window, and a
// rectangle that cannot be placed is no placement.
TEST_F(FrameTest, SavedPlacementOrTheWorkArea)
{
    const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
    const WindowPlacement::Rect saved{30, 40, 730, 540};
    const WindowPlacement::Rect huge{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    const struct {
        int length;
        int showCmd;
        WindowPlacement::Rect rect;
        bool maximized;
        QRect geometry;
    } rows[] = {
        {0, SW_SHOWNORMAL, saved, false, workArea},
        {44, SW_SHOWNORMAL, saved, false, QRect(30, 40, 700, 500)},
        {44, SW_SHOWMAXIMIZED, saved, true, QRect(30, 40, 700, 500)},
        {44, 0, saved, false, QRect(30, 40, 700, 500)},
        {44, 12345, saved, false, QRect(30, 40, 700, 500)},
        {44, SW_SHOWNORMAL, huge, false, workArea},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.showCmd);
        EditStore([&row](AppSettings& stored) {
            stored.windowPlacement = {row.length, 0, row.showCmd, {}, {}, row.rect};
        });
        ASSERT_TRUE(Start());
        EXPECT_TRUE(Frame().isVisible());
        EXPECT_EQ(Frame().isMaximized(), row.maximized);
        // A saved size below the window's least size (its status panes and
        // bars, measured in the machine's fonts) grows to that size.
        const QSize expected = row.geometry.size().expandedTo(Frame().minimumSizeHint());
        EXPECT_EQ(Frame().normalGeometry().isValid() ? Frame().normalGeometry().size() : QSize(), expected);
        m_app.reset();
        // The normal rectangle survives a session, maximised or not.
        if (row.geometry != workArea)
            EditStore([](AppSettings& stored) { EXPECT_EQ(stored.windowPlacement.normalPosition.right, 730); });
    }
}

// A close request while the splash shows ends the program cleanly: no window
// shows, the event loop ends as soon as it runs, and the settings are stored.
TEST_F(FrameTest, ClosingDuringTheSplashEndsCleanly)
{
    {
        QSettings store(QStringLiteral("Veltra"), QStringLiteral("Curvix"));
        store.clear();
        store.setValue(QStringLiteral("Settings/ShowSplash"), 1);
    }
    QTimer::singleShot(0, [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (dynamic_cast<CMainFrame*>(window))
                window->close();
        }
    });
    ASSERT_TRUE(Start());
    EXPECT_TRUE(!m_app->MainFrame() || !m_app->MainFrame()->isVisible());
    QTimer fallback;
    fallback.callOnTimeout([] { QCoreApplication::exit(7); });
    fallback.start(5000);
    EXPECT_EQ(QApplication::exec(), 0) << "the program's event loop ends at once";
    CSplashWindow::HideSplashWindow();
    m_app.reset();
    EXPECT_TRUE(QSettings(QStringLiteral("Veltra"), QStringLiteral("Curvix")).contains("Settings/GridSize"));
}

TEST_F(FrameTest, DroppedFileOpens)
{
    WriteFile(Path("dropped.cvx"), TwoGraphDocument());
    ASSERT_TRUE(Start());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(Path("dropped.cvx"))});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the window: the application only routes drops that a drag
    // of its own started.
    static_cast<QObject&>(Frame()).event(&drop);
    EXPECT_EQ(Doc().GetGraphCount(), 2);
    EXPECT_EQ(Frame().Files().Recent().Files().value(0), Path("dropped.cvx"));
}

TEST_F(FrameTest, ClosingAsksAboutUnsavedChanges)
{
    const struct {
        int answer;
        bool closed;
        bool saved;
    } rows[] = {{IDCANCEL, false, false}, {IDNO, true, false}, {IDYES, true, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.answer);
        QFile::remove(Path("saved.cvx"));
        FrameDocumentFiles::SetTestFileChooser([this](bool) { return Path("saved"); });
        ASSERT_TRUE(Start());
        AddGraphs(1);
        Doc().SetModifiedFlag();
        m_asked.clear();
        m_answers = {row.answer};
        EXPECT_EQ(Frame().close(), row.closed);
        EXPECT_EQ(AskedTexts(), std::vector<QString>{"Save changes to Untitled?"});
        EXPECT_EQ(QFileInfo::exists(Path("saved.cvx")), row.saved);
        m_app.reset();
    }
}

TEST_F(FrameTest, FailedSaveKeepsTheDocument)
{
    ASSERT_TRUE(Start());
    AddGraphs(2);
    Doc().SetModifiedFlag();
    FrameDocumentFiles::SetTestFileChooser([this](bool) { return Path("no/such/folder/x.cvx"); });
    m_answers = {IDYES, IDOK};
    EXPECT_FALSE(Frame().close());
    ASSERT_EQ(m_asked.size(), 2u);
    EXPECT_EQ(m_asked[1].text, "Error saving file '" + Path("no/such/folder/x.cvx") + "'.\nNo such file or directory");
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Doc().GetGraphCount(), 2);
    QApplication::processEvents();
    EXPECT_EQ(Frame().windowTitle(), "Untitled[*] - Curvix");
    Doc().SetModifiedFlag(false);
}

}  // namespace
