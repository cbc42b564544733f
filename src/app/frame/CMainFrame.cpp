#include "app/frame/CMainFrame.h"

#include "app/AboutBox.h"
#include "kit/AppMessageBox.h"
#include "model/AppSettings.h"
#include "gui/AppText.h"
#include "model/CCurvixDoc.h"
#include "view/widget/CCurvixView.h"
#include "view/GraphComputation.h"
#include "app/frame/CGraphDataForm.h"
#include "app/CGraphListBox.h"
#include "chrome/MenuChrome.h"
#include "kit/CPropertyPage.h"
#include "app/CSplashWindow.h"
#include "app/CoordSystemFlows.h"
#include "model/DocView.h"
#include "app/frame/DocumentRecovery.h"
#include "app/frame/FrameCommands.h"
#include "app/frame/FrameContextMenus.h"
#include "app/frame/FrameEditCommands.h"
#include "app/frame/FrameStatusBar.h"
#include "HelpContext.h"
#include "kit/HelpRequests.h"
#include "app/HelpWindow.h"
#include "kit/MessageBoxStyle.h"
#include "app/frame/SettingsSheetFlow.h"
#include "app/frame/SplitterKeyMover.h"
#include "tools/dialogs/ToolCommands.h"
#include "view/geometry/ViewMapping.h"
#include "app/frame/WindowPlacementQt.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QWhatsThis>

#include <algorithm>

namespace {
constexpr int kViewInitialWidth = 100;
constexpr int kIdleUpdateMs = 100;

// The context help id of the focused control or its nearest window.
std::uint32_t FocusHelpId()
{
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        const QVariant id = w->property(kHelpIdProperty);
        if (id.isValid())
            return id.toUInt();
    }
    return HelpContext::OfDialog(DialogId::MainFrame);
}

}  // namespace

CMainFrame::CMainFrame(CCurvixDoc& document, GraphComputation& graphComputation, AppSettings& appSettings)
    : doc(document), computation(graphComputation), settings(appSettings),
      actions(*this, [this](CommandId id) { ExecuteCommand(id); }),
      files(document, *this, [this] { DocumentLoaded(); })
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAcceptDrops(true);
    CreateClientArea();
    CreateBars();
    contextMenus = new FrameContextMenus(*this);
    PlaceWindow();
    idleTimer = new QTimer(this);
    connect(idleTimer, &QTimer::timeout, this, [this] { UpdateCommandUI(); });
    idleTimer->start(kIdleUpdateMs);
    RefreshRecentFiles();
    UpdateCommandUI();
    recovery = std::make_unique<DocumentRecovery>(document, DocumentRecovery::DefaultFolder());
    CSplashWindow::ShowSplashWindow(this);
}

CMainFrame::~CMainFrame()
{
    // A start that failed before the window showed leaves the store alone.
    if (testAttribute(Qt::WA_WState_ExplicitShowHide))
        StoreSettings();
    computation.Stop();
    doc.OnCloseDocument();
}

void CMainFrame::CreateClientArea()
{
    splitter = new QSplitter(Qt::Horizontal, this);
    splitMover = new SplitterKeyMover(*splitter);
    form = new CGraphDataForm(doc, computation, settings, splitter);
    view = new CCurvixView(doc, computation, settings, splitter);
    view->SetFrame(this);
    editCommands = std::make_unique<FrameEditCommands>(doc, computation, settings, *view, *this);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({CGraphDataForm::kPaneWidth, kViewInitialWidth});
    // The pane may shrink to nothing when it is hidden.
    form->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    form->SetRefreshPoster([this] { view->Refresh(); });
    view->SetGraphSelector([this](int position) { form->List().SetCurSel(position); });
    view->Analysis().SetSelection([this] { return form->List().CurSel(); });
    form->SetWidthLimiter([this] { ShowGraphPane(); });
    setCentralWidget(splitter);
}

void CMainFrame::CreateBars()
{
    status = new FrameStatusBar(this);
    setStatusBar(status);
    QMenuBar* menus = actions.CreateMenuBar(this);
    toolBar = actions.CreateToolBar(this);
    chrome = std::make_unique<MenuChrome>(this, menus, toolBar);
    chrome->SetDrawDisabledButtonsInColor(settings.DrawDisabledButtonsInColor);
    chrome->SetWatermark(settings.UseWatermarkBitmap);
    chrome->SetOneLine(settings.OneLineCoolbar);
    toolBar->setVisible(settings.ShowToolbar);
    status->setVisible(settings.ShowStatusbar);
}

// The saved placement, else the whole work area.
void CMainFrame::PlaceWindow()
{
    if (!ApplyWindowPlacement(*this, settings.windowPlacement))
        FillWorkArea(*this);
    placedRect = geometry();
}

