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
    : m_doc(document), m_computation(graphComputation), m_settings(appSettings),
      m_actions(*this, [this](CommandId id) { ExecuteCommand(id); }), m_state(*this, document, graphComputation, appSettings),
      m_files(document, *this, [this] { DocumentLoaded(); })
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAcceptDrops(true);
    CreateClientArea();
    CreateBars();
    m_contextMenus = new FrameContextMenus(*this);
    PlaceWindow();
    ListenForCommandInputs();
    RefreshRecentFiles();
    UpdateCommandUI();
    m_recovery = std::make_unique<DocumentRecovery>(document, DocumentRecovery::DefaultFolder());
    CSplashWindow::ShowSplashWindow(this);
}

CMainFrame::~CMainFrame()
{
    // A start that failed before the window showed leaves the store alone.
    if (testAttribute(Qt::WA_WState_ExplicitShowHide))
        StoreSettings();
    m_doc.SetChangeListener({});
    m_computation.SetStateListener({});
    m_computation.Stop();
    m_doc.OnCloseDocument();
}

void CMainFrame::CreateClientArea()
{
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitMover = new SplitterKeyMover(*m_splitter);
    m_form = new CGraphDataForm(m_doc, m_computation, m_settings, m_splitter);
    m_view = new CCurvixView(m_doc, m_computation, m_settings, m_splitter);
    m_view->SetFrame(this);
    m_editCommands = std::make_unique<FrameEditCommands>(m_doc, m_computation, m_settings, *m_view, *this);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({CGraphDataForm::kPaneWidth, kViewInitialWidth});
    // The pane may shrink to nothing when it is hidden.
    m_form->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_form->SetRefreshPoster([this] { m_view->Refresh(); });
    m_view->SetGraphSelector([this](int position) { m_form->List().SetCurSel(position); });
    m_view->Analysis().SetSelection([this] { return m_form->List().CurSel(); });
    m_form->SetWidthLimiter([this] { ShowGraphPane(); });
    setCentralWidget(m_splitter);
}

void CMainFrame::CreateBars()
{
    m_status = new FrameStatusBar(this);
    setStatusBar(m_status);
    QMenuBar* menus = m_actions.CreateMenuBar(this);
    m_toolBar = m_actions.CreateToolBar(this);
    m_chrome = std::make_unique<MenuChrome>(this, menus, m_toolBar);
    m_chrome->SetDrawDisabledButtonsInColor(m_settings.DrawDisabledButtonsInColor);
    m_chrome->SetWatermark(m_settings.UseWatermarkBitmap);
    m_chrome->SetOneLine(m_settings.OneLineCoolbar);
    m_toolBar->setVisible(m_settings.ShowToolbar);
    m_status->setVisible(m_settings.ShowStatusbar);
}

void CMainFrame::ListenForCommandInputs()
{
    m_doc.SetChangeListener([this] { RequestCommandUpdate(); });
    m_computation.SetStateListener([this] { RequestCommandUpdate(); });
    connect(&m_form->List(), &QListWidget::currentRowChanged, this, [this] { RequestCommandUpdate(); });
    connect(m_toolBar, &QToolBar::visibilityChanged, this, [this] { RequestCommandUpdate(); });
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
    if (!ApplyWindowPlacement(*this, m_settings.windowPlacement))
        FillWorkArea(*this);
    m_placedRect = geometry();
}

void CMainFrame::StoreSettings()
{
    m_settings.ShowToolbar = !m_toolBar->isHidden();
    m_settings.OneLineCoolbar = m_chrome->IsOneLine();
    m_settings.ShowStatusbar = !m_status->isHidden();
    m_settings.windowPlacement = ReadWindowPlacement(*this, m_placedRect);
    m_files.Recent().Save();
    if (!m_settings.SaveSettings(SettingAll))
        AppMessageBox::Show(nullptr, QString::fromStdString(m_settings.LastError()), StringId::ErrorCaption, MB_ICONEXCLAMATION);
}

void CMainFrame::SetCursorPosText(const QString& text)
{
    m_status->SetCursorPosText(text);
}

