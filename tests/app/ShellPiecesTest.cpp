// The settings page, the splash window, the About box and the help topics.
#include "AppTestSupport.h"
#include "app/AboutBox.h"
#include "app/CSettingsViewPage.h"
#include "app/CSplashWindow.h"
#include "kit/HelpRequests.h"
#include "app/HelpTopics.h"
#include "app/HelpWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

TEST(SettingsViewPageTest, FieldsRoundTripThroughTheControls)
{
    const struct {
        bool flags[7];  // current position, grid, splash, logo, colour, watermark, smooth curves
        int gridSize;
        int clickedRadio;  // -1: none
        int gridSizeAfter;
        int curveWidth;
        int chosenWidth;  // 0: none chosen
    } rows[] = {
        {{true, true, true, true, true, true, true}, 0, 1178, 2, 2, 3},
        {{false, true, false, true, false, true, false}, -1, -1, -1, 1, 0},
        {{true, false, true, false, true, false, true}, 2, -1, 2, 3, 1},  // radios disabled, value kept
    };
    constexpr int boxes[] = {1179, 1180, 1174, 1181, 1243, 1242, 1610};
    for (const auto& row : rows) {
        CAdvPropertySheet sheet(StringId::SettingsCaption);
        auto* page = new CSettingsViewPage;
        bool* fields[] = {&page->showCurrPos, &page->showGrid, &page->showSplash, &page->showLogo,
                          &page->drawDisabledButtonsInColor, &page->useWatermark, &page->smoothCurves};
        for (int i = 0; i < 7; ++i)
            *fields[i] = row.flags[i];
        page->gridSize = row.gridSize;
        page->curveWidth = row.curveWidth;
        sheet.AddPage(page);
        SheetDriver driver([&](CAdvPropertySheet& s) {
            for (int i = 0; i < 7; ++i)
                EXPECT_EQ(Get<QCheckBox>(page, boxes[i])->isChecked(), row.flags[i]) << boxes[i];
            auto* widths = Get<QComboBox>(page, 1611);
            EXPECT_EQ(widths->currentText(), QString("%1 px").arg(row.curveWidth));
            if (row.chosenWidth > 0)
                widths->setCurrentIndex(row.chosenWidth - 1);
            for (int radio = 1176; radio <= 1178; ++radio) {
                EXPECT_EQ(Get<QRadioButton>(page, radio)->isEnabled(), row.flags[1]);
                EXPECT_EQ(Get<QRadioButton>(page, radio)->isChecked(), radio - 1176 == row.gridSize);
            }
            if (row.clickedRadio > 0)
                Get<QRadioButton>(page, row.clickedRadio)->click();
            for (int box : boxes)
                Get<QCheckBox>(page, box)->click();
            PressOk(s);
        });
        ASSERT_EQ(sheet.DoModal(), IDOK);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(*fields[i], !row.flags[i]) << boxes[i];
        EXPECT_EQ(page->gridSize, row.gridSizeAfter);
        EXPECT_EQ(page->curveWidth, row.chosenWidth > 0 ? row.chosenWidth : row.curveWidth);
        EXPECT_EQ(Get<QRadioButton>(page, 1176)->isEnabled(), !row.flags[1]) << "follows Show grid";
    }
}

TEST(SplashWindowTest, FirstKeyOrClickClosesItAndIsSwallowed)
{
    enum Input { Key, Click, Shortcut };
    for (const Input input : {Key, Click, Shortcut}) {
        QMainWindow frame;
        auto* target = new QPushButton("target", &frame);
        frame.setCentralWidget(target);
        frame.show();
        frame.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
        int clicks = 0;
        int shortcuts = 0;
        QObject::connect(target, &QPushButton::clicked, [&] { ++clicks; });
        QShortcut shortcut(QKeySequence("Ctrl+N"), &frame);
        QObject::connect(&shortcut, &QShortcut::activated, [&] { ++shortcuts; });

        CSplashWindow::EnableSplash(false);
        CSplashWindow::ShowSplashWindow(&frame);
        EXPECT_FALSE(CSplashWindow::IsShown()) << "disabled: no splash at all";
        CSplashWindow::EnableSplash(true);
        CSplashWindow::ShowSplashWindow(&frame);
        ASSERT_TRUE(CSplashWindow::IsShown());

        for (int pass = 0; pass < 2; ++pass) {  // the second input acts normally
            if (input == Click)
                QTest::mouseClick(target, Qt::LeftButton);
            else if (input == Key)
                QTest::keyClick(target, Qt::Key_Space);
            else
                QTest::keyClick(target, Qt::Key_N, Qt::ControlModifier);
            EXPECT_FALSE(CSplashWindow::IsShown());
            EXPECT_EQ(clicks + shortcuts, pass) << "input " << input << " pass " << pass;
            // The offscreen platform activates every window it shows.
            frame.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
            QCoreApplication::processEvents();
        }
    }
}