void CMainFrame::StoreSettings()
{
    settings.ShowToolbar = !toolBar->isHidden();
    settings.OneLineCoolbar = chrome->IsOneLine();
    settings.ShowStatusbar = !status->isHidden();
    settings.windowPlacement = ReadWindowPlacement(*this, placedRect);
    files.Recent().Save();
    if (!settings.SaveSettings(SettingAll))
        AppMessageBox::Show(nullptr, QString::fromStdString(settings.LastError()), StringId::ErrorCaption, MB_ICONEXCLAMATION);
}

void CMainFrame::SetCursorPosText(const QString& text)
{
    status->SetCursorPosText(text);
}

void CMainFrame::DocumentLoaded()
{
    // The picture of the previous contents goes with them.
    computation.Reset(settings.defaultCoordSystem);
    doc.UpdateAllViews(nullptr, DocView::HintGraphsChanged);
    RefreshRecentFiles();
    UpdateCommandUI();
}

void CMainFrame::RefreshRecentFiles()
{
    actions.SetRecentFiles(files.Recent().Files(), [this](const QString& path) {
        files.OpenPath(path);
        RefreshRecentFiles();
    });
}

void CMainFrame::HideGraphPane()
{
    const int total = splitter->width();
    splitter->setSizes({0, total});
}

void CMainFrame::ShowGraphPane()
{
    const int total = splitter->width();
    splitter->setSizes({CGraphDataForm::kPaneWidth, std::max(total - CGraphDataForm::kPaneWidth, 0)});
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    closed = files.SaveModified();
    event->setAccepted(closed);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

// Dropped files are opened one after the other, as the shell hands them.
void CMainFrame::dropEvent(QDropEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            files.OpenPath(url.toLocalFile());
    }
    RefreshRecentFiles();
    event->acceptProposedAction();
}

// ---- Commands ------------------------------------------------------------

const std::map<CommandId, CMainFrame::Handler>& CMainFrame::Handlers()
{
    static const std::map<CommandId, Handler> handlers = {
        {CommandId::FileNew, &CMainFrame::OnFileNew},
        {CommandId::FileOpen, &CMainFrame::OnFileOpen},
        {CommandId::FileSave, &CMainFrame::OnFileSave},
        {CommandId::FileSaveAs, &CMainFrame::OnFileSaveAs},
        {CommandId::AppExit, &CMainFrame::OnAppExit},
        {CommandId::EditUndo, &CMainFrame::OnUndo},
        {CommandId::EditRedo, &CMainFrame::OnRedo},
        {CommandId::EditRedoShift, &CMainFrame::OnRedo},
        {CommandId::CopyPicture, &CMainFrame::OnCopyPicture},
        {CommandId::ExportPicture, &CMainFrame::OnExportPicture},
        {CommandId::SelectedGraphProperties, &CMainFrame::OnSelectedGraphProperties},
        {CommandId::SelectedGraphVisibility, &CMainFrame::OnSelectedGraphVisibility},
        {CommandId::SelectedGraphRemove, &CMainFrame::OnSelectedGraphRemove},
        {CommandId::AddGraph, &CMainFrame::OnAddGraph},
        {CommandId::RemoveGraph, &CMainFrame::OnRemoveGraph},
        {CommandId::GraphProperties, &CMainFrame::OnGraphProperties},
        {CommandId::EditCoordSystem, &CMainFrame::OnEditCoordSystem},
        {CommandId::ZoomIn, &CMainFrame::OnZoomIn},
        {CommandId::ZoomOut, &CMainFrame::OnZoomOut},
        {CommandId::ZoomInX, &CMainFrame::OnZoomInX},
        {CommandId::ZoomOutX, &CMainFrame::OnZoomOutX},
        {CommandId::ZoomInY, &CMainFrame::OnZoomInY},
        {CommandId::ZoomOutY, &CMainFrame::OnZoomOutY},
        {CommandId::Refresh, &CMainFrame::OnRefresh},
        {CommandId::CentreOnOrigin, &CMainFrame::OnCentreOnOrigin},
        {CommandId::Integral, &CMainFrame::OnIntegral},
        {CommandId::Tangent, &CMainFrame::OnTangent},
        {CommandId::FindPoints, &CMainFrame::OnFindPoints},
        {CommandId::ValueTable, &CMainFrame::OnValueTable},
        {CommandId::Trace, &CMainFrame::OnTrace},
        {CommandId::Settings, &CMainFrame::OnSettings},
        {CommandId::DefaultCoordSystem, &CMainFrame::OnDefaultCoordSystem},
        {CommandId::ViewToolbar, &CMainFrame::OnViewToolbar},
        {CommandId::ViewStatusBar, &CMainFrame::OnViewStatusBar},
        {CommandId::WindowSplit, &CMainFrame::OnSplit},
        {CommandId::HideGraphPane, &CMainFrame::HideGraphPane},
        {CommandId::ShowGraphPane, &CMainFrame::ShowGraphPane},
        {CommandId::ToggleGrid, &CMainFrame::OnToggleGrid},
        {CommandId::ToggleCursorPosition, &CMainFrame::OnToggleCurrPos},
        {CommandId::Help, &CMainFrame::OnHelp},
        {CommandId::ContextHelp, &CMainFrame::OnContextHelp},
        {CommandId::HelpFinder, &CMainFrame::OnHelpTopics},
        {CommandId::AppAbout, &CMainFrame::OnAbout},
        {CommandId::WebPage, &CMainFrame::OnWebPage},
        {CommandId::NextPane, &CMainFrame::OnNextPane},
        {CommandId::PrevPane, &CMainFrame::OnNextPane},
    };
    return handlers;
}

