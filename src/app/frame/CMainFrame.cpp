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
#include <QToolBar>
#include <QWhatsThis>

#include <algorithm>

namespace {
constexpr int kViewInitialWidth = 100;

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
      actions(*this, [this](CommandId id) { ExecuteCommand(id); }), m_state(*this, document, graphComputation, appSettings),
      files(document, *this, [this] { DocumentLoaded(); })
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAcceptDrops(true);
    CreateClientArea();
    CreateBars();
    contextMenus = new FrameContextMenus(*this);
    PlaceWindow();
    ListenForCommandInputs();
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
    doc.SetChangeListener({});
    computation.SetStateListener({});
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

void CMainFrame::ListenForCommandInputs()
{
    doc.SetChangeListener([this] { RequestCommandUpdate(); });
    computation.SetStateListener([this] { RequestCommandUpdate(); });
    connect(&form->List(), &QListWidget::currentRowChanged, this, [this] { RequestCommandUpdate(); });
    connect(toolBar, &QToolBar::visibilityChanged, this, [this] { RequestCommandUpdate(); });
}

void CMainFrame::RequestCommandUpdate()
{
    if (m_updateRequested)
        return;
    m_updateRequested = true;
    QMetaObject::invokeMethod(this, [this] {
        m_updateRequested = false;
        UpdateCommandUI();
    }, Qt::QueuedConnection);
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
        {CommandId::FileNew, [](CMainFrame& f) { f.files.NewDocument(); }},
        {CommandId::FileOpen, [](CMainFrame& f) { f.files.OpenDocument(), f.RefreshRecentFiles(); }},
        {CommandId::FileSave, [](CMainFrame& f) { f.files.Save(); }},
        {CommandId::FileSaveAs, [](CMainFrame& f) { f.files.SaveAs(), f.RefreshRecentFiles(); }},
        {CommandId::AppExit, [](CMainFrame& f) { f.close(); }},
        {CommandId::EditUndo, [](CMainFrame& f) { f.editCommands->Undo(); }},
        {CommandId::EditRedo, [](CMainFrame& f) { f.editCommands->Redo(); }},
        {CommandId::EditRedoShift, [](CMainFrame& f) { f.editCommands->Redo(); }},
        {CommandId::CopyPicture, [](CMainFrame& f) { f.editCommands->CopyPicture(); }},
        {CommandId::ExportPicture, [](CMainFrame& f) { f.editCommands->ExportPicture(); }},
        {CommandId::SelectedGraphProperties, [](CMainFrame& f) { f.form->OnGraphProperties(); }},
        {CommandId::SelectedGraphVisibility, [](CMainFrame& f) { f.form->ToggleSelectedVisibility(); }},
        {CommandId::SelectedGraphRemove, [](CMainFrame& f) { f.form->OnRemoveSelectedGraph(); }},
        {CommandId::AddGraph, [](CMainFrame& f) { f.form->OnAddGraph(); }},
        {CommandId::RemoveGraph, [](CMainFrame& f) { f.form->OnRemoveGraphDialog(); }},
        {CommandId::GraphProperties, [](CMainFrame& f) { f.form->OnGraphPropertiesDialog(); }},
        {CommandId::EditCoordSystem, [](CMainFrame& f) { f.form->OnEditCoordSystem(); }},
        {CommandId::ZoomIn, [](CMainFrame& f) { f.view->ZoomIn(true, true); }},
        {CommandId::ZoomOut, [](CMainFrame& f) { f.view->ZoomOut(true, true); }},
        {CommandId::ZoomInX, [](CMainFrame& f) { f.view->ZoomIn(true, false); }},
        {CommandId::ZoomOutX, [](CMainFrame& f) { f.view->ZoomOut(true, false); }},
        {CommandId::ZoomInY, [](CMainFrame& f) { f.view->ZoomIn(false, true); }},
        {CommandId::ZoomOutY, [](CMainFrame& f) { f.view->ZoomOut(false, true); }},
        {CommandId::Refresh, [](CMainFrame& f) { f.view->Refresh(); }},
        {CommandId::CentreOnOrigin, [](CMainFrame& f) { f.view->CentreOnOrigin(); }},
        {CommandId::Integral, [](CMainFrame& f) { OpenIntegralTool(f.doc, f.computation, f.settings, &f); }},
        {CommandId::Tangent, [](CMainFrame& f) { f.OnTangent(); }},
        {CommandId::FindPoints, [](CMainFrame& f) { OpenPointsTool(f.doc, f.computation, &f, f.ViewHooks()); }},
        {CommandId::ValueTable, [](CMainFrame& f) { OpenValueTableTool(f.doc, f.computation, &f, f.ViewHooks()); }},
        {CommandId::Trace, [](CMainFrame& f) { f.OnTrace(); }},
        {CommandId::Settings, [](CMainFrame& f) { f.OnSettings(); }},
        {CommandId::DefaultCoordSystem,
         [](CMainFrame& f) { EditDefaultCoordSystem(&f, f.settings, f.doc.coordSystem); }},
        {CommandId::ViewToolbar, [](CMainFrame& f) { f.toolBar->setVisible(f.toolBar->isHidden()); }},
        {CommandId::ViewStatusBar, [](CMainFrame& f) { f.status->setVisible(f.status->isHidden()); }},
        {CommandId::WindowSplit, [](CMainFrame& f) { f.splitMover->Start(); }},
        {CommandId::HideGraphPane, [](CMainFrame& f) { f.HideGraphPane(); }},
        {CommandId::ShowGraphPane, [](CMainFrame& f) { f.ShowGraphPane(); }},
        {CommandId::ToggleGrid, [](CMainFrame& f) { f.OnToggleGrid(); }},
        {CommandId::ToggleCursorPosition, [](CMainFrame& f) { f.settings.ShowCurrPos = !f.settings.ShowCurrPos; }},
        {CommandId::Help, [](CMainFrame&) { HelpRequests::Submit({FocusHelpId(), 0, false}); }},
        {CommandId::ContextHelp, [](CMainFrame&) { QWhatsThis::enterWhatsThisMode(); }},
        {CommandId::HelpFinder, [](CMainFrame& f) { HelpWindow::ShowContents(&f); }},
        {CommandId::AppAbout, [](CMainFrame& f) { ShowAboutBox(&f); }},
        {CommandId::WebPage, [](CMainFrame& f) { f.OnWebPage(); }},
        {CommandId::NextPane, [](CMainFrame& f) { f.OnNextPane(); }},
        {CommandId::PrevPane, [](CMainFrame& f) { f.OnNextPane(); }},
    };
    return handlers;
}