void CMainFrame::DocumentLoaded()
{
    // The picture of the previous contents goes with them.
    m_computation.Reset(m_settings.defaultCoordSystem);
    m_doc.UpdateAllViews(nullptr, DocView::HintGraphsChanged);
    RefreshRecentFiles();
    UpdateCommandUI();
}

void CMainFrame::RefreshRecentFiles()
{
    m_actions.SetRecentFiles(m_files.Recent().Files(), [this](const QString& path) {
        m_files.OpenPath(path);
        RefreshRecentFiles();
    });
}

void CMainFrame::HideGraphPane()
{
    const int total = m_splitter->width();
    m_splitter->setSizes({0, total});
}

void CMainFrame::ShowGraphPane()
{
    const int total = m_splitter->width();
    m_splitter->setSizes({CGraphDataForm::kPaneWidth, std::max(total - CGraphDataForm::kPaneWidth, 0)});
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    m_closed = m_files.SaveModified();
    event->setAccepted(m_closed);
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
            m_files.OpenPath(url.toLocalFile());
    }
    RefreshRecentFiles();
    event->acceptProposedAction();
}

// ---- Commands ------------------------------------------------------------

const std::map<CommandId, CMainFrame::Handler>& CMainFrame::Handlers()
{
    static const std::map<CommandId, Handler> handlers = {
        {CommandId::FileNew, [](CMainFrame& f) { f.m_files.NewDocument(); }},
        {CommandId::FileOpen, [](CMainFrame& f) { f.m_files.OpenDocument(), f.RefreshRecentFiles(); }},
        {CommandId::FileSave, [](CMainFrame& f) { f.m_files.Save(); }},
        {CommandId::FileSaveAs, [](CMainFrame& f) { f.m_files.SaveAs(), f.RefreshRecentFiles(); }},
        {CommandId::AppExit, [](CMainFrame& f) { f.close(); }},
        {CommandId::EditUndo, [](CMainFrame& f) { f.m_editCommands->Undo(); }},
        {CommandId::EditRedo, [](CMainFrame& f) { f.m_editCommands->Redo(); }},
        {CommandId::EditRedoShift, [](CMainFrame& f) { f.m_editCommands->Redo(); }},
        {CommandId::CopyPicture, [](CMainFrame& f) { f.m_editCommands->CopyPicture(); }},
        {CommandId::ExportPicture, [](CMainFrame& f) { f.m_editCommands->ExportPicture(); }},
        {CommandId::SelectedGraphProperties, [](CMainFrame& f) { f.m_form->OnGraphProperties(); }},
        {CommandId::SelectedGraphVisibility, [](CMainFrame& f) { f.m_form->ToggleSelectedVisibility(); }},
        {CommandId::SelectedGraphRemove, [](CMainFrame& f) { f.m_form->OnRemoveSelectedGraph(); }},
        {CommandId::AddGraph, [](CMainFrame& f) { f.m_form->OnAddGraph(); }},
        {CommandId::RemoveGraph, [](CMainFrame& f) { f.m_form->OnRemoveGraphDialog(); }},
        {CommandId::GraphProperties, [](CMainFrame& f) { f.m_form->OnGraphPropertiesDialog(); }},
        {CommandId::EditCoordSystem, [](CMainFrame& f) { f.m_form->OnEditCoordSystem(); }},
        {CommandId::ZoomIn, [](CMainFrame& f) { f.m_view->ZoomIn(true, true); }},
        {CommandId::ZoomOut, [](CMainFrame& f) { f.m_view->ZoomOut(true, true); }},
        {CommandId::ZoomInX, [](CMainFrame& f) { f.m_view->ZoomIn(true, false); }},
        {CommandId::ZoomOutX, [](CMainFrame& f) { f.m_view->ZoomOut(true, false); }},
        {CommandId::ZoomInY, [](CMainFrame& f) { f.m_view->ZoomIn(false, true); }},
        {CommandId::ZoomOutY, [](CMainFrame& f) { f.m_view->ZoomOut(false, true); }},
        {CommandId::Refresh, [](CMainFrame& f) { f.m_view->Refresh(); }},
        {CommandId::CentreOnOrigin, [](CMainFrame& f) { f.m_view->CentreOnOrigin(); }},
        {CommandId::Integral, [](CMainFrame& f) { OpenIntegralTool(f.m_doc, f.m_computation, f.m_settings, &f); }},
        {CommandId::Tangent, [](CMainFrame& f) { f.OnTangent(); }},
        {CommandId::FindPoints, [](CMainFrame& f) { OpenPointsTool(f.m_doc, f.m_computation, &f, f.ViewHooks()); }},
        {CommandId::ValueTable, [](CMainFrame& f) { OpenValueTableTool(f.m_doc, f.m_computation, &f, f.ViewHooks()); }},
        {CommandId::Trace, [](CMainFrame& f) { f.OnTrace(); }},
        {CommandId::Settings, [](CMainFrame& f) { f.OnSettings(); }},
        {CommandId::DefaultCoordSystem,
         [](CMainFrame& f) { EditDefaultCoordSystem(&f, f.m_settings, f.m_doc.coordSystem); }},
        {CommandId::ViewToolbar, [](CMainFrame& f) { f.m_toolBar->setVisible(f.m_toolBar->isHidden()); }},
        {CommandId::ViewStatusBar, [](CMainFrame& f) { f.m_status->setVisible(f.m_status->isHidden()); }},
        {CommandId::WindowSplit, [](CMainFrame& f) { f.m_splitMover->Start(); }},
        {CommandId::HideGraphPane, [](CMainFrame& f) { f.HideGraphPane(); }},
        {CommandId::ShowGraphPane, [](CMainFrame& f) { f.ShowGraphPane(); }},
        {CommandId::ToggleGrid, [](CMainFrame& f) { f.OnToggleGrid(); }},
        {CommandId::ToggleCursorPosition, [](CMainFrame& f) { f.m_settings.ShowCurrPos = !f.m_settings.ShowCurrPos; }},
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
    for (const auto& [id, action] : m_actions.All()) {
        if (id == CommandId::FirstRecentFile)
            continue;
        action->setEnabled(Handlers().count(id) > 0 && m_state.IsEnabled(id));
        if (action->isCheckable())
            action->setChecked(m_state.IsChecked(id));
    }
    m_editCommands->UpdateMenuTexts(*Action(CommandId::EditUndo), *Action(CommandId::EditRedo));
    m_status->UpdatePositionPane(m_settings.ShowCurrPos, m_state.IsComputed());
    m_status->UpdateZoomPane(m_state.IsComputed(), m_doc.zoomX, m_doc.zoomY);
    setWindowTitle(AppText(StringId::TitleFormat).replace(QStringLiteral("%s"), m_files.Title()));
    setWindowModified(m_doc.IsModified());
}

void CMainFrame::OnTangent()
{
    const bool added = OpenTangentTool(m_doc, m_computation, m_settings, this);
    m_doc.UpdateAllViews(m_view, DocView::HintGraphsChanged);
    if (added)
        m_view->Refresh();
}

void CMainFrame::OnTrace()
{
    m_view->Analysis().ToggleTrace();
    m_view->setFocus();
}

// How the analysis dialogs read and mark the view.
AnalysisViewHooks CMainFrame::ViewHooks()
{
    AnalysisViewHooks hooks;
    hooks.visible = [this] { return VisibleWorld(m_view->Mapping()); };
    hooks.selected = [this] { return m_form->List().CurSel(); };
    hooks.mark = [this](std::vector<WorldPoint> points) { m_view->Analysis().SetFoundPoints(std::move(points)); };
    hooks.reveal = [this](WorldPoint point) { m_view->RevealWorldPoint(point); };
    return hooks;
}

void CMainFrame::OnSettings()
{
    if (!EditApplicationSettings(this, m_settings))
        return;
    m_chrome->SetDrawDisabledButtonsInColor(m_settings.DrawDisabledButtonsInColor);
    m_chrome->SetWatermark(m_settings.UseWatermarkBitmap);
    m_doc.UpdateAllViews(nullptr, DocView::HintSettingsChanged);
}

void CMainFrame::OnToggleGrid()
{
    m_settings.ShowGrid = !m_settings.ShowGrid;
    m_doc.UpdateAllViews(nullptr, DocView::HintSettingsChanged);
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
    if (m_view->hasFocus())
        m_form->List().setFocus();
    else
        m_view->setFocus();
}
