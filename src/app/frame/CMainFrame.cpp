#include "CMainFrame.h"

#include "AboutBox.h"
#include "AppMessageBox.h"
#include "AppSettings.h"
#include "AppText.h"
#include "CCurvixDoc.h"
#include "CCurvixView.h"
#include "GraphComputation.h"
#include "CGraphDataForm.h"
#include "CGraphListBox.h"
#include "CMenuChrome.h"
#include "CPropertyPage.h"
#include "CSplashWindow.h"
#include "CoordSystemFlows.h"
#include "DocView.h"
#include "DocumentRecovery.h"
#include "FrameCommands.h"
#include "FrameContextMenus.h"
#include "FrameEditCommands.h"
#include "FrameStatusBar.h"
#include "HelpRequests.h"
#include "HelpWindow.h"
#include "MessageBoxStyle.h"
#include "SettingsSheetFlow.h"
#include "SplitterKeyMover.h"
#include "ToolCommands.h"
#include "ViewMapping.h"
#include "WindowPlacementQt.h"

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

constexpr unsigned kTitleFormat = 18201;
constexpr int kViewInitialWidth = 100;
constexpr int kIdleUpdateMs = 100;
constexpr std::uint32_t kCommandHelpBase = 0x10000;
constexpr std::uint32_t kMainFrameHelpId = 0x20000 + 128;

// The context help id of the focused control or its nearest window.
std::uint32_t FocusHelpId()
{
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        const QVariant id = w->property(kHelpIdProperty);
        if (id.isValid())
            return id.toUInt();
    }
    return kMainFrameHelpId;
}

}  // namespace

CMainFrame::CMainFrame(CCurvixDoc& document, GraphComputation& graphComputation, AppSettings& appSettings)
    : doc(document), computation(graphComputation), settings(appSettings),
      actions(*this, [this](unsigned id) { ExecuteCommand(id); }),
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
    chrome = std::make_unique<CMenuChrome>(this, menus, toolBar);
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
        AppMessageBox::Show(nullptr, QString::fromStdString(settings.LastError()), kErrorCaption, MB_ICONEXCLAMATION);
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

const std::map<unsigned, CMainFrame::Handler>& CMainFrame::Handlers()
{
    static const std::map<unsigned, Handler> handlers = {
        {ID_FILE_NEW, &CMainFrame::OnFileNew},
        {ID_FILE_OPEN, &CMainFrame::OnFileOpen},
        {ID_FILE_SAVE, &CMainFrame::OnFileSave},
        {ID_FILE_SAVE_AS, &CMainFrame::OnFileSaveAs},
        {ID_APP_EXIT, &CMainFrame::OnAppExit},
        {ID_EDIT_UNDO, &CMainFrame::OnUndo},
        {ID_EDIT_REDO, &CMainFrame::OnRedo},
        {ID_EDIT_REDO_SHIFT, &CMainFrame::OnRedo},
        {ID_COPY_PICTURE, &CMainFrame::OnCopyPicture},
        {ID_EXPORT_PICTURE, &CMainFrame::OnExportPicture},
        {ID_SELECTED_GRAPH_PROPERTIES, &CMainFrame::OnSelectedGraphProperties},
        {ID_SELECTED_GRAPH_VISIBILITY, &CMainFrame::OnSelectedGraphVisibility},
        {ID_SELECTED_GRAPH_REMOVE, &CMainFrame::OnSelectedGraphRemove},
        {ID_ADD_GRAPH, &CMainFrame::OnAddGraph},
        {ID_REMOVE_GRAPH, &CMainFrame::OnRemoveGraph},
        {ID_GRAPH_PROPERTIES, &CMainFrame::OnGraphProperties},
        {ID_EDIT_COORD_SYSTEM, &CMainFrame::OnEditCoordSystem},
        {ID_ZOOM_IN, &CMainFrame::OnZoomIn},
        {ID_ZOOM_OUT, &CMainFrame::OnZoomOut},
        {ID_ZOOM_IN_X, &CMainFrame::OnZoomInX},
        {ID_ZOOM_OUT_X, &CMainFrame::OnZoomOutX},
        {ID_ZOOM_IN_Y, &CMainFrame::OnZoomInY},
        {ID_ZOOM_OUT_Y, &CMainFrame::OnZoomOutY},
        {ID_REFRESH, &CMainFrame::OnRefresh},
        {ID_CENTRE_ON_ORIGIN, &CMainFrame::OnCentreOnOrigin},
        {ID_INTEGRAL, &CMainFrame::OnIntegral},
        {ID_TANGENT, &CMainFrame::OnTangent},
        {ID_FIND_POINTS, &CMainFrame::OnFindPoints},
        {ID_VALUE_TABLE, &CMainFrame::OnValueTable},
        {ID_TRACE, &CMainFrame::OnTrace},
        {ID_SETTINGS, &CMainFrame::OnSettings},
        {ID_DEFAULT_COORD_SYSTEM, &CMainFrame::OnDefaultCoordSystem},
        {ID_VIEW_TOOLBAR, &CMainFrame::OnViewToolbar},
        {ID_VIEW_STATUS_BAR, &CMainFrame::OnViewStatusBar},
        {ID_WINDOW_SPLIT, &CMainFrame::OnSplit},
        {ID_HIDE_GRAPH_PANE, &CMainFrame::HideGraphPane},
        {ID_SHOW_GRAPH_PANE, &CMainFrame::ShowGraphPane},
        {ID_TOGGLE_GRID, &CMainFrame::OnToggleGrid},
        {ID_TOGGLE_CURR_POS, &CMainFrame::OnToggleCurrPos},
        {ID_HELP, &CMainFrame::OnHelp},
        {ID_CONTEXT_HELP, &CMainFrame::OnContextHelp},
        {ID_HELP_FINDER, &CMainFrame::OnHelpTopics},
        {ID_APP_ABOUT, &CMainFrame::OnAbout},
        {ID_WEB_PAGE, &CMainFrame::OnWebPage},
        {ID_NEXT_PANE, &CMainFrame::OnNextPane},
        {ID_PREV_PANE, &CMainFrame::OnNextPane},
    };
    return handlers;
}

