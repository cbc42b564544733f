#include "chrome/ChromeBand.h"
#include "chrome/MenuChrome.h"
#include "IdConversions.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

// A frame with a File menu and a toolbar of two commands, the second one
// disabled, as the main window builds them.
struct Frame {
    Frame()
    {
        menuBar->addMenu("&File")->addAction(MenuChrome::CommandIcon(CommandId::FileNew), "&New");
        for (CommandId id : {CommandId::FileNew, CommandId::ToggleGrid})
            toolBar->addAction(MenuChrome::CommandIcon(id), QString::number(NumberOf(id)));
        toolBar->actions().back()->setEnabled(false);
        chrome = std::make_unique<MenuChrome>(&window, menuBar, toolBar);
        window.resize(600, 300);
        window.show();
    }
    QImage Band() { return window.menuWidget()->grab().toImage(); }

    QMainWindow window;
    QMenuBar* menuBar = new QMenuBar;
    QToolBar* toolBar = new QToolBar;
    std::unique_ptr<MenuChrome> chrome;
};

// How far a picture is from grey: the largest channel spread of a pixel.
int Colourfulness(const QImage& image)
{
    int most = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 128)
                most = std::max(most, std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}));
        }
    }
    return most;
}

}  // namespace

TEST(ChromeTest, CommandIconsExistForTheToolbarAndTheStrip)
{
    using enum CommandId;
    for (CommandId id : {FileNew, FileOpen, FileSave, HideGraphPane, ShowGraphPane, Refresh, ZoomIn, ZoomOut,
                         ZoomInX, ZoomOutX, ZoomInY, ZoomOutY, ToggleGrid, ToggleCursorPosition, Settings,
                         HelpFinder, ContextHelp, WebPage, Tangent, Integral, DefaultCoordSystem,
                         EditCoordSystem, AddGraph, RemoveGraph, GraphProperties}) {
        EXPECT_EQ(MenuChrome::CommandIcon(id).availableSizes(), QList<QSize>{QSize(16, 15)}) << NumberOf(id);
    }
    EXPECT_TRUE(MenuChrome::CommandIcon(AppExit).isNull()) << "Exit has no picture";
}

TEST(ChromeTest, DisabledButtonsAreGreyedOrInColour)
{
    Frame frame;
    QAction* disabled = frame.toolBar->actions().back();
    const auto disabledLook = [&] { return disabled->icon().pixmap(QSize(16, 15), QIcon::Disabled).toImage(); };
    const int plain = Colourfulness(disabled->icon().pixmap(QSize(16, 15)).toImage());
    EXPECT_EQ(Colourfulness(disabledLook()), plain);
    frame.chrome->SetDrawDisabledButtonsInColor(false);
    EXPECT_LT(Colourfulness(disabledLook()), plain / 2);
    frame.chrome->SetDrawDisabledButtonsInColor(true);
    EXPECT_EQ(Colourfulness(disabledLook()), plain) << "the plain picture is kept";
}

TEST(ChromeTest, WatermarkShowsBehindBothBars)
{
    Frame frame;
    const QImage plain = frame.Band();
    frame.chrome->SetWatermark(true);
    const QImage marked = frame.Band();
    ASSERT_EQ(plain.size(), marked.size());
    // Right of the toolbar's buttons, and on the menu bar beside its item.
    for (const QWidget* bar : {static_cast<QWidget*>(frame.menuBar), static_cast<QWidget*>(frame.toolBar)}) {
        const QPoint empty = bar->geometry().topRight() - QPoint(2, -2);
        EXPECT_NE(plain.pixelColor(empty), marked.pixelColor(empty)) << bar->metaObject()->className();
    }
    frame.chrome->SetWatermark(false);
    EXPECT_EQ(frame.Band(), plain);
}

TEST(ChromeTest, ToolbarBesideOrBelowTheMenuBar)
{
    Frame frame;
    const struct {
        bool oneLine;
        bool beside;
    } rows[] = {{true, true}, {false, false}, {true, true}};
    for (const auto& row : rows) {
        frame.chrome->SetOneLine(row.oneLine);
        frame.window.menuWidget()->layout()->activate();
        EXPECT_EQ(frame.chrome->IsOneLine(), row.oneLine);
        const QRect menu = frame.menuBar->geometry();
        const QRect tools = frame.toolBar->geometry();
        EXPECT_EQ(tools.top() < menu.bottom(), row.beside);
        EXPECT_EQ(tools.left() >= menu.right(), row.beside);
    }
}

TEST(ChromeTest, BandContextMenuMovesTheToolbar)
{
    Frame frame;
    for (const bool oneLine : {true, false}) {
        frame.chrome->SetOneLine(oneLine);
        QTimer::singleShot(0, [] {
            QWidget* menu = QApplication::activePopupWidget();
            ASSERT_TRUE(menu);
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QWidget* band = frame.window.menuWidget();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(590, 5), band->mapToGlobal(QPoint(590, 5)));
        QApplication::sendEvent(band, &event);
        EXPECT_EQ(frame.chrome->IsOneLine(), !oneLine);
    }
}