void CMainFrame::ExecuteCommand(CommandId id)
{
    const auto found = Handlers().find(id);
    if (found == Handlers().end() || !IsEnabled(id))
        return;
    (this->*found->second)();
    UpdateCommandUI();
}

// The displayed graphs are computed and there is at least one.
bool CMainFrame::IsComputed() const
{
    return computation.IsComputed() && computation.DisplayedCount() > 0;
}

bool CMainFrame::IsEnabled(CommandId id) const
{
    switch (id) {
    case CommandId::RemoveGraph:
    case CommandId::GraphProperties:
        return form->HasGraphs();
    case CommandId::ZoomIn:
        return IsComputed() && view->CanZoomInX() && view->CanZoomInY();
    case CommandId::ZoomOut:
        return IsComputed() && view->CanZoomOutX() && view->CanZoomOutY();
    case CommandId::ZoomInX:
        return IsComputed() && view->CanZoomInX();
    case CommandId::ZoomOutX:
        return IsComputed() && view->CanZoomOutX();
    case CommandId::ZoomInY:
        return IsComputed() && view->CanZoomInY();
    case CommandId::ZoomOutY:
        return IsComputed() && view->CanZoomOutY();
    case CommandId::Integral:
        return !computation.IsComputing();
    case CommandId::Tangent:
        return IsComputed();
    case CommandId::FindPoints:
        return IsComputed() && !computation.IsComputing() && HasFunctionGraph(computation);
    case CommandId::ValueTable:
    case CommandId::Trace:
        return IsComputed() && !computation.IsComputing();
    case CommandId::EditUndo:
        return doc.History().CanUndo();
    case CommandId::EditRedo:
    case CommandId::EditRedoShift:
        return doc.History().CanRedo();
    case CommandId::CopyPicture:
    case CommandId::ExportPicture:
        return IsComputed() && !computation.IsComputing();
    case CommandId::SelectedGraphProperties:
    case CommandId::SelectedGraphVisibility:
    case CommandId::SelectedGraphRemove:
        return form->HasSelection();
    default:
        return Handlers().count(id) > 0;
    }
}

bool CMainFrame::IsChecked(CommandId id) const
{
    switch (id) {
    case CommandId::ViewToolbar:
        return !toolBar->isHidden();
    case CommandId::ViewStatusBar:
        return !status->isHidden();
    case CommandId::ToggleGrid:
        return settings.ShowGrid;
    case CommandId::ToggleCursorPosition:
        return settings.ShowCurrPos;
    default:
        return false;
    }
}

void CMainFrame::UpdateCommandUI()
{
    for (const auto& [id, action] : actions.All()) {
        if (id == CommandId::FirstRecentFile)
            continue;
        action->setEnabled(IsEnabled(id));
        if (action->isCheckable())
            action->setChecked(IsChecked(id));
    }
    editCommands->UpdateMenuTexts(*Action(CommandId::EditUndo), *Action(CommandId::EditRedo));
    status->UpdatePositionPane(settings.ShowCurrPos, IsComputed());
    status->UpdateZoomPane(IsComputed(), doc.zoomX, doc.zoomY);
    setWindowTitle(AppText(StringId::TitleFormat).replace(QStringLiteral("%s"), files.Title()));
    setWindowModified(doc.IsModified());
}

void CMainFrame::OnFileNew()
{
    files.NewDocument();
}

void CMainFrame::OnFileOpen()
{
    files.OpenDocument();
    RefreshRecentFiles();
}

void CMainFrame::OnFileSave()
{
    files.Save();
}

void CMainFrame::OnFileSaveAs()
{
    files.SaveAs();
    RefreshRecentFiles();
}

void CMainFrame::OnUndo()
{
    editCommands->Undo();
}

void CMainFrame::OnRedo()
{
    editCommands->Redo();
}

void CMainFrame::OnCopyPicture()
{
    editCommands->CopyPicture();
}

