// The Edit menu through the real main window: undo and redo of every kind
// of change, the modified flag, Delete in the graph list, exporting and
// copying the picture, and the context menus.

#include "AppTestSupport.h"
#include "view/widget/CCurvixView.h"
#include "app/frame/CExportPictureDlg.h"
#include "app/frame/GraphChoiceDialog.h"
#include "kit/CImageButton.h"
#include "app/frame/CMainFrame.h"
#include "app/frame/FrameContextMenus.h"
#include "app/frame/FrameEditCommands.h"
#include "FrameTestSupport.h"
#include "PixelProbe.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QXmlStreamReader>

namespace {

using EditMenu = FrameTest;

// The Remove graph dialog answered with its Remove button.
struct ConfirmRemoval {
    ConfirmRemoval()
    {
        GraphChoiceDialog::SetTestDriver([](GraphChoiceDialog& dialog) { dialog.ActionButton().click(); });
    }
    ~ConfirmRemoval() { GraphChoiceDialog::SetTestDriver({}); }
};

void Click(CMainFrame& frame, int control)
{
    frame.Form().findChild<QAbstractButton*>(QStringLiteral("control%1").arg(control))->click();
}

QString MenuText(CMainFrame& frame, CommandId id)
{
    QApplication::processEvents();
    return frame.Action(id)->text();
}

TEST_F(EditMenu, EveryKindOfChangeUndoesAndRedoesFromTheMenu)
{
    ASSERT_TRUE(Start());
    struct Row {
        const char* name;  // as the Undo item names it
        std::function<void(CMainFrame&)> change;
    } rows[] = {
        {"Add graph", [](CMainFrame& frame) {
             SheetDriver driver([](CAdvPropertySheet& sheet) {
                 Get(sheet.GetPage(0), 1158)->setText("cos(x)");
                 PressOk(sheet);
             });
             frame.ExecuteCommand(CommandId::AddGraph);
         }},
        {"Remove graph", [](CMainFrame& frame) { Click(frame, 1030); }},
        {"Remove graph", [](CMainFrame& frame) {
             ConfirmRemoval confirm;
             frame.ExecuteCommand(CommandId::RemoveGraph);
         }},
        {"Edit graph", [](CMainFrame& frame) {
             SheetDriver driver([](CAdvPropertySheet& sheet) {
                 Get(sheet.GetPage(0), 1158)->setText("x^3");
                 PressOk(sheet);
             });
             frame.ExecuteCommand(CommandId::SelectedGraphProperties);
         }},
        {"Hide graph", [](CMainFrame& frame) { frame.ExecuteCommand(CommandId::SelectedGraphVisibility); }},
        {"Refresh automatically", [](CMainFrame& frame) { Click(frame, 1042); }},
        {"Edit coordinate system", [](CMainFrame& frame) {
             SheetDriver driver([](CAdvPropertySheet& sheet) {
                 Get(sheet.GetPage(0), 1057)->setText("-3");
                 PressOk(sheet);
             });
             frame.ExecuteCommand(CommandId::EditCoordSystem);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Doc().OnNewDocument();
        AddGraphs(2);
        Doc().SetModifiedFlag(false);
        Frame().Form().List().SetCurSel(0);
        EXPECT_EQ(MenuText(Frame(), CommandId::EditUndo), AppText(StringId::Undo));
        const DocumentState before = Doc().CaptureState();
        row.change(Frame());
        const DocumentState after = Doc().CaptureState();
        ASSERT_FALSE(after.SameAs(before));
        EXPECT_EQ(MenuText(Frame(), CommandId::EditUndo), AppText(StringId::UndoNamed).arg(row.name));

        Frame().ExecuteCommand(CommandId::EditUndo);
        EXPECT_TRUE(Doc().CaptureState().SameAs(before));
        EXPECT_FALSE(Doc().IsModified());
        // The pane shows the restored document.
        EXPECT_EQ(Frame().Form().List().count(), Doc().GetGraphCount());
        EXPECT_EQ(Frame().Form().findChild<QCheckBox*>("control1042")->isChecked(), Doc().autoRefresh);
        EXPECT_EQ(MenuText(Frame(), CommandId::EditRedo), AppText(StringId::RedoNamed).arg(row.name));
        EXPECT_FALSE(Frame().Action(CommandId::EditUndo)->isEnabled());

        Frame().ExecuteCommand(CommandId::EditRedoShift);
        EXPECT_TRUE(Doc().CaptureState().SameAs(after));
        EXPECT_TRUE(Doc().IsModified());
        EXPECT_EQ(Frame().Form().List().ItemGraph(0), Doc().GetFirstGraph());
    }
}

// With automatic refresh on, undoing an added graph draws the picture
// without it, as removing it would.
TEST_F(EditMenu, UndoRefreshesAutomatically)
{
    ASSERT_TRUE(Start());
    Frame().resize(900, 700);
    Click(Frame(), 1042);
    SheetDriver driver([](CAdvPropertySheet& sheet) {
        Get(sheet.GetPage(0), 1158)->setText("x^2");
        PressOk(sheet);
    });
    Frame().ExecuteCommand(CommandId::AddGraph);
    Settle();
    EXPECT_EQ(Computation().DisplayedCount(), 1);
    Frame().ExecuteCommand(CommandId::EditUndo);
    Settle();
    EXPECT_EQ(Computation().DisplayedCount(), 0);
    EXPECT_TRUE(Doc().autoRefresh);
}

// Delete in the list asks the Remove graph dialog with the selected graph
// chosen; Cancel keeps it.
TEST_F(EditMenu, DeleteInTheListRemovesTheSelectedGraphAfterConfirmation)
{
    ASSERT_TRUE(Start());
    AddGraphs(3);
    CGraphListBox& list = Frame().Form().List();
    const struct {
        bool confirm;
        std::vector<std::string> left;
    } rows[] = {{false, {"x+0", "x+1", "x+2"}}, {true, {"x+0", "x+2"}}};
    for (const auto& row : rows) {
        int preselected = -1;
        GraphChoiceDialog::SetTestDriver([&](GraphChoiceDialog& dialog) {
            preselected = dialog.List().CurSel();
            if (row.confirm)
                dialog.ActionButton().click();
            else
                dialog.reject();
        });
        list.SetCurSel(1);
        list.setFocus();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        QApplication::sendEvent(&list, &press);
        GraphChoiceDialog::SetTestDriver({});
        EXPECT_EQ(preselected, 1);
        std::vector<std::string> left;
        for (GraphItem* graph = Doc().GetFirstGraph(); graph; graph = Doc().GetNextGraph())
            left.push_back(graph->expression);
        EXPECT_EQ(left, row.left);
    }
    EXPECT_EQ(MenuText(Frame(), CommandId::EditUndo), AppText(StringId::UndoNamed).arg(AppText(StringId::StepRemoveGraph)));
}

TEST_F(EditMenu, SaveNewAndOpenAgainstTheHistory)
{
    ASSERT_TRUE(Start());
    const QString path = Path("two.cvx");
    WriteFile(path, TwoGraphDocument());
    ASSERT_TRUE(Frame().Files().OpenPath(path));
    Frame().Form().List().SetCurSel(0);
    Click(Frame(), 1030);
    EXPECT_TRUE(Doc().IsModified());
    FrameDocumentFiles::SetTestFileChooser([&](bool) { return path; });
    Frame().ExecuteCommand(CommandId::FileSave);
    EXPECT_FALSE(Doc().IsModified());
    Frame().ExecuteCommand(CommandId::EditUndo);
    EXPECT_TRUE(Doc().IsModified());
    Frame().ExecuteCommand(CommandId::EditRedo);
    EXPECT_FALSE(Doc().IsModified());
    Frame().ExecuteCommand(CommandId::EditUndo);
    m_answers = {IDNO};  // New asks to save the modified document
    Frame().ExecuteCommand(CommandId::FileNew);
    QApplication::processEvents();
    EXPECT_FALSE(Frame().Action(CommandId::EditUndo)->isEnabled() || Frame().Action(CommandId::EditRedo)->isEnabled());
    AddGraphs(1);
    Frame().Form().List().SetCurSel(0);
    Click(Frame(), 1030);
    m_answers = {IDNO};
    ASSERT_TRUE(Frame().Files().OpenPath(path));
    QApplication::processEvents();
    EXPECT_FALSE(Frame().Action(CommandId::EditUndo)->isEnabled());
}

// ---- Export and copy -----------------------------------------------------

class ExportTest : public FrameTest {
protected:
    ExportTest()
    {
        FrameEditCommands::SetTestFileChooser([this](const QString& folder, PictureFile::Format) {
            m_startFolder = folder;
            return m_chosenPath;
        });
    }
    ~ExportTest() override
    {
        FrameEditCommands::SetTestFileChooser({});
        CExportPictureDlg::SetTestDriver({});
    }

    // A red line y = x through the origin of a -1..1 square, computed.
    void StartWithLine()
    {
        ASSERT_TRUE(Start());
        Frame().resize(900, 700);
        Doc().coordSystem.left = Doc().coordSystem.bottom = -1;
        Doc().coordSystem.right = Doc().coordSystem.top = 1;
        GraphItem line;
        line.expression = "x";
        line.color = 0x0000FF;
        Doc().AddGraph(line);
        Doc().UpdateAllViews(nullptr, 0);
        Frame().ExecuteCommand(CommandId::Refresh);
        Settle();
    }

    QString m_startFolder;
    QString m_chosenPath;
};

int CountElements(const QByteArray& svg, const QString& name)
{
    QXmlStreamReader reader(svg);
    int count = 0;
    while (!reader.atEnd())
        count += reader.readNext() == QXmlStreamReader::StartElement && reader.name() == name;
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return count;
}

TEST_F(ExportTest, WritesEachFormatAndRemembersTheChoices)
{
    StartWithLine();
    const QSize client = Frame().View().viewport()->size();
    struct Row {
        PictureFile::Format format;
        const char* name;
        int width, height, scale;  // 0 for the view's size
        bool whole;
    } rows[] = {
        {PictureFile::Format::Png, "view.png", 0, 0, 1, false},
        {PictureFile::Format::Png, "small", 400, 300, 2, false},
        {PictureFile::Format::Png, "whole.png", 0, 0, 1, true},
        {PictureFile::Format::Svg, "view.svg", 0, 0, 1, false},
        {PictureFile::Format::Pdf, "view.pdf", 500, 400, 3, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CExportPictureDlg::SetTestDriver([&](CExportPictureDlg& dialog) {
            dialog.SelectFormat(row.format);
            if (row.width)
                dialog.SetCustomSize(row.width, row.height);
            dialog.SetScale(row.scale);
            dialog.SetWhole(row.whole);
            dialog.OnOK();
        });
        m_chosenPath = Path(row.name);
        Frame().ExecuteCommand(CommandId::ExportPicture);
        const QString written = m_chosenPath + (QFileInfo(m_chosenPath).suffix().isEmpty() ? ".png" : "");
        QFile file(written);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const QSize logical = row.whole ? QSize(201 + 65, 201 + 40) : row.width ? QSize(row.width, row.height) : client;
        switch (row.format) {
        case PictureFile::Format::Png: {
            const QImage image = QImage::fromData(bytes, "PNG");
            ASSERT_EQ(image.size(), logical * row.scale);
            // The origin in the middle of the centred picture, the red line
            // through it.
            const QPoint origin((logical.width() - 65 - 201) / 2 + 100, (logical.height() - 40 - 201) / 2 + 100);
            EXPECT_EQ(image.pixel((origin + QPoint(50, 0)) * row.scale), qRgb(0, 0, 0));
            EXPECT_TRUE(RedNear(image, (origin.x() + 50) * row.scale, (origin.y() - 50) * row.scale));
            break;
        }
        case PictureFile::Format::Svg:
            EXPECT_GE(CountElements(bytes, "path") + CountElements(bytes, "polyline"), 1);
            EXPECT_GE(CountElements(bytes, "text"), 2);
            break;
        case PictureFile::Format::Pdf:
            EXPECT_TRUE(bytes.startsWith("%PDF-"));
            EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
            break;
        }
        EXPECT_EQ(m_startFolder, row.name == rows[0].name ? QDir::homePath() : m_dir.path());
    }
    m_app.reset();  // the window writes its settings as it goes
    EditStore([this](AppSettings& stored) {
        EXPECT_EQ(QString::fromStdString(stored.ExportFolder), m_dir.path());
        EXPECT_EQ(stored.ExportFormat, 2);
        EXPECT_FALSE(stored.ExportViewSize);
        EXPECT_EQ(stored.ExportWidth, 500);
        EXPECT_EQ(stored.ExportScale, 3);
    });
}

TEST_F(ExportTest, RefusesAPictureLargerThanTheLimitAndWritesNothing)
{
    StartWithLine();
    m_chosenPath = Path("big.png");
    int refusals = 0;
    CExportPictureDlg::SetTestDriver([&](CExportPictureDlg& dialog) {
        dialog.SetCustomSize(9000, 100);
        dialog.SetScale(2);
        dialog.OnOK();
        refusals = static_cast<int>(m_asked.size());
        dialog.reject();
    });
    Frame().ExecuteCommand(CommandId::ExportPicture);
    EXPECT_EQ(refusals, 1);
    ASSERT_EQ(m_asked.size(), 1u);
    EXPECT_EQ(m_asked[0].text, AppText(StringId::PictureTooLarge).arg(18000).arg(200));
    EXPECT_FALSE(QFile::exists(m_chosenPath));
}

TEST_F(ExportTest, CopyPutsTheVisiblePictureOnTheClipboard)
{
    StartWithLine();
    Frame().ExecuteCommand(CommandId::CopyPicture);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), Frame().View().viewport()->size());
    EXPECT_GE(CountElements(data->data("image/svg+xml"), "text"), 2);
}

// ---- Context menus ---------------------------------------------------------

std::vector<std::pair<CommandId, bool>> Entries(QMenu* menu)
{
    std::vector<std::pair<CommandId, bool>> entries;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            entries.emplace_back(static_cast<CommandId>(action->data().toUInt()), action->isEnabled());
    }
    menu->hide();
    return entries;
}

TEST_F(EditMenu, ContextMenusFollowTheirCommands)
{
    ASSERT_TRUE(Start());
    Frame().resize(900, 700);
    FrameContextMenus& menus = Frame().ContextMenus();
    using Entries_ = std::vector<std::pair<CommandId, bool>>;

    menus.ShowViewMenu({10, 10});
    EXPECT_EQ(Entries(menus.Shown()), (Entries_{{CommandId::ZoomIn, false}, {CommandId::ZoomOut, false},
                                                {CommandId::CentreOnOrigin, true}, {CommandId::CopyPicture, false},
                                                {CommandId::ExportPicture, false}, {CommandId::ToggleGrid, true},
                                                {CommandId::ToggleCursorPosition, true}}));

    CGraphListBox& list = Frame().Form().List();
    menus.ShowListMenu({5, 5});
    EXPECT_EQ(Entries(menus.Shown()), (Entries_{{CommandId::AddGraph, true}}));

    AddGraphs(2);
    Frame().ExecuteCommand(CommandId::Refresh);
    Settle();
    list.SetCurSel(-1);
    menus.ShowListMenu(list.visualItemRect(list.item(1)).center());
    EXPECT_EQ(list.CurSel(), 1);
    EXPECT_EQ(Frame().Action(CommandId::SelectedGraphVisibility)->text(), AppText(StringId::HideGraph));
    EXPECT_EQ(Entries(menus.Shown()), (Entries_{{CommandId::SelectedGraphProperties, true},
                                                {CommandId::SelectedGraphVisibility, true},
                                                {CommandId::SelectedGraphRemove, true}, {CommandId::Tangent, true},
                                                {CommandId::Integral, true}}));
    Frame().ExecuteCommand(CommandId::SelectedGraphVisibility);
    menus.ShowListMenu(list.visualItemRect(list.item(1)).center());
    EXPECT_EQ(Frame().Action(CommandId::SelectedGraphVisibility)->text(), AppText(StringId::ShowGraph));
    menus.Shown()->hide();

    menus.ShowViewMenu({10, 10});
    const Entries_ view = Entries(menus.Shown());
    EXPECT_TRUE(view[3].second && view[4].second);  // a picture to copy and export
}

}  // namespace