TEST(SplashWindowTest, ClosesItselfWithoutInput)
{
    QWidget frame;
    CSplashWindow::EnableSplash(true);
    CSplashWindow::ShowSplashWindow(&frame);
    ASSERT_TRUE(CSplashWindow::IsShown());
    EXPECT_TRUE(QTest::qWaitFor([] { return !CSplashWindow::IsShown(); }, 5000));
}

TEST(AboutBoxTest, ShowsTheVersionLineInBold)
{
    QString caption;
    QString version;
    int weight = 0;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_TRUE(box);
        caption = box->windowTitle();
        const auto* line = box->findChild<QLabel*>("version");
        version = line->text();
        weight = line->font().weight();
        box->findChild<QPushButton*>()->click();
    });
    ShowAboutBox(nullptr);
    EXPECT_EQ(caption, "About Curvix");
    EXPECT_EQ(version, "Curvix Version 2.0");
    EXPECT_EQ(weight, QFont::DemiBold);
}

TEST(HelpTest, EveryContextIdOpensAnExistingTopic)
{
    const struct {
        std::uint32_t contextId;
        const char* page;
    } rows[] = {
        {0, "index.html"},
        {0x2009A, "tangent.html"},
        {0x20066, "graphlist.html"},
        {0x88888, "graphview.html"},
        {0x30000 + 0xF110, "messages.html"},
        {0x20000 + 171, "coordsystem.html#general"},
        {0x20000 + 173, "coordsystem.html#advanced"},
        {0x20000 + 178, "graphprops.html#general"},
        {0x20000 + 179, "graphprops.html#advanced"},
        {0x20000 + 187, "settings.html"},
        {0x20000 + 195, "graphlist.html#remove"},
        {0x20000 + 132, "graphlist.html#select"},
        {0x20000 + 197, "integral.html#select"},
        {0x20000 + 198, "integral.html#results"},
        {0x20000 + 22200, "edit.html#export"},
        {0x20000 + 100, "about.html"},
        {0x20000 + 128, "mainwindow.html"},
        {0x20000 + 135, "graphview.html#computing"},
        {0x20000 + 999, "index.html"},
        {0x80000000u | 187 << 16 | 1180, "settings.html"},
        {0x80840009u, "dialogs.html#buttons"},
        {0x809A0008u, "dialogs.html#buttons"},
        {0x10000 + 32784, "commands.html#c32784"},
        {0x10000 + 32791, "webpage.html"},
    };
    for (const auto& row : rows) {
        const std::string page = HelpTopicPage(row.contextId);
        EXPECT_EQ(page, row.page) << std::hex << row.contextId;
        const QUrl url = HelpWindow::TopicUrl(row.contextId);
        QFile file(":/help/" + url.path().section('/', -1));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << page;
        const QString fragment = url.fragment();
        if (!fragment.isEmpty()) {
            EXPECT_TRUE(file.readAll().contains(("id=\"" + fragment + "\"").toUtf8())) << page;
        }
    }
}

TEST(HelpTest, RequestsOpenTheirTopicInOneWindow)
{
    HelpWindow::Install();
    QWidget owner;
    for (std::uint32_t id : {0x2009Au, 0x88888u}) {
        HelpRequests::Submit({id, 0, false});
        ASSERT_TRUE(HelpWindow::Current());
        EXPECT_EQ(HelpWindow::Current()->Source(), HelpWindow::TopicUrl(id));
        EXPECT_FALSE(HelpWindow::Current()->PageTitle().isEmpty());
    }
    HelpWindow::ShowContents(&owner);
    EXPECT_EQ(HelpWindow::Current()->parentWidget(), &owner);
    EXPECT_EQ(HelpWindow::Current()->Source(), HelpWindow::ContentsUrl());
    HelpWindow::ShowWebPage(&owner);
    EXPECT_EQ(HelpWindow::Current()->Source().fileName(), "webpage.html");
    HelpRequests::SetHandler({});
}