void CMainFrame::OnExportPicture()
{
    editCommands->ExportPicture();
}

void CMainFrame::OnSelectedGraphProperties()
{
    form->OnGraphProperties();
}

void CMainFrame::OnSelectedGraphVisibility()
{
    form->ToggleSelectedVisibility();
}

void CMainFrame::OnSelectedGraphRemove()
{
    form->OnRemoveSelectedGraph();
}

void CMainFrame::OnAppExit()
{
    close();
}

void CMainFrame::OnAddGraph()
{
    form->OnAddGraph();
}

void CMainFrame::OnRemoveGraph()
{
    form->OnRemoveGraphDialog();
}

void CMainFrame::OnGraphProperties()
{
    form->OnGraphPropertiesDialog();
}

void CMainFrame::OnEditCoordSystem()
{
    form->OnEditCoordSystem();
}

void CMainFrame::OnCentreOnOrigin()
{
    view->CentreOnOrigin();
}

void CMainFrame::OnZoomIn()
{
    view->ZoomIn(true, true);
}

void CMainFrame::OnZoomOut()
{
    view->ZoomOut(true, true);
}

void CMainFrame::OnZoomInX()
{
    view->ZoomIn(true, false);
}

void CMainFrame::OnZoomOutX()
{
    view->ZoomOut(true, false);
}

void CMainFrame::OnZoomInY()
{
    view->ZoomIn(false, true);
}

void CMainFrame::OnZoomOutY()
{
    view->ZoomOut(false, true);
}

void CMainFrame::OnRefresh()
{
    view->Refresh();
}

void CMainFrame::OnIntegral()
{
    OpenIntegralTool(doc, computation, settings, this);
}

void CMainFrame::OnTangent()
{
    const bool added = OpenTangentTool(doc, computation, settings, this);
    doc.UpdateAllViews(view, DocView::HintGraphsChanged);
    if (added)
        view->Refresh();
}

void CMainFrame::OnFindPoints()
{
    OpenPointsTool(doc, computation, this, ViewHooks());
}

void CMainFrame::OnValueTable()
{
    OpenValueTableTool(doc, computation, this, ViewHooks());
}

void CMainFrame::OnTrace()
{
    view->Analysis().ToggleTrace();
    view->setFocus();
}

// How the analysis dialogs read and mark the view.
AnalysisViewHooks CMainFrame::ViewHooks()
{
    AnalysisViewHooks hooks;
    hooks.visible = [this] { return VisibleWorld(view->Mapping()); };
    hooks.selected = [this] { return form->List().CurSel(); };
    hooks.mark = [this](std::vector<WorldPoint> points) { view->Analysis().SetFoundPoints(std::move(points)); };
    hooks.reveal = [this](WorldPoint point) { view->RevealWorldPoint(point); };
    return hooks;
}

void CMainFrame::OnSettings()
{
    if (!EditApplicationSettings(this, settings))
        return;
    chrome->SetDrawDisabledButtonsInColor(settings.DrawDisabledButtonsInColor);
    chrome->SetWatermark(settings.UseWatermarkBitmap);
    doc.UpdateAllViews(nullptr, DocView::HintSettingsChanged);
}

void CMainFrame::OnDefaultCoordSystem()
{
    EditDefaultCoordSystem(this, settings, doc.coordSystem);
}

void CMainFrame::OnViewToolbar()
{
    toolBar->setVisible(toolBar->isHidden());
}

void CMainFrame::OnViewStatusBar()
{
    status->setVisible(status->isHidden());
}

void CMainFrame::OnToggleGrid()
{
    settings.ShowGrid = !settings.ShowGrid;
    doc.UpdateAllViews(nullptr, DocView::HintSettingsChanged);
}

void CMainFrame::OnToggleCurrPos()
{
    settings.ShowCurrPos = !settings.ShowCurrPos;
}

void CMainFrame::OnHelp()
{
    HelpRequests::Submit({FocusHelpId(), 0, false});
}

void CMainFrame::OnContextHelp()
{
    QWhatsThis::enterWhatsThisMode();
}

void CMainFrame::OnHelpTopics()
{
    HelpWindow::ShowContents(this);
}

void CMainFrame::OnAbout()
{
    ShowAboutBox(this);
}

// No address of the product's page is configured: the help's page about
// the program stands in for it.
void CMainFrame::OnWebPage()
{
    HelpWindow::ShowTopic(HelpContext::OfCommand(CommandId::WebPage), this);
}

void CMainFrame::OnSplit()
{
    splitMover->Start();
}

// F6 and Shift+F6: with two panes, both move the focus to the other one.
void CMainFrame::OnNextPane()
{
    if (view->hasFocus())
        form->List().setFocus();
    else
        view->setFocus();
}