void CMainFrame::ExecuteCommand(unsigned id)
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

bool CMainFrame::IsEnabled(unsigned id) const
{
    switch (id) {
    case ID_REMOVE_GRAPH:
    case ID_GRAPH_PROPERTIES:
        return form->HasGraphs();
    case ID_ZOOM_IN:
        return IsComputed() && view->CanZoomInX() && view->CanZoomInY();
    case ID_ZOOM_OUT:
        return IsComputed() && view->CanZoomOutX() && view->CanZoomOutY();
    case ID_ZOOM_IN_X:
        return IsComputed() && view->CanZoomInX();
    case ID_ZOOM_OUT_X:
        return IsComputed() && view->CanZoomOutX();
    case ID_ZOOM_IN_Y:
        return IsComputed() && view->CanZoomInY();
    case ID_ZOOM_OUT_Y:
        return IsComputed() && view->CanZoomOutY();
    case ID_INTEGRAL:
        return !computation.IsComputing();
    case ID_TANGENT:
        return IsComputed();
    case ID_FIND_POINTS:
        return IsComputed() && !computation.IsComputing() && HasFunctionGraph(computation);
    case ID_VALUE_TABLE:
    case ID_TRACE:
        return IsComputed() && !computation.IsComputing();
    case ID_EDIT_UNDO:
        return doc.History().CanUndo();
    case ID_EDIT_REDO:
    case ID_EDIT_REDO_SHIFT:
        return doc.History().CanRedo();
    case ID_COPY_PICTURE:
    case ID_EXPORT_PICTURE:
        return IsComputed() && !computation.IsComputing();
    case ID_SELECTED_GRAPH_PROPERTIES:
    case ID_SELECTED_GRAPH_VISIBILITY:
    case ID_SELECTED_GRAPH_REMOVE:
        return form->HasSelection();
    default:
        return Handlers().count(id) > 0;
    }
}

bool CMainFrame::IsChecked(unsigned id) const
{
    switch (id) {
    case ID_VIEW_TOOLBAR:
        return !toolBar->isHidden();
    case ID_VIEW_STATUS_BAR:
        return !status->isHidden();
    case ID_TOGGLE_GRID:
        return settings.ShowGrid;
    case ID_TOGGLE_CURR_POS:
        return settings.ShowCurrPos;
    default:
        return false;
    }
}

void CMainFrame::UpdateCommandUI()
{
    for (const auto& [id, action] : actions.All()) {
        if (id == ID_FILE_MRU_FILE1)
            continue;
        action->setEnabled(IsEnabled(id));
        if (action->isCheckable())
            action->setChecked(IsChecked(id));
    }
    editCommands->UpdateMenuTexts(*Action(ID_EDIT_UNDO), *Action(ID_EDIT_REDO));
    status->UpdatePositionPane(settings.ShowCurrPos, IsComputed());
    status->UpdateZoomPane(IsComputed(), doc.zoomX, doc.zoomY);
    setWindowTitle(AppText(kTitleFormat).replace(QStringLiteral("%s"), files.Title()));
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
    HelpWindow::ShowTopic(kCommandHelpBase + ID_WEB_PAGE, this);
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