void CMainFrame::ExecuteCommand(CommandId id)
{
    const auto found = Handlers().find(id);
    if (found == Handlers().end() || !m_state.IsEnabled(id))
        return;
    found->second(*this);
    UpdateCommandUI();
}

void CMainFrame::UpdateCommandUI()
{
    for (const auto& [id, action] : actions.All()) {
        if (id == CommandId::FirstRecentFile)
            continue;
        action->setEnabled(Handlers().count(id) > 0 && m_state.IsEnabled(id));
        if (action->isCheckable())
            action->setChecked(m_state.IsChecked(id));
    }
    editCommands->UpdateMenuTexts(*Action(CommandId::EditUndo), *Action(CommandId::EditRedo));
    status->UpdatePositionPane(settings.ShowCurrPos, m_state.IsComputed());
    status->UpdateZoomPane(m_state.IsComputed(), doc.zoomX, doc.zoomY);
    setWindowTitle(AppText(StringId::TitleFormat).replace(QStringLiteral("%s"), files.Title()));
    setWindowModified(doc.IsModified());
}

void CMainFrame::OnTangent()
{
    const bool added = OpenTangentTool(doc, computation, settings, this);
    doc.UpdateAllViews(view, DocView::HintGraphsChanged);
    if (added)
        view->Refresh();
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

void CMainFrame::OnToggleGrid()
{
    settings.ShowGrid = !settings.ShowGrid;
    doc.UpdateAllViews(nullptr, DocView::HintSettingsChanged);
}

// No address of the product's page is configured: the help's page about
// the program stands in for it.
void CMainFrame::OnWebPage()
{
    HelpWindow::ShowTopic(HelpContext::OfCommand(CommandId::WebPage), this);
}

// F6 and Shift+F6: with two panes, both move the focus to the other one.
void CMainFrame::OnNextPane()
{
    if (view->hasFocus())
        form->List().setFocus();
    else
        view->setFocus();
}
